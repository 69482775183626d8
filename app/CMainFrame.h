#pragma once
#include "app/CRect.h"

// The game's one window, titled "Zelk", with its pop-up menu on the right
// button: the sound, the subtitles, full screen, about and quit, in French.
// ToggleView switches it between full screen and the windowed rectangle it
// had before.
class CMainFrame {
public:
    static constexpr const char* kTitle = "Zelk";

    CMainFrame();
    // Opens the window at the given client size; false when it could not be.
    bool Create(int width, int height);
    // The pop-up menu on the right button. Made once the first frame is on
    // screen: freeglut readies a context of its own for menus, which the
    // first frame need not wait for.
    void AttachMenu();
    void Destroy();
    // The window is gone already (closed from outside).
    void ForgetWindow() { window = 0; }

    void ToggleView();
    bool IsFullScreen() const { return boolFull; }
    // Where the window is now (client area).
    CRect GetWindowRect() const;
    int GetWindow() const { return window; }
    CRect GetFullScreenRect() const { return fullScreenRect; }

    // The window rectangle whose client area covers the screen exactly,
    // with caption, menu and borders pushed off it.
    static CRect FullScreenRect(int screenWidth, int screenHeight, int cxFrame, int cyCaption,
                                int cyMenu, int cyFrame);

private:
    static void OnMenu(int entry);

    int window = 0;
    CRect fullScreenRect;
    CRect rectNormal;
    bool boolFull = false;
};
