#include "minigames/dentist/CMinigame1_8.h"

#include <cmath>
#include <vector>

#include "core/CModel.h"

using namespace CallTransfers;
using namespace TelephoneKeypad;

namespace {

const MinigameSheet kSheet = {
    "phone_background.png", "organigramme_overlay.png", "minijeu1_8progress%d.png",
    "consigne1_8.png",      kIntro,                     CMinigame1_8::kMaximum,
    SubtitlePlace{},        nullptr,
    false,  // no intro sheet: the intro speaks over the first call
};

constexpr int kMessageHold = 500;
constexpr int kChartDarkLayers = 10;  // the chart stands over a near-black desk

}  // namespace

CMinigame1_8::CMinigame1_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_8.png"), shell(owner, minigameType, kSheet) {}

void CMinigame1_8::Load() {
    shell.Load(kCalls[0].picture);
    messageIndex = 0;
    for (bool& f : failed) f = false;
    currentMessage = kCalls[0].recording;
    messagePlayed = false;
    feedbackFirst = false;
    selectedKey = -1;
    StartCall();
    needsLoad = false;
}

void CMinigame1_8::Unload() {
    shell.Unload();
    needsLoad = true;
}

void CMinigame1_8::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame1_8::LoadButtonLocations(int width, int height) {
    for (int i = 0; i < kKeyCount; ++i) {
        keyTargets[i] = CPoint(static_cast<int>(width * (kKeys[i].x / double(TelephoneKeypad::kReferenceWidth))),
                               static_cast<int>(height * (kKeys[i].y / double(TelephoneKeypad::kReferenceHeight))));
    }
    for (int i = 0; i < kCallCount; ++i) slotTargets[i] = CPoint(width / 2 + kSlotOffsets[i], kSlotY);
}

void CMinigame1_8::StartCall() {
    dialled.clear();
    expected = messageIndex < kCallCount ? Extension(messageIndex) : "";
}

bool CMinigame1_8::closeEnough(CPoint a, CPoint b) {
    return std::hypot(double(b.x - a.x), double(b.y - a.y)) < 20.0;
}

void CMinigame1_8::PlayGame(CPoint point) {
    if (messageIndex >= kCallCount) return;
    for (int key = 0; key < kKeyCount; ++key) {
        if (!closeEnough(point, keyTargets[key])) continue;
        dialled += kKeys[key].symbol;
        model->PlaySoundFile(kKeys[key].sound, false);
        TestSolutions(point);
        return;
    }
}

void CMinigame1_8::TestSolutions(CPoint point) {
    if (dialled == expected) {
        shell.ScorePoint();
        NextMessage();
        return;
    }
    // A beginning of the extension: the learner goes on dialling.
    if (expected.compare(0, dialled.size(), dialled) == 0) return;
    shell.WrongAnswer(point, true);  // on the key that broke the extension; the caller is cut short
    failed[messageIndex] = true;
    shell.PauseInput();
    NextMessage();
}

void CMinigame1_8::NextMessage() {
    ++messageIndex;
    StartCall();
    const bool finished = messageIndex >= kCallCount;
    const Call& call = kCalls[finished ? 0 : messageIndex];
    shell.SetCaption(call.picture);
    shell.SetProgress(messageIndex + 1);
    currentMessage = call.recording;
    messagePlayed = false;
    feedbackFirst = true;
    if (!finished) return;
    bool anyFailed = false;
    for (bool f : failed) anyFailed = anyFailed || f;
    if (anyFailed) {
        shell.EnterReview();
    } else {
        shell.EnterResults(true);
    }
}

void CMinigame1_8::OnLButtonUp(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP:
            // During play the current call is heard again from the next
            // frame, right over the intro.
            if (shell.phase == PhasePlay) {
                messagePlayed = false;
                feedbackFirst = false;
            }
            return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro: break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                selectedKey = -1;
                shell.crosshairs->SetPosition(CPoint(-800, -800));
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            selectedKey = shell.ExploreTargets(point, keyTargets, kDigitCount, selectedKey, closeEnough,
                                               kExplorerSounds);
            if (shell.playButton->HitTest(point)) {
                selectedKey = -1;
                shell.phase = PhasePlay;
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(true);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame1_8::OnMouseMove(CPoint point) {
    model->SetCursor(CURSOR_ARROW);
    if (needsLoad) return;
    if (shell.OnMouseMove(point)) return;
    if (shell.phase == PhaseReview) return;
    for (int key = 0; key < kDigitCount; ++key) {
        if (closeEnough(point, keyTargets[key])) {
            model->SetCursor(CURSOR_HAND);
            return;
        }
    }
}

void CMinigame1_8::DrawFeedbackAnimation() {
    CPoint right[kCallCount];
    int count = 0;
    for (int i = 0; i < kCallCount; ++i)
        if (!failed[i]) right[count++] = slotTargets[i];
    shell.DrawMarks(std::vector<CPoint>(right, right + count));
}

void CMinigame1_8::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro: break;
        case PhasePlay:
            shell.consigneImage->Draw();
            shell.exitButton->Draw();
            shell.instructionButton->Draw();
            shell.helpButton->Draw();
            shell.instructionImage->SetPosition(width / 2, height / 2);
            shell.FadeInAndOut(shell.instructionImage, kMessageHold);
            if (!messagePlayed && !(feedbackFirst && model->IsSoundPlaying())) {
                model->PlaySoundFile(currentMessage, true);
                messagePlayed = true;
                feedbackFirst = false;
            }
            break;
        case PhaseInstructions:
            for (int i = 0; i < kChartDarkLayers; ++i) model->FillDarkQuad(width, height);
            shell.overlayImage->FillScreen(width, height);
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhaseReview:
            shell.playButton->Draw();
            DrawFeedbackAnimation();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    if (shell.phase == PhaseInstructions) {
        shell.DrawCornerButtons();
    } else {
        shell.DrawTop();
    }
}
