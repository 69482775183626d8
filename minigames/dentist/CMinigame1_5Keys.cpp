// The fax machine's keys during play: the digits and the two signs dial,
// Arrêt clears the number, Envoi sends once there is something to send.
#include "core/CModel.h"
#include "minigames/dentist/CMinigame1_5.h"

using namespace FaxMachine;

void CMinigame1_5::Dial(const Key& key) {
    if (static_cast<int>(dialled.size()) >= kDigitCount) return;
    if (dialled.empty()) keyedBeforeDocument = !documentIn;
    notice = NOTICE_NONE;
    dialled += key.digit;
    model->PlaySoundFile(key.sound, true);
    if (static_cast<int>(dialled.size()) < kDigitCount) return;
    // The strip and the reward count a whole number once, however often it is keyed again.
    if (!numberStageDone) {
        numberStageDone = true;
        StageDone();
        numberStep = stagesDone - 1;
    }
    if (dialled == kNumber && !rightNumberRewarded) {
        rightNumberRewarded = true;
        model->RewardUser();
    }
}

// The screen is ready for a number again, keyed from its first digit.
void CMinigame1_5::ClearNumber() {
    notice = NOTICE_NONE;
    if (dialled.empty()) return;
    dialled.clear();
    keyedBeforeDocument = false;
    model->PlaySoundFile("beep.mp3", true);
}

// Shown on the screen and said at once.
void CMinigame1_5::Tell(Notice what) {
    notice = what;
    shell.Say(kNotices[what].recording);
}

// Envoi sends only what a machine can send: a document in its feeder, to a
// number keyed. It then judges the whole sending at once.
Verdict CMinigame1_5::Send() {
    if (!documentIn) {
        Tell(NOTICE_NO_DOCUMENT);
        return Verdict::None;
    }
    if (dialled.empty()) {
        Tell(NOTICE_NO_NUMBER);
        return Verdict::None;
    }
    points[POINT_SENT] = true;
    points[POINT_DOCUMENT_IN] = documentIn;
    points[POINT_NUMBER] = dialled == kNumber;
    points[POINT_ORDER] = static_cast<int>(dialled.size()) == kDigitCount && !keyedBeforeDocument;
    int count = 0;
    for (bool point : points) count += point ? 1 : 0;
    shell.resultsPanel->SetCompte(count);
    sent = true;
    // The flip, the feeder, the number and the sending: a number wrong, cut
    // short or keyed too soon shows on the step that took it, or on the
    // step it never reached.
    constexpr int kStripSteps = 4;
    if (!points[POINT_NUMBER] || !points[POINT_ORDER]) shell.MissStep(numberStageDone ? numberStep : stagesDone, kStripSteps);
    if (points[POINT_NUMBER]) {
        model->PlaySoundFile("chime.mp3", true);
        return Verdict::RightNoPoint;
    }
    // Sent elsewhere: the cross and its sound, then the words.
    notice = NOTICE_WRONG_NUMBER;
    noticeToSay = true;
    return Verdict::Wrong;
}

bool CMinigame1_5::AnyMissed() const { return shell.resultsPanel->GetCompte() < kMaximum; }

// A click of play: the document, a key, Arrêt or Envoi.
Verdict CMinigame1_5::Judge(CPoint point) {
    if (!flipped && documentImage->HitTest(point)) {
        Flip();
        return Verdict::None;
    }
    if (onControlKey(sendLocation, point)) return Send();
    if (onControlKey(stopLocation, point)) {
        ClearNumber();
        return Verdict::None;
    }
    for (int i = 0; i < kKeyCount; ++i) {
        if (dialCloseEnough(point, keyLocations[i])) Dial(kKeys[i]);
    }
    for (int i = 0; i < kSignKeyCount; ++i) {
        if (dialCloseEnough(point, signKeyLocations[i])) Dial(kSignKeys[i].key);
    }
    return Verdict::None;
}
