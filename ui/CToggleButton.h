#pragma once
#include <functional>

#include "app/CPoint.h"
#include "ui/CCustomButton.h"

// A corner button for a setting that is on or off (sound, subtitles). It
// shows one face while the setting is on and another, struck through, while
// it is off, so a learner can see which it is; its owner lights it and
// tests it like any button.
class CToggleButton {
public:
    // isOff tells, at each draw, which face to show.
    CToggleButton(const char* onFile, const char* offFile, std::function<bool()> isOff);
    ~CToggleButton();
    CToggleButton(const CToggleButton&) = delete;
    CToggleButton& operator=(const CToggleButton&) = delete;

    void Draw();
    bool HitTest(CPoint p) const { return onFace->HitTest(p); }
    void SetPosition(int x, int y);
    CPoint GetPosition() const { return onFace->GetPosition(); }
    void SetScale(float scale);
    void SetLight(bool on);
    bool GetLight() const { return onFace->GetLight(); }

private:
    std::function<bool()> isOff;
    CCustomButton* onFace;
    CCustomButton* offFace;
};

class CModel;
// The sound on/off button: the speaker, or the speaker struck through.
CToggleButton* NewMuteButton(const CModel* model);
// The subtitles on/off button, beside it.
CToggleButton* NewSubtitleButton(const CModel* model);
// The slow voice button of the minigames: a snail, on gold
// while the voices are slowed.
CToggleButton* NewSlowSpeechButton(const CModel* model);
