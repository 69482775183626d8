#include "minigames/dentist/CGreetingCards.h"

#include <algorithm>
#include <cmath>

#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace Greetings;

namespace {

// The review's mark stands clear of the card's left edge (cards are 300 wide).
constexpr int kMarkDx = -186;

}  // namespace

CGreetingCards::CGreetingCards(CModel* owner, MinigameType type, const char* icon, const MinigameSheet& sheet,
                               const Language& cards, bool lightEvery)
    : CAbstractMinigame(owner, type, icon), shell(owner, type, sheet), language(cards), lightAll(lightEvery) {
    GameRandom::Seed();
}

void CGreetingCards::Start() {
    handedIn = false;
    // A new order each game: card k goes to the slot at place k of a shuffle.
    int slots[kCardCount];
    for (int i = 0; i < kCardCount; ++i) slots[i] = i;
    for (int i = kCardCount - 1; i > 0; --i) std::swap(slots[i], slots[GameRandom::Below(i + 1)]);
    acceptableSlots.clear();
    for (int card = 0; card < kCardCount; ++card) {
        const int slot = slots[card];
        cardInSlot[slot] = card;
        delete greetingButtons[slot];
        greetingButtons[slot] = new CCustomButton(kBlankCard, language.cards[card].picture);
        greetingButtons[slot]->SetScale(2.0f);
        greetingButtons[slot]->SetDualImage(true);
        greetingSounds[slot] = language.cards[card].recording;
        if (language.cards[card].acceptable) acceptableSlots.push_back(slot);
    }
    std::sort(acceptableSlots.begin(), acceptableSlots.end());
    delete acceptableLabel;
    acceptableLabel = new CClickableImage(kAcceptableTag);
    acceptableLabel->SetScale(2.0f);
    delete chosenLabel;
    chosenLabel = new CClickableImage(language.chosenTag);
    chosenLabel->SetScale(2.0f);
}

void CGreetingCards::Stop() {
    for (CCustomButton*& card : greetingButtons) {
        delete card;
        card = nullptr;
    }
    delete acceptableLabel;
    acceptableLabel = nullptr;
    delete chosenLabel;
    chosenLabel = nullptr;
}

int CGreetingCards::GetSlotOfCard(int card) const {
    for (int slot = 0; slot < kCardCount; ++slot)
        if (cardInSlot[slot] == card) return slot;
    return -1;
}

bool CGreetingCards::IsAcceptable(int slot) const {
    return std::find(acceptableSlots.begin(), acceptableSlots.end(), slot) != acceptableSlots.end();
}

void CGreetingCards::Place(int width, int height) {
    const int a = width / 3, b = height / 5;
    for (int slot = 0; slot < kCardCount; ++slot) {
        const int x = slot < 4 ? a - 20 : 2 * a - 30;
        slotTargets[slot] = CPoint(x, 40 + (slot % 4 + 1) * b);
        greetingButtons[slot]->SetPosition(slotTargets[slot].x, slotTargets[slot].y);
    }
    for (int i = 0; i < kExampleCount; ++i)
        exampleTargets[i] = CPoint(width / 2 + kExampleDx[i], height / 2 + kExampleDy[i]);
}

bool CGreetingCards::closeEnough(CPoint a, CPoint b) {
    return std::fabs(double(b.x - a.x)) < 150.0 && std::fabs(double(b.y - a.y)) < 50.0;
}

int CGreetingCards::Score() const {
    int right = 0, wrong = 0;
    for (int slot = 0; slot < kCardCount; ++slot) {
        if (!greetingButtons[slot]->IsPressed()) continue;
        ++(IsAcceptable(slot) ? right : wrong);
    }
    return std::max(0, right - wrong);
}

bool CGreetingCards::AnyMissed() const {
    for (int slot = 0; slot < kCardCount; ++slot)
        if (!IsSlotRight(slot)) return true;
    return false;
}

// A click presses or releases the cards under it; the play button hands
// them in, and the set pressed is what they earn.
Verdict CGreetingCards::Judge(CPoint point) {
    for (int slot = 0; slot < kCardCount; ++slot) {
        if (!closeEnough(point, slotTargets[slot])) continue;
        CCustomButton* card = greetingButtons[slot];
        card->SetIsPressed(!card->IsPressed());
        if (card->IsPressed()) model->PlaySoundFile("beep.mp3", false);
    }
    if (!shell.playButton->HitTest(point)) return Verdict::None;
    handedIn = true;
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + Score());
    shell.SetProgress(3);
    return Verdict::RightNoPoint;
}

void CGreetingCards::OnSheetClick(CPoint point) {
    for (int i = 0; i < kExampleCount; ++i)
        if (closeEnough(point, exampleTargets[i])) model->PlaySoundFile(language.examples[i].recording, true);
}

void CGreetingCards::OnPlayStart() {
    shell.SetProgress(2);
    shell.Say("Intro1_6b.mp3");
}

bool CGreetingCards::OnPlayMove(CPoint point) {
    bool hand = false;
    for (int slot = 0; slot < kCardCount; ++slot) {
        CCustomButton* card = greetingButtons[slot];
        if (!closeEnough(point, slotTargets[slot])) {
            if (!card->IsPressed()) card->SetLight(false);
            continue;
        }
        hand = true;
        if (card->GetLight()) continue;
        card->SetLight(true);  // turned: its words show and are heard
        model->PlaySoundFile(greetingSounds[slot], true);
        if (!lightAll) break;
    }
    return hand;
}

bool CGreetingCards::OnSheetMove(CPoint point) const {
    for (const CPoint& example : exampleTargets)
        if (closeEnough(point, example)) return true;
    return false;
}

CPoint CGreetingCards::TagOf(int slot) const {
    return CPoint(slotTargets[slot].x + kTagDx, slotTargets[slot].y + kTagDy);
}

CPoint CGreetingCards::MarkOf(int slot) const { return CPoint(slotTargets[slot].x + kMarkDx, slotTargets[slot].y); }

// The sheet is smaller than the view: it stands a little off the middle.
void CGreetingCards::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    shell.overlayImage->SetScale(2.0f);
    shell.overlayImage->SetPosition(width / 2 + kSheetDx, height / 2 + kSheetDy);
    shell.overlayImage->Draw();
}

void CGreetingCards::DrawCards() {
    for (int slot = 0; slot < kCardCount; ++slot) {
        greetingButtons[slot]->Draw();
        if (!greetingButtons[slot]->IsPressed()) continue;
        const CPoint tag = TagOf(slot);
        chosenLabel->SetPosition(tag.x, tag.y);
        chosenLabel->Draw();
    }
}

void CGreetingCards::DrawPlay(int, int) {
    DrawCards();
    shell.playButton->Draw();
}

// Every card face up, the tag on the acceptable ones (the right answer),
// and beside each card the tick when the learner's choice was right, the
// cross when it was not.
void CGreetingCards::DrawReview(int, int) {
    for (int slot = 0; slot < kCardCount; ++slot) {
        greetingButtons[slot]->SetLight(true);
        greetingButtons[slot]->Draw();
        if (IsAcceptable(slot)) {
            const CPoint tag = TagOf(slot);
            acceptableLabel->SetPosition(tag.x, tag.y);
            acceptableLabel->Draw();
        }
        if (IsSlotRight(slot)) {
            shell.MarkRight(MarkOf(slot));
        } else {
            shell.MarkMissed(MarkOf(slot));
        }
    }
}
