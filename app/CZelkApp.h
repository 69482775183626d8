#pragma once
#include <functional>
#include <memory>

#include "app/CDialogFrame.h"
#include "app/CFramePacer.h"
#include "app/CInputMethod.h"
#include "app/CMainFrame.h"
#include "app/CZelkDoc.h"
#include "app/CZelkView.h"

// The program: it opens the window with its view and empty document, and
// runs the frame loop, 64 ticks a second, sleeping between ticks and
// handling the window's events as they come.
class CZelkApp {
public:
    // Opens the window; false when there is no display or no GL window.
    bool InitInstance(int* argc, char** argv);
    // The main loop; returns when the window has closed, after the model
    // and the controller have been deleted.
    int Run();
    // The same loop, for a modal dialog: returns once done() holds, or at
    // once if the window is closing.
    void RunUntil(const std::function<bool()>& done);
    // One turn of that loop: the window's events, a frame when one is due,
    // then sleep until the next event or frame.
    void PumpOnce();
    // What the first frame need not wait for: the pop-up menu and the
    // input method, made once it is on screen.
    void FinishStartingUp();

    // The modal dialog on screen, if any: it is drawn over the game and
    // takes the mouse and the keyboard.
    void SetActiveDialog(CDialogFrame* dialog) { activeDialog = dialog; }
    CDialogFrame* GetActiveDialog() const { return activeDialog; }

    // Asks the window to close; it closes between events, never inside one.
    static void PostClose();
    // SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C) close the game
    // as its close box does: progress saved, sound and GL released, status 0.
    static void CloseOnSignals();
    // A closing signal arrived (and has not been acted on yet).
    static bool SignalArrived();
    bool IsClosing() const { return closeRequested || closed; }

    void OnAppAbout();
    CMainFrame* GetMainWnd() const { return frame; }
    CZelkView* GetView() const { return view; }
    void SwapBuffers();

private:
    static void OnWindowClosed();
    void Shutdown();
    void WaitForEventOrTick();

    CZelkDoc* document = nullptr;
    CMainFrame* frame = nullptr;
    CZelkView* view = nullptr;
    CFramePacer pacer;
    bool closeRequested = false;
    bool closed = false;
    CDialogFrame* activeDialog = nullptr;
    // The keyboard through the input method, when one opened.
    std::unique_ptr<CInputMethod> keyboard;
};

extern CZelkApp theApp;
