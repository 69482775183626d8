#include "ui/CCustomButton.h"

CCustomButton::CCustomButton(const char* normalFile, const char* litFile)
    : normalImage(new CClickableImage(normalFile)), litImage(new CClickableImage(litFile)) {}

CCustomButton::~CCustomButton() {
    delete normalImage;
    delete litImage;
}

void CCustomButton::Draw() {
    if (pressed) lit = true;
    if (lit) {
        litImage->Draw();
    } else {
        normalImage->Draw();
    }
    if (!dualImage) normalImage->Draw();
}

void CCustomButton::SetPosition(int x, int y) {
    normalImage->SetPosition(x, y);
    litImage->SetPosition(x, y);
}

void CCustomButton::SetScale(float scale) {
    normalImage->SetScale(scale);
    litImage->SetScale(scale);
}
