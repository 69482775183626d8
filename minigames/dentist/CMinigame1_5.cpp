#include "minigames/dentist/CMinigame1_5.h"

#include <cmath>
#include <cstdlib>

#include "core/CModel.h"

using namespace FaxMachine;

namespace {

const MinigameSheet kSheet = {
    "fax_background.png", "faxOverlay.png", "minijeu1_5progress%d.png",
    "consigne1_5.png",    "Intro1_5.mp3",   CMinigame1_5::kMaximum,
    // The caption fades in along the bottom: the words go above the machine.
    kSubtitlesAtTop,
};
constexpr int kFlipFrames = 12;
// The caption fades in below the machine, not over its keys.
constexpr int kCaptionFromBottom = 80;
constexpr int kCaptionHold = 500;
constexpr CPoint kParked = {-100, -100};

struct Explanations {
    const char* names[kPartCount];
    constexpr Explanations() : names() {
        for (int i = 0; i < kPartCount; ++i) names[i] = kParts[i].explanation;
    }
};
constexpr Explanations kExplanations;

bool WithinBox(CPoint a, CPoint b, double w, double h) {
    return std::fabs(double(b.x - a.x)) < w && std::fabs(double(b.y - a.y)) < h;
}

}  // namespace

CMinigame1_5::CMinigame1_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_5.png"), shell(owner, minigameType, kSheet) {}

void CMinigame1_5::Start() {
    shell.SetCaption("Fax_Instruction.png");
    shell.overlayImage->SetScale(2.0f);  // drawn on the machine, pixel for pixel
    machineImage = new CClickableImage("faxMachine.png");
    machineImage->SetScale(2.0f);
    loadedMachineImage = new CClickableImage("faxMachine2.png");
    loadedMachineImage->SetScale(2.0f);
    keypadImage = new CClickableImage("keypad.png");
    keypadImage->SetScale(2.0f);
    documentImage = new CClickableImage("paper1.png");
    flipImage = new CClickableImage("paperFlip.png");
    selectedPart = -1;
    stagesDone = 0;
    flipFrames = 0;
    flipped = dragging = documentIn = keyedBeforeDocument = sent = false;
    numberStageDone = rightNumberRewarded = noticeToSay = false;
    numberStep = -1;
    notice = NOTICE_NONE;
    dialled.clear();
    for (bool& point : points) point = false;
}

void CMinigame1_5::Stop() {
    for (CClickableImage** image : {&machineImage, &loadedMachineImage, &keypadImage, &documentImage, &flipImage}) {
        delete *image;
        *image = nullptr;
    }
}

void CMinigame1_5::Place(int width, int height) {
    centre = CPoint(width / 2, height / 2);
    auto at = [this](Offset o) { return CPoint(centre.x + o.dx, centre.y + o.dy); };
    machineImage->SetPosition(centre.x, centre.y);
    shell.overlayImage->SetPosition(centre.x, centre.y);
    shell.instructionImage->SetPosition(centre.x, height - kCaptionFromBottom);
    loadedMachineImage->SetPosition(centre.x, centre.y);
    keypadImage->SetPosition(at(kParts[PART_KEYPAD].at).x, at(kParts[PART_KEYPAD].at).y);
    for (int i = 0; i < kPartCount; ++i) partLocations[i] = at(kParts[i].at);
    for (int i = 0; i < kKeyCount; ++i) keyLocations[i] = at(kKeys[i].at);
    for (int i = 0; i < kSignKeyCount; ++i) signKeyLocations[i] = at(kSignKeys[i].key.at);
    sendLocation = at(kSendKey);
    stopLocation = at(kStopKey);
    feederLocation = at(kFeeder);
    displayLocation = at(kDisplay);
    const CPoint document = documentIn ? feederLocation : at(kDocumentStart);
    if (!dragging) documentImage->SetPosition(document.x, document.y);
    flipImage->SetPosition(at(kDocumentStart).x, at(kDocumentStart).y);
}

bool CMinigame1_5::closeEnough(CPoint a, CPoint b) { return WithinBox(a, b, 130.0, 20.0); }
bool CMinigame1_5::onControlKey(CPoint key, CPoint click) {
    return std::abs(click.x - key.x) < kControlKeyHalfWidth && click.y - key.y > kControlKeyTop &&
           click.y - key.y < kControlKeyBottom;
}
bool CMinigame1_5::dialCloseEnough(CPoint a, CPoint b) { return WithinBox(a, b, 20.0, 20.0); }
bool CMinigame1_5::closeEnoughToKeypad(CPoint a, CPoint b) { return WithinBox(a, b, 100.0, 100.0); }

// One more stage done, in whatever order: the strip shows how far.
void CMinigame1_5::StageDone() {
    ++stagesDone;
    shell.SetProgress(stagesDone + 2);
}

// The first thing done on the machine: the document is turned face down,
// the side the feeder reads.
void CMinigame1_5::Flip() {
    flipped = true;
    flipFrames = kFlipFrames;
    const CPoint at = documentImage->GetPosition();
    delete documentImage;
    documentImage = new CClickableImage("paper2.png");
    documentImage->SetPosition(at.x, at.y);
    model->PlaySoundFile("comic1.mp3", true);
    model->RewardUser();
    StageDone();
}

void CMinigame1_5::OnSheetClick(CPoint point) {
    selectedPart =
        shell.ExploreTargets(point, partLocations, kPartCount, selectedPart, closeEnough, kExplanations.names);
}

void CMinigame1_5::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    OnResume();
}

void CMinigame1_5::OnResume() {
    selectedPart = -1;
    shell.crosshairs->SetPosition(kParked);
}

// Face down and not yet in: the document can be slid.
void CMinigame1_5::OnPress(CPoint point) {
    if (!flipped || documentIn || sent || !documentImage->HitTest(point)) return;
    dragging = true;
    const CPoint at = documentImage->GetPosition();
    grab = CPoint(at.x - point.x, at.y - point.y);
}

bool CMinigame1_5::OnDrag(CPoint point) {
    if (!dragging) return false;
    documentImage->SetPosition(point.x + grab.x, point.y + grab.y);
    return true;
}

bool CMinigame1_5::OnRelease(CPoint point) {
    if (!dragging) return false;
    dragging = false;
    const CPoint at(point.x + grab.x, point.y + grab.y);
    if (closeEnoughToKeypad(at, feederLocation)) {
        documentIn = true;  // the feeder takes it in
        if (notice == NOTICE_NO_DOCUMENT) notice = NOTICE_NONE;
        documentImage->SetPosition(feederLocation.x, feederLocation.y);
        model->PlaySoundFile("close.mp3", true);
        StageDone();
    } else {
        documentImage->SetPosition(at.x, at.y);
    }
    return true;
}

bool CMinigame1_5::OnPlayMove(CPoint point) const {
    bool hand = (!documentIn && documentImage->HitTest(point)) || onControlKey(sendLocation, point) ||
                onControlKey(stopLocation, point);
    for (const CPoint& key : keyLocations) hand = hand || dialCloseEnough(point, key);
    for (const CPoint& key : signKeyLocations) hand = hand || dialCloseEnough(point, key);
    return hand;
}

// The sheet lies on the machine, pixel for pixel.
void CMinigame1_5::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    shell.overlayImage->Draw();
}

void CMinigame1_5::DrawPlay(int, int) {
    DrawMachine(false);
    shell.FadeInAndOut(shell.instructionImage, kCaptionHold);
    // After the wrong number's cross and sound: what was wrong, in words.
    if (noticeToSay) {
        noticeToSay = false;
        shell.Say(kNotices[notice].recording);
    }
}
