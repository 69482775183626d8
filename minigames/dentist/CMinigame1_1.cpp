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

void CMinigame1_1::Load() {
    shell.Load(kSteps[0].caption);
    currentMessage = kSteps[0].message;
    step = 0;
    messagePlayed = false;
    stepFailed = false;
    selectedButton = -1;
    needsLoad = false;
}

void CMinigame1_1::Unload() {
    shell.Unload();
    needsLoad = true;
}

void CMinigame1_1::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame1_1::LoadButtonLocations(int width, int height) {
    for (int i = 0; i < kKeyCount; ++i) {
        buttonLocations[i] = CPoint(static_cast<int>(width * (kKeys[i].x / double(kReferenceWidth))),
                                    static_cast<int>(height * (kKeys[i].y / double(kReferenceHeight))));
    }
}

bool CMinigame1_1::closeEnough(CPoint a, CPoint b) {
    return std::hypot(double(b.x - a.x), double(b.y - a.y)) < 20.0;
}

void CMinigame1_1::PlayHelpSounds() {
    if (selectedButton >= 0 && selectedButton < kKeyCount) {
        model->PlaySoundFile(kKeys[selectedButton].explanation, true);
    }
}

void CMinigame1_1::SelectKey(CPoint point) {
    selectedButton = shell.ExploreTargets(point, buttonLocations, kKeyCount, selectedButton, closeEnough,
                                          kExplanations.names);
}

void CMinigame1_1::PlayGame(CPoint point) {
    if (step >= kStepCount) return;
    if (!closeEnough(point, buttonLocations[kSteps[step].key])) {
        stepFailed = true;
        shell.WrongAnswer(point);
        shell.PauseInput();
        return;
    }
    ++step;
    if (step < kStepCount) {
        shell.SetCaption(kSteps[step].caption);
        shell.SetProgress(step + 2);
        currentMessage = kSteps[step].message;
    } else {
        model->PlaySoundFile("beep.mp3", false);
    }
    if (!stepFailed) shell.ScorePoint();
    stepFailed = false;
    messagePlayed = false;
    shell.RestartFade();
}

void CMinigame1_1::OnLButtonUp(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: messagePlayed = false; return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.SetProgress(2);
                model->PlaySoundFile("beep.mp3", true);
                selectedButton = -1;
            } else {
                SelectKey(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                selectedButton = -1;
                shell.crosshairs->SetPosition(CPoint(-800, -800));
                shell.phase = PhaseInstructions;
                stepFailed = true;  // the instructions cost this step its point
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            SelectKey(point);
            if (shell.playButton->HitTest(point)) {
                selectedButton = -1;
                shell.phase = PhasePlay;
            }
            break;
        case PhaseReview: break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame1_1::OnMouseMove(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    if (shell.OnMouseMove(point)) return;
    bool nearKey = false;
    if (shell.phase == PhasePlay || shell.phase == PhaseInstructions) {
        for (const CPoint& key : buttonLocations) nearKey = nearKey || closeEnough(point, key);
    }
    model->SetCursor(nearKey ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame1_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            if (shell.phase == PhaseIntro) shell.playButton->Draw();
            shell.crosshairs->Draw();
            if (shell.phase == PhaseInstructions) shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            shell.DrawCaption(width, height);
            if (step >= kStepCount) {
                shell.EnterResults();
                break;
            }
            if (!messagePlayed) {
                model->PlaySoundFile(currentMessage, true);
                messagePlayed = true;
            }
            break;
        case PhaseReview: break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
