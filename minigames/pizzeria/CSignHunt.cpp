#include "minigames/pizzeria/CSignHunt.h"

#include <algorithm>
#include <vector>

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "scenes/ReferenceLayout.h"

using namespace Signs;

namespace {

MinigameSheet SheetOf(const Deck& deck) {
    // The lower row of signs stands on the street, at the bottom edge.
    return {deck.background, deck.overlay, deck.progressStrip, deck.taskCard, deck.intro, CSignHunt::kMaximum,
            kSubtitlesAtTop};
}

}  // namespace

CSignHunt::CSignHunt(CModel* owner, MinigameType type, const Deck& signDeck)
    : shell(owner, type, SheetOf(signDeck)), model(owner), deck(signDeck) {
    GameRandom::Seed();
    for (int i = 0; i < kSignCount; ++i) slotOfSign[i] = i;
}

void CSignHunt::Load() {
    shell.Load(nullptr);
    for (int i = 0; i < kSignCount; ++i) {
        signImages[i] = new CClickableImage(deck.signs[i].picture);
        signImages[i]->SetScale(kSignScale);
        if (deck.signs[i].caption) {
            captionImages[i] = new CClickableImage(deck.signs[i].caption);
            captionImages[i]->SetScale(2.0f);
        }
        missed[i] = false;
    }
    bubbleImage = new CClickableImage(kBubble);
    bubbleImage->SetScale(kBubbleScale);
    step = 0;
    stepFailed = false;
    messagePlayed = false;
    Shuffle();
}

void CSignHunt::Unload() {
    shell.Unload();
    for (int i = 0; i < kSignCount; ++i) {
        Release(signImages[i]);
        Release(captionImages[i]);
    }
    Release(bubbleImage);
}

void CSignHunt::LoadButtonLocations(int width, int height) {
    using namespace ReferenceLayout;
    for (int slot = 0; slot < kSignCount; ++slot) {
        slotLocations[slot] = CPoint(ScaleX(width, kSlotX[slot % kSlotColumns] / double(kWidth)),
                                     ScaleY(height, kSlotY[slot / kSlotColumns] / double(kHeight)));
    }
    bubbleLocation = CPoint(ScaleX(width, kBubbleX / double(kWidth)), ScaleY(height, kBubbleY / double(kHeight)));
    captionLocation = CPoint(ScaleX(width, kCaptionX / double(kWidth)), ScaleY(height, kCaptionY / double(kHeight)));
    PlaceSigns();
}

void CSignHunt::PlaceSigns() {
    for (int i = 0; i < kSignCount; ++i) {
        if (signImages[i] == nullptr) continue;
        const CPoint at = slotLocations[slotOfSign[i]];
        signImages[i]->SetPosition(at.x, at.y);
    }
}

void CSignHunt::Shuffle() {
    int before[kSignCount];
    std::copy(slotOfSign, slotOfSign + kSignCount, before);
    do {
        for (int i = kSignCount - 1; i > 0; --i) std::swap(slotOfSign[i], slotOfSign[GameRandom::Below(i + 1)]);
    } while (std::equal(slotOfSign, slotOfSign + kSignCount, before));
    PlaceSigns();
}

int CSignHunt::SignAt(CPoint point) const {
    for (int i = 0; i < kSignCount; ++i)
        if (signImages[i] && signImages[i]->HitTest(point)) return i;
    return -1;
}

void CSignHunt::PlayGame(CPoint point) {
    const int sign = SignAt(point);
    if (sign < 0 || step >= kSignCount) return;  // a click beside every sign chooses nothing
    if (sign != step) {
        stepFailed = true;
        missed[step] = true;
        shell.WrongAnswer(point);
        shell.PauseInput();
        return;
    }
    if (!stepFailed) shell.ScorePoint();
    ++step;
    stepFailed = false;
    messagePlayed = false;
    if (step == kSignCount) {
        FinishGame();
        return;
    }
    shell.SetProgress(step + 2);
    Shuffle();
}

void CSignHunt::FinishGame() {
    model->PlaySoundFile("beep.mp3", false);
    if (std::none_of(missed, missed + kSignCount, [](bool m) { return m; })) {
        shell.EnterResults();
        return;
    }
    // The review shows the signs in the deck's order, the missed ones stamped.
    for (int i = 0; i < kSignCount; ++i) slotOfSign[i] = i;
    PlaceSigns();
    shell.EnterReview();
}

bool CSignHunt::OnLButtonUp(CPoint point) {
    if (shell.IsPaused()) return false;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return false;
        case CORNER_EXIT: return true;
        case CORNER_HELP: messagePlayed = false; return false;
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
                messagePlayed = false;
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                stepFailed = true;  // the instructions cost this sign its point
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview: {
            if (shell.playButton->HitTest(point)) {
                shell.EnterResults();
                break;
            }
            const int sign = SignAt(point);  // a sign clicked says its meaning again
            if (sign >= 0) model->PlaySoundFile(deck.signs[sign].narration, true);
            break;
        }
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return false;
}

void CSignHunt::OnMouseMove(CPoint point) {
    if (shell.IsPaused() || shell.OnMouseMove(point)) return;
    const bool onSign = (shell.phase == PhasePlay || shell.phase == PhaseReview) && SignAt(point) >= 0;
    model->SetCursor(onSign ? CURSOR_HAND : CURSOR_ARROW);
}

void CSignHunt::DrawSigns() {
    for (CClickableImage* sign : signImages) sign->Draw();
}

void CSignHunt::DrawBubble() {
    bubbleImage->SetPosition(bubbleLocation.x, bubbleLocation.y);
    bubbleImage->Draw();
    if (step >= kSignCount || captionImages[step] == nullptr) return;
    captionImages[step]->SetPosition(captionLocation.x, captionLocation.y);
    captionImages[step]->Draw();
}

void CSignHunt::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            DrawSigns();
            DrawBubble();
            if (!messagePlayed) {
                model->PlaySoundFile(deck.signs[step].narration, true);
                messagePlayed = true;
            }
            break;
        case PhaseReview: {
            shell.playButton->Draw();
            DrawSigns();
            std::vector<CPoint> marks;
            for (int i = 0; i < kSignCount; ++i)
                if (missed[i]) marks.push_back(GetSignLocation(i));
            shell.DrawMarks(marks);
            break;
        }
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
