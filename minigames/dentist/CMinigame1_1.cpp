#include "minigames/dentist/CMinigame1_1.h"

#include <cmath>

#include "core/CModel.h"

using namespace AnsweringMachine;

namespace {

const MinigameSheet kSheet = {
    "phone_background.png", "phone_overlay.png", "minijeu1_1progress%d.png",
    "consigne1_1.png",      "Intro1_1.mp3",      CMinigame1_1::kMaximum,
};

// The explanations in key order, as the explorer wants them.
struct Explanations {
    const char* names[kKeyCount];
    constexpr Explanations() : names() {
        for (int i = 0; i < kKeyCount; ++i) names[i] = kKeys[i].explanation;
    }
};
constexpr Explanations kExplanations;

}  // namespace

CMinigame1_1::CMinigame1_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_1.png"), shell(owner, minigameType, kSheet) {}

void CMinigame1_1::Start() {
    shell.SetCaption(kSteps[0].caption);
    step = 0;
    messagePlayed = false;
    stepFailed = false;
    selectedButton = -1;
}

void CMinigame1_1::Place(int width, int height) {
    for (int i = 0; i < kKeyCount; ++i) {
        buttonLocations[i] = CPoint(static_cast<int>(width * (kKeys[i].x / double(kReferenceWidth))),
                                    static_cast<int>(height * (kKeys[i].y / double(kReferenceHeight))));
    }
}

bool CMinigame1_1::closeEnough(CPoint a, CPoint b) {
    return std::hypot(double(b.x - a.x), double(b.y - a.y)) < 20.0;
}

void CMinigame1_1::OnSheetClick(CPoint point) {
    selectedButton = shell.ExploreTargets(point, buttonLocations, kKeyCount, selectedButton, closeEnough,
                                          kExplanations.names);
}

void CMinigame1_1::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    selectedButton = -1;
}

void CMinigame1_1::OnInstructions() {
    selectedButton = -1;
    shell.crosshairs->SetPosition(CPoint(-800, -800));
}

Verdict CMinigame1_1::Judge(CPoint point) {
    if (!closeEnough(point, buttonLocations[kSteps[step].key])) {
        stepFailed = true;
        return Verdict::Wrong;
    }
    const bool earned = !stepFailed;
    if (!earned) shell.MissStep(step, kStepCount);
    ++step;
    if (step < kStepCount) {
        shell.SetCaption(kSteps[step].caption);
        shell.SetProgress(step + 2);
    } else {
        model->PlaySoundFile("beep.mp3", false);
    }
    stepFailed = false;
    messagePlayed = false;
    shell.RestartFade();
    return earned ? Verdict::Right : Verdict::RightNoPoint;
}

bool CMinigame1_1::OnPlayMove(CPoint point) const {
    for (const CPoint& key : buttonLocations) {
        if (closeEnough(point, key)) return true;
    }
    return false;
}

void CMinigame1_1::DrawPlay(int width, int height) {
    shell.DrawCaption(width, height);
    if (Finished() || messagePlayed) return;
    shell.Say(kSteps[step].message);
    messagePlayed = true;
}
