#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"

// A button of two pictures. By default the lit picture is an underlay that
// glows behind the normal one; with dual images exactly one of them shows.
// Its owner lights it and presses it; the button handles no input itself.
class CCustomButton {
public:
    CCustomButton(const char* normalFile, const char* litFile);
    ~CCustomButton();
    CCustomButton(const CCustomButton&) = delete;
    CCustomButton& operator=(const CCustomButton&) = delete;

    void Draw();
    // Only the normal picture is tested.
    bool HitTest(CPoint p) const { return normalImage->HitTest(p); }
    void SetPosition(int x, int y);
    CPoint GetPosition() const { return normalImage->GetPosition(); }
    void SetScale(float scale);
    void SetLight(bool on) { lit = on; }
    bool GetLight() const { return lit; }
    void SetDualImage(bool on) { dualImage = on; }
    // A press lights the button for good, until the owner unlights it.
    void SetIsPressed(bool on) { pressed = on; }
    bool IsPressed() const { return pressed; }

private:
    bool lit = false;
    bool dualImage = false;
    bool pressed = false;
    CClickableImage* normalImage;
    CClickableImage* litImage;
};
