#include "minigames/dentist/CMinigame1_5.h"

#include <GL/freeglut.h>

#include <cmath>
#include <vector>

#include "core/CModel.h"

using namespace FaxMachine;

namespace {

const MinigameSheet kSheet = {
    "fax_background.png", "faxOverlay.png",   "minijeu1_5progress%d.png",
    "consigne1_5.png",    "Intro1_5.mp3",     CMinigame1_5::kMaximum,
};
constexpr int kFlipFrames = 12;
// The caption fades in below the machine, not over its keys.
constexpr int kCaptionFromBottom = 80;
constexpr int kCaptionHold = 500;

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

void CMinigame1_5::Load() {
    shell.Load("Fax_Instruction.png");
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
    flipped = dragging = documentIn = keyedBeforeDocument = false;
    dialled.clear();
    for (bool& point : points) point = false;
    needsLoad = false;
}

void CMinigame1_5::Unload() {
    shell.Unload();
    for (CClickableImage** image : {&machineImage, &loadedMachineImage, &keypadImage, &documentImage, &flipImage}) {
        delete *image;
        *image = nullptr;
    }
    needsLoad = true;
}

void CMinigame1_5::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame1_5::LoadButtonLocations(int width, int height) {
    centre = CPoint(width / 2, height / 2);
    auto at = [this](Offset o) { return CPoint(centre.x + o.dx, centre.y + o.dy); };
    machineImage->SetPosition(centre.x, centre.y);
    shell.overlayImage->SetPosition(centre.x, centre.y);
    if (shell.instructionImage) shell.instructionImage->SetPosition(centre.x, height - kCaptionFromBottom);
    loadedMachineImage->SetPosition(centre.x, centre.y);
    keypadImage->SetPosition(at(kParts[PART_KEYPAD].at).x, at(kParts[PART_KEYPAD].at).y);
    for (int i = 0; i < kPartCount; ++i) partLocations[i] = at(kParts[i].at);
    for (int i = 0; i < kKeyCount; ++i) keyLocations[i] = at(kKeys[i].at);
    sendLocation = at(kSendKey);
    feederLocation = at(kFeeder);
    displayLocation = at(kDisplay);
    const CPoint document = documentIn ? feederLocation : at(kDocumentStart);
    if (!dragging) documentImage->SetPosition(document.x, document.y);
    flipImage->SetPosition(at(kDocumentStart).x, at(kDocumentStart).y);
}

bool CMinigame1_5::closeEnough(CPoint a, CPoint b) { return WithinBox(a, b, 130.0, 20.0); }
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

void CMinigame1_5::Dial(int key) {
    if (static_cast<int>(dialled.size()) >= kDigitCount) return;
    if (!documentIn) keyedBeforeDocument = true;
    dialled += kKeys[key].digit;
    model->PlaySoundFile(kKeys[key].sound, true);
    if (static_cast<int>(dialled.size()) < kDigitCount) return;
    StageDone();
    if (dialled == kNumber) model->RewardUser();
}

void CMinigame1_5::Send() {
    points[0] = true;
    points[1] = documentIn;
    points[2] = dialled == kNumber;
    points[3] = static_cast<int>(dialled.size()) == kDigitCount && !keyedBeforeDocument;
    int count = 0;
    for (bool point : points) count += point ? 1 : 0;
    shell.resultsPanel->SetCompte(count);
    model->PlaySoundFile("chime.mp3", true);
    if (count == kMaximum) {
        shell.EnterResults();
    } else {
        shell.EnterReview();
    }
}

// A click in play that is not on a standard button: the document, a key
// or the send key.
void CMinigame1_5::PlayGame(CPoint point) {
    if (!flipped && documentImage->HitTest(point)) {
        Flip();
        return;
    }
    if (dialCloseEnough(point, sendLocation)) {
        Send();
        return;
    }
    for (int i = 0; i < kKeyCount; ++i) {
        if (dialCloseEnough(point, keyLocations[i])) {
            Dial(i);
            return;
        }
    }
}

void CMinigame1_5::OnLButtonDown(CPoint point) {
    if (needsLoad || shell.phase != PhasePlay) return;
    // Face down and not yet in: the document can be slid.
    if (flipped && !documentIn && documentImage->HitTest(point)) {
        dragging = true;
        const CPoint at = documentImage->GetPosition();
        grab = CPoint(at.x - point.x, at.y - point.y);
    }
}

void CMinigame1_5::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (dragging) {
        documentImage->SetPosition(point.x + grab.x, point.y + grab.y);
        model->SetCursor(CURSOR_HAND);
        return;
    }
    if (shell.OnMouseMove(point)) return;
    bool hand = false;
    if (shell.phase == PhasePlay) {
        hand = (!documentIn && documentImage->HitTest(point)) || dialCloseEnough(point, sendLocation);
        for (const CPoint& key : keyLocations) hand = hand || dialCloseEnough(point, key);
    } else if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) {
        for (const CPoint& part : partLocations) hand = hand || closeEnough(point, part);
    }
    model->SetCursor(hand ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame1_5::OnLButtonUp(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    if (dragging) {
        dragging = false;
        const CPoint at(point.x + grab.x, point.y + grab.y);
        if (closeEnoughToKeypad(at, feederLocation)) {
            documentIn = true;  // the feeder takes it in
            documentImage->SetPosition(feederLocation.x, feederLocation.y);
            model->PlaySoundFile("close.mp3", true);
            StageDone();
        } else {
            documentImage->SetPosition(at.x, at.y);
        }
        return;
    }
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) {
                    shell.SetProgress(2);
                    model->PlaySoundFile("beep.mp3", true);
                }
                shell.phase = PhasePlay;
                selectedPart = -1;
                shell.crosshairs->SetPosition(CPoint(-100, -100));
            } else {
                selectedPart = shell.ExploreTargets(point, partLocations, kPartCount, selectedPart, closeEnough,
                                                    kExplanations.names);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults();
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

// The machine's screen: the digits dialled so far, or "Prêt".
void CMinigame1_5::DrawDisplay() {
    const std::string text = dialled.empty() ? "Pr\xEAt" : dialled;  // Latin-1, as GLUT draws it
    const int width = glutBitmapLength(GLUT_BITMAP_9_BY_15, reinterpret_cast<const unsigned char*>(text.c_str()));
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.18f, 0.29f, 0.16f, 1.0f);
    model->DrawText(static_cast<float>(displayLocation.x - width / 2), static_cast<float>(displayLocation.y + 5),
                    GLUT_BITMAP_9_BY_15, text.c_str());
    glEnable(GL_TEXTURE_2D);
}

// The review: a stamp on each thing done right (the send key, the feeder,
// the screen for the number, the keypad for keying after the document).
void CMinigame1_5::DrawReview() {
    const CPoint spots[kMaximum] = {sendLocation, feederLocation, displayLocation, partLocations[PART_KEYPAD]};
    std::vector<CPoint> stamped;
    for (int i = 0; i < kMaximum; ++i) {
        if (points[i]) stamped.push_back(spots[i]);
    }
    shell.DrawMarks(stamped);
}

void CMinigame1_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    if (shell.phase != PhaseResults) {
        (documentIn ? loadedMachineImage : machineImage)->Draw();
        keypadImage->Draw();
        DrawDisplay();
        if (flipFrames > 0) {
            --flipFrames;
            flipImage->Draw();
        } else if (!documentIn) {
            documentImage->Draw();
        }
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            model->FillDarkQuad(width, height);
            shell.overlayImage->Draw();
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            shell.FadeInAndOut(shell.instructionImage, kCaptionHold);
            break;
        case PhaseReview:
            DrawReview();
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
