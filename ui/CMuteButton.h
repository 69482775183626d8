#pragma once
#include "app/CPoint.h"
#include "ui/CCustomButton.h"

class CModel;

// The sound on/off corner button. It shows the speaker while sound is on
// and the speaker struck through while the game is muted, so a learner can
// see which it is; its owner lights it and tests it like any button.
class CMuteButton {
public:
    explicit CMuteButton(const CModel* model);
    ~CMuteButton();
    CMuteButton(const CMuteButton&) = delete;
    CMuteButton& operator=(const CMuteButton&) = delete;

    // The face that says what the model's mute is now.
    void Draw();
    bool HitTest(CPoint p) const { return soundOn->HitTest(p); }
    void SetPosition(int x, int y);
    CPoint GetPosition() const { return soundOn->GetPosition(); }
    void SetScale(float scale);
    void SetLight(bool on);
    bool GetLight() const { return soundOn->GetLight(); }

private:
    const CModel* model;
    CCustomButton* soundOn;   // "button_mute.png"
    CCustomButton* soundOff;  // "button_muted.png"
};
