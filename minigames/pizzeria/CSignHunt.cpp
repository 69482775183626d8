#include "minigames/pizzeria/CSignHunt.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <string>

#include "app/BitmapText.h"
#include "app/Latin1.h"
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

void* const kMeaningFont = GLUT_BITMAP_HELVETICA_12;

}  // namespace

CSignHunt::CSignHunt(CModel* owner, MinigameType type, const char* icon, const Deck& signDeck)
    : CAbstractMinigame(owner, type, icon), shell(owner, type, SheetOf(signDeck)), deck(signDeck) {
    GameRandom::Seed();
    for (int i = 0; i < kSignCount; ++i) slotOfSign[i] = i;
}

void CSignHunt::Start() {
    for (int i = 0; i < kSignCount; ++i) {
        signImages[i] = Picture(deck.signs[i].picture, kSignScale);
        if (deck.signs[i].caption) captionImages[i] = Picture(deck.signs[i].caption, 2.0f);
        missed[i] = false;
    }
    bubbleImage = Picture(kBubble, kBubbleScale);
    step = 0;
    stepFailed = false;
    messagePlayed = false;
    Shuffle();
}

void CSignHunt::Stop() {
    for (int i = 0; i < kSignCount; ++i) {
        Release(signImages[i]);
        Release(captionImages[i]);
    }
    Release(bubbleImage);
}

void CSignHunt::Place(int width, int height) {
    using namespace ReferenceLayout;
    for (int slot = 0; slot < kSignCount; ++slot) {
        slotLocations[slot] = CPoint(ScaleX(width, kSlotX[slot % kSlotColumns] / double(kWidth)),
                                     ScaleY(height, kSlotY[slot / kSlotColumns] / double(kHeight)));
    }
    bubbleLocation = CPoint(ScaleX(width, kBubbleX / double(kWidth)), ScaleY(height, kBubbleY / double(kHeight)));
    captionLocation = CPoint(ScaleX(width, kCaptionX / double(kWidth)), ScaleY(height, kCaptionY / double(kHeight)));
    PlaceSigns();
}

CPoint CSignHunt::GetSignLocation(int sign) const { return slotLocations[slotOfSign[sign]]; }

CPoint CSignHunt::GetReviewLocation(int sign) const {
    using namespace ReferenceLayout;
    return CPoint(ScaleX(viewWidth, kSlotX[sign % kSlotColumns] / double(kWidth)),
                  ScaleY(viewHeight, kReviewY[sign / kSlotColumns] / double(kHeight)));
}

CPoint CSignHunt::GetReviewMarkLocation(int sign) const {
    const CPoint at = GetReviewLocation(sign);
    return CPoint(at.x + kReviewMarkDx, at.y);
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

void CSignHunt::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    messagePlayed = false;
}

Verdict CSignHunt::Judge(CPoint point) {
    const int sign = SignAt(point);
    if (sign < 0) return Verdict::None;  // a click beside every sign chooses nothing
    if (sign != step) {
        stepFailed = true;
        missed[step] = true;
        return Verdict::Wrong;
    }
    const bool earned = !stepFailed;
    if (!earned) shell.MissStep(step, kSignCount);
    ++step;
    stepFailed = false;
    messagePlayed = false;
    if (step == kSignCount) {
        model->PlaySoundFile("beep.mp3", false);
    } else {
        shell.SetProgress(step + 2);
        Shuffle();
    }
    return earned ? Verdict::Right : Verdict::RightNoPoint;
}

bool CSignHunt::AnyMissed() const { return std::any_of(missed, missed + kSignCount, [](bool m) { return m; }); }

void CSignHunt::DrawBubble() {
    bubbleImage->SetPosition(bubbleLocation.x, bubbleLocation.y);
    bubbleImage->Draw();
    if (step >= kSignCount || captionImages[step] == nullptr) return;
    captionImages[step]->SetPosition(captionLocation.x, captionLocation.y);
    captionImages[step]->Draw();
}

void CSignHunt::DrawPlay(int, int) {
    for (CClickableImage* sign : signImages) sign->Draw();
    if (Finished()) return;
    DrawBubble();
    if (!messagePlayed) {
        shell.Say(deck.signs[step].narration);
        messagePlayed = true;
    }
}

// The ten signs in the deck's order, the first at the top left, each with
// its meaning under it and its mark beside it: the missed ones' meanings are
// the right answers the learner did not find.
void CSignHunt::DrawReview(int, int) {
    for (int i = 0; i < kSignCount; ++i) {
        const CPoint at = GetReviewLocation(i);
        signImages[i]->SetScale(kReviewSignScale);
        signImages[i]->SetPosition(at.x, at.y);
        signImages[i]->Draw();
        if (missed[i]) {
            shell.MarkMissed(GetReviewMarkLocation(i));
        } else {
            shell.MarkRight(GetReviewMarkLocation(i));
        }
    }
    glDisable(GL_TEXTURE_2D);
    for (int i = 0; i < kSignCount; ++i) {
        const std::string meaning = Latin1FromUtf8(deck.signs[i].meaning);
        const int half = BitmapText::Width(kMeaningFont, meaning) / 2;
        const CPoint at = GetReviewLocation(i);
        const int baseline = at.y + kReviewMeaningDy;
        glColor4f(1.0f, 0.99f, 0.94f, 0.9f);  // a plate, so the words read over the street
        glRecti(at.x - half - 6, baseline - 14, at.x + half + 6, baseline + 6);
        glColor4f(missed[i] ? 0.72f : 0.1f, 0.1f, 0.1f, 1.0f);
        model->DrawText(float(at.x - half), float(baseline), kMeaningFont, meaning.c_str());
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CSignHunt::OnReviewClick(CPoint point) {
    const int sign = SignAt(point);  // a sign clicked says its meaning again
    if (sign >= 0) model->PlaySoundFile(deck.signs[sign].narration, true);
}
