#include "minigames/dentist/CMinigame1_8.h"

#include <GL/freeglut.h>

#include <cmath>

#include "app/Latin1.h"
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

// The chart stands over a near-black desk: the shell darkens once more.
constexpr int kChartDarkLayers = 9;
// The review: a row per call down the middle, its mark on the left.
constexpr int kReviewLeft = -330;
constexpr int kReviewTop = -165;
constexpr int kReviewRowHeight = 66;
constexpr int kReviewMarkDx = -44;

}  // namespace

CMinigame1_8::CMinigame1_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_8.png"), shell(owner, minigameType, kSheet) {}

void CMinigame1_8::Start() {
    shell.SetCaption(kCalls[0].picture);
    messageIndex = 0;
    for (bool& f : failed) f = false;
    for (std::string& digits : lostDigits) digits.clear();
    currentMessage = kCalls[0].recording;
    messagePlayed = true;  // the intro the shell speaks ends on the first call
    feedbackFirst = false;
    selectedKey = -1;
    StartCall();
}

void CMinigame1_8::Place(int width, int height) {
    for (int i = 0; i < kKeyCount; ++i) {
        keyTargets[i] = CPoint(static_cast<int>(width * (kKeys[i].x / double(TelephoneKeypad::kReferenceWidth))),
                               static_cast<int>(height * (kKeys[i].y / double(TelephoneKeypad::kReferenceHeight))));
    }
    for (int i = 0; i < kCallCount; ++i)
        reviewRows[i] = CPoint(width / 2 + kReviewLeft, height / 2 + kReviewTop + kReviewRowHeight * i);
}

CPoint CMinigame1_8::GetReviewMark(int call) const {
    return CPoint(reviewRows[call].x + kReviewMarkDx, reviewRows[call].y);
}

void CMinigame1_8::StartCall() {
    dialled.clear();
    expected = messageIndex < kCallCount ? Extension(messageIndex) : "";
}

bool CMinigame1_8::closeEnough(CPoint a, CPoint b) {
    return std::hypot(double(b.x - a.x), double(b.y - a.y)) < 20.0;
}

bool CMinigame1_8::OnDigit(CPoint point) const {
    for (int key = 0; key < kDigitCount; ++key)
        if (closeEnough(point, keyTargets[key])) return true;
    return false;
}

// A key dialled: the whole extension earns the point and puts the call
// through; a digit that breaks it loses the call.
Verdict CMinigame1_8::Judge(CPoint point) {
    for (int key = 0; key < kKeyCount; ++key) {
        if (!closeEnough(point, keyTargets[key])) continue;
        dialled += kKeys[key].symbol;
        model->PlaySoundFile(kKeys[key].sound, false);
        if (dialled == expected) {
            NextMessage();
            return Verdict::Right;
        }
        // A beginning of the extension: the learner goes on dialling.
        if (expected.compare(0, dialled.size(), dialled) == 0) return Verdict::None;
        failed[messageIndex] = true;
        shell.MissStep(messageIndex, kCallCount);
        lostDigits[messageIndex] = dialled;
        model->StopSoundFile();  // the key's tone gives way to the error
        shell.SetProgress(messageIndex + 2);  // the call is over; the next comes once the error is heard
        return Verdict::WrongMovesOn;
    }
    return Verdict::None;
}

void CMinigame1_8::NextMessage() {
    ++messageIndex;
    StartCall();
    const Call& call = kCalls[Finished() ? 0 : messageIndex];
    shell.SetCaption(call.picture);
    shell.SetProgress(messageIndex + 1);
    currentMessage = call.recording;
    messagePlayed = false;
    feedbackFirst = true;
}

bool CMinigame1_8::AnyMissed() const {
    for (bool f : failed)
        if (f) return true;
    return false;
}

// Help speaks the intro again; the call under way is heard after it (the
// first call is the intro's end).
void CMinigame1_8::OnHelp() {
    messagePlayed = messageIndex == 0;
    feedbackFirst = false;
}

void CMinigame1_8::OnInstructions() {
    selectedKey = -1;
    shell.crosshairs->SetPosition(CPoint(-800, -800));
}

void CMinigame1_8::OnSheetClick(CPoint point) {
    selectedKey = shell.ExploreTargets(point, keyTargets, kDigitCount, selectedKey, closeEnough, kExplorerSounds);
}

void CMinigame1_8::DrawUnderSheet(int width, int height) {
    for (int i = 0; i < kChartDarkLayers; ++i) model->FillDarkQuad(width, height);
}

void CMinigame1_8::DrawPlay(int width, int height) {
    shell.DrawCaption(width, height);
    if (Finished() || messagePlayed || (feedbackFirst && model->IsSoundPlaying())) return;
    shell.Say(currentMessage);
    messagePlayed = true;
    feedbackFirst = false;
}

// The six calls in order: who was asked for and the extension; the tick
// beside those put through, the cross beside those lost, with what was
// dialled.
void CMinigame1_8::DrawReview(int width, int height) {
    model->FillDarkQuad(width, height);
    model->FillDarkQuad(width, height);
    glDisable(GL_TEXTURE_2D);
    for (int i = 0; i < kCallCount; ++i) {
        const StaffMember& person = kStaff[kCalls[i].person];
        std::string words = "Appel " + std::to_string(i + 1) + " : " + person.name + ", poste " + person.extension;
        if (failed[i]) {
            words += "   (composé : " + lostDigits[i] + ")";
            glColor4f(1.0f, 0.55f, 0.45f, 1.0f);
        } else {
            glColor4f(0.95f, 0.95f, 0.95f, 1.0f);
        }
        model->DrawText(static_cast<float>(reviewRows[i].x), static_cast<float>(reviewRows[i].y + 6),
                        GLUT_BITMAP_HELVETICA_18, Latin1FromUtf8(words).c_str());
    }
    glEnable(GL_TEXTURE_2D);
    for (int i = 0; i < kCallCount; ++i) {
        if (failed[i]) {
            shell.MarkMissed(GetReviewMark(i));
        } else {
            shell.MarkRight(GetReviewMark(i));
        }
    }
}
