#include "ui/CToggleButton.h"

#include "core/CModel.h"
#include "ui/CornerLayout.h"

CToggleButton::CToggleButton(const char* onFile, const char* offFile, std::function<bool()> off)
    : isOff(std::move(off)),
      onFace(new CCustomButton(onFile, "button_questionmark_light.png")),
      offFace(new CCustomButton(offFile, "button_questionmark_light.png")) {
    SetScale(CornerLayout::kScale);
}

CToggleButton::~CToggleButton() {
    delete onFace;
    delete offFace;
}

void CToggleButton::Draw() { (isOff() ? offFace : onFace)->Draw(); }

void CToggleButton::SetPosition(int x, int y) {
    onFace->SetPosition(x, y);
    offFace->SetPosition(x, y);
}

void CToggleButton::SetScale(float scale) {
    onFace->SetScale(scale);
    offFace->SetScale(scale);
}

void CToggleButton::SetLight(bool on) {
    onFace->SetLight(on);
    offFace->SetLight(on);
}

CToggleButton* NewMuteButton(const CModel* model) {
    return new CToggleButton("button_mute.png", "button_muted.png", [model] { return model->IsMuted(); });
}

CToggleButton* NewSlowSpeechButton(const CModel* model) {
    return new CToggleButton("button_slow_on.png", "button_slow.png", [model] { return !model->SlowSpeech(); });
}

CToggleButton* NewSubtitleButton(const CModel* model) {
    return new CToggleButton("button_subtitles.png", "button_subtitles_off.png",
                             [model] { return !model->SubtitlesOn(); });
}
