#include "scenes/CCredits.h"

CCredits::~CCredits() {
    delete background;
    delete exitImage;
}

void CCredits::Load() {
    delete background;
    delete exitImage;
    background = new CClickableImage("CreditsBackground.png");
    exitImage = new CClickableImage("exit.png");
}

void CCredits::Draw(int width, int height) {
    if (background == nullptr) Load();
    background->SetPosition(width / 2, height / 2);
    background->Draw();
    exitImage->SetPosition(width - exitImage->GetWidth() / 2, height - exitImage->GetHeight() / 2);
    exitImage->Draw();
}

CreditsHit CCredits::HitTest(CPoint point) const {
    return exitImage && exitImage->HitTest(point) ? CREDITSHIT_EXIT : CREDITSHIT_NONE;
}
