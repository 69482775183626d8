#include "ui/CMuteButton.h"

#include "core/CModel.h"

CMuteButton::CMuteButton(const CModel* owner)
    : model(owner),
      soundOn(new CCustomButton("button_mute.png", "button_questionmark_light.png")),
      soundOff(new CCustomButton("button_muted.png", "button_questionmark_light.png")) {}

CMuteButton::~CMuteButton() {
    delete soundOn;
    delete soundOff;
}

void CMuteButton::Draw() { (model->IsMuted() ? soundOff : soundOn)->Draw(); }

void CMuteButton::SetPosition(int x, int y) {
    soundOn->SetPosition(x, y);
    soundOff->SetPosition(x, y);
}

void CMuteButton::SetScale(float scale) {
    soundOn->SetScale(scale);
    soundOff->SetScale(scale);
}

void CMuteButton::SetLight(bool on) {
    soundOn->SetLight(on);
    soundOff->SetLight(on);
}
