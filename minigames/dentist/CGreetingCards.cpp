#include "minigames/dentist/CGreetingCards.h"

#include <algorithm>
#include <cmath>

#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace Greetings;

namespace {

constexpr int kStripY = 56;

}  // namespace

CGreetingCards::CGreetingCards(CModel* owner, MinigameType type, const MinigameSheet& sheet, const Language& cards,
                               bool lightEvery)
    : model(owner), shell(owner, type, sheet), language(cards), lightAll(lightEvery) {
    GameRandom::Seed();
}

void CGreetingCards::Load() {
    shell.Load(nullptr);
    judgeRequested = false;
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
    acceptableLabel = new CClickableImage(kAcceptableTag);
    acceptableLabel->SetScale(2.0f);
}

void CGreetingCards::Unload() {
    shell.Unload();
    for (CCustomButton*& card : greetingButtons) {
        delete card;
        card = nullptr;
    }
    delete acceptableLabel;
    acceptableLabel = nullptr;
}

int CGreetingCards::GetSlotOfCard(int card) const {
    for (int slot = 0; slot < kCardCount; ++slot)
        if (cardInSlot[slot] == card) return slot;
    return -1;
}

void CGreetingCards::LoadButtonLocations(int width, int height) {
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

void CGreetingCards::PlayGame(CPoint point) {
    for (int slot = 0; slot < kCardCount; ++slot) {
        if (!closeEnough(point, slotTargets[slot])) continue;
        CCustomButton* card = greetingButtons[slot];
        card->SetIsPressed(!card->IsPressed());
        if (card->IsPressed()) model->PlaySoundFile("beep.mp3", false);
    }
    if (judgeRequested) Judge();
}

int CGreetingCards::Score() const {
    int score = 0;
    for (int slot = 0; slot < kCardCount; ++slot) {
        if (!greetingButtons[slot]->IsPressed()) continue;
        const bool right = std::find(acceptableSlots.begin(), acceptableSlots.end(), slot) != acceptableSlots.end();
        score = std::max(0, score + (right ? 1 : -1));
    }
    return score;
}

void CGreetingCards::Judge() {
    judgeRequested = false;
    const int score = Score();
    if (score >= kMaximum) {
        shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + kMaximum);
        shell.EnterResults(true);
        return;
    }
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + score);
    shell.EnterReview();
    shell.SetProgress(3);
}

void CGreetingCards::PlayExamplesNear(CPoint point) {
    for (int i = 0; i < kExampleCount; ++i)
        if (closeEnough(point, exampleTargets[i])) model->PlaySoundFile(language.examples[i].recording, true);
}

bool CGreetingCards::OnLButtonUp(CPoint point) {
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return true;
        case CORNER_EXIT: return false;
        case CORNER_HELP: return true;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.SetProgress(2);
                model->PlaySoundFile("Intro1_6b.mp3", true);
            } else {
                PlayExamplesNear(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                break;
            }
            if (shell.playButton->HitTest(point)) judgeRequested = true;
            PlayGame(point);
            break;
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
            } else {
                PlayExamplesNear(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) {
                shell.SetProgress(3);
                shell.EnterResults(true);
            }
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return true;
}

void CGreetingCards::OnMouseMove(CPoint point) {
    if (shell.OnMouseMove(point)) return;
    bool hand = false;
    if (shell.phase == PhasePlay) {
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
    } else if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) {
        for (const CPoint& example : exampleTargets) hand = hand || closeEnough(point, example);
    }
    model->SetCursor(hand ? CURSOR_HAND : CURSOR_ARROW);
}

CPoint CGreetingCards::TagOf(int slot) const {
    return CPoint(slotTargets[slot].x + kTagDx, slotTargets[slot].y + kTagDy);
}

void CGreetingCards::DrawCards() {
    for (int slot = 0; slot < kCardCount; ++slot) {
        greetingButtons[slot]->Draw();
        if (!greetingButtons[slot]->IsPressed()) continue;
        const CPoint tag = TagOf(slot);
        acceptableLabel->SetPosition(tag.x, tag.y);
        acceptableLabel->Draw();
    }
}

void CGreetingCards::DrawFeedbackAnimation() {
    std::vector<CPoint> right;
    for (int slot : acceptableSlots)
        if (greetingButtons[slot]->IsPressed()) right.push_back(TagOf(slot));
    shell.DrawMarks(right);
}

void CGreetingCards::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    shell.progressImage->SetPosition(width / 2, kStripY);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            model->FillDarkQuad(width, height);
            shell.overlayImage->SetScale(2.0f);
            shell.overlayImage->SetPosition(width / 2 + kSheetDx, height / 2 + kSheetDy);
            shell.overlayImage->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.consigneImage->Draw();
            DrawCards();
            shell.exitButton->Draw();
            shell.instructionButton->Draw();
            shell.helpButton->Draw();
            shell.playButton->Draw();
            break;
        case PhaseReview:
            DrawCards();
            shell.playButton->Draw();
            DrawFeedbackAnimation();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
