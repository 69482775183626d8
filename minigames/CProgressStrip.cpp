#include "minigames/CProgressStrip.h"

#include "app/CString.h"

namespace {
constexpr int kY = 38;
constexpr int kStepGap = 40;
constexpr float kScale = 2.0f;
}  // namespace

void CProgressStrip::Load(const char* stripPattern) {
    pattern = stripPattern;
    missedImage = new CClickableImage("strip_missed.png");
    missedImage->SetScale(kScale);
    for (bool& step : missed) step = false;
    steps = 0;
}

void CProgressStrip::Unload() {
    delete image;
    delete missedImage;
    image = missedImage = nullptr;
}

void CProgressStrip::Set(int n) {
    shown = n;
    delete image;
    image = new CClickableImage(CString::Format(pattern, n));
    image->SetScale(kScale);
    image->SetPosition(middleX, kY);
}

void CProgressStrip::MissStep(int step, int stripSteps) {
    if (step < 0 || step >= kMostSteps || stripSteps > kMostSteps) return;
    missed[step] = true;
    steps = stripSteps;
}

CPoint CProgressStrip::StepAt(int step, int stripSteps) const {
    return CPoint(middleX + kStepGap * step - kStepGap * (stripSteps - 1) / 2, kY);
}

void CProgressStrip::Place(int width) {
    middleX = width / 2;
    if (image) image->SetPosition(middleX, kY);
}

void CProgressStrip::Draw() {
    if (image) image->Draw();
    for (int step = 0; step < steps; ++step) {
        if (!missed[step] || missedImage == nullptr) continue;
        const CPoint at = StepAt(step);
        missedImage->SetPosition(at.x, at.y);
        missedImage->Draw();
    }
}
