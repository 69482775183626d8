#include <set>
#include <vector>

#include "minigames/dentist/CMinigame1_6.h"
#include "minigames/dentist/CMinigame1_9.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace Greetings;

namespace {

class GreetingGame : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    GreetingGame() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("error.png", 64, 64, kTick);
        folder.AddPicture("review_missed.png", 64, 64, kCross);
        folder.AddPicture(kAcceptableTag, 32, 32, kTag);
        for (const char* chosen : {"chosen.png", "chosen_en.png"}) folder.AddPicture(chosen, 32, 32, kChosen);
        folder.MakeFolder("Sounds");
        for (const char* name : {"beep.mp3", kFrenchCards[0].recording, kFrenchCards[1].recording,
                                 kFrenchExamples[0].recording})
            WriteToneWav(folder.File("Sounds/") + name, 3000);
    }
    // A test may open the game in a lower view than the fixture's.
    void Open(MinigameType type, int height = kH) {
        h = height;
        cell = type;
        cards = MinigameFixture::Open<CGreetingCards>(type, 0);
        Frames(1, viewW, h);
    }
    // The play button; play ends on the frame after the hand-in.
    void PressPlay() {
        MinigameFixture::PressPlay();
        Frames(1, viewW, h);
    }
    void Start(MinigameType type, int height = kH) {
        Open(type, height);
        PressPlay();
        ASSERT_EQ(cards->Shell().phase, PhasePlay);
    }
    void PressSlot(int slot) {
        const CPoint p = cards->GetSlot(slot);
        Click(p.x, p.y);
    }
    std::vector<int> WrongSlots() const {
        std::vector<int> wrong;
        for (int slot = 0; slot < kCardCount; ++slot)
            if (!IsAcceptable(slot)) wrong.push_back(slot);
        return wrong;
    }
    bool IsAcceptable(int slot) const {
        for (int s : cards->GetAcceptableSlots())
            if (s == slot) return true;
        return false;
    }
    std::vector<int> Order() const {
        std::vector<int> order;
        for (int slot = 0; slot < kCardCount; ++slot) order.push_back(cards->GetCardInSlot(slot));
        return order;
    }
    void Reenter() {
        PressExit();
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, viewW, h);
    }

    // What lies at a point: the tick (green), the cross (red), the tag
    // (blue), the chosen tag (yellow).
    char Pixel(CPoint at) {
        const unsigned rgba = PixelOfAFrame(at, viewW, h);
        const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF, b = (rgba >> 8) & 0xFF;
        if (r > 0xB0 && g > 0xB0 && b < 0x60) return 'C';
        if (g > 0x90 && r < 0x60 && b < 0x80) return 'T';
        if (r > 0xB0 && g < 0x60) return 'X';
        if (b > 0xB0 && r < 0x60) return 'A';
        return '-';
    }
    static constexpr unsigned kTick = 0x20C040FF, kCross = 0xE02020FF, kTag = 0x2040E0FF, kChosen = 0xE0D020FF;

    const CGreetingCards* cards = nullptr;
    int cell = 0;
    int h = kH;  // the height the game is drawn at
};

}  // namespace

TEST_F(GreetingGame, TheThreeAcceptableCardsScoreThreeAndAreSaved) {
    Start(MINIGAME_1_6);
    ASSERT_EQ(cards->GetAcceptableSlots().size(), 3u);
    // Cards 2, 3 and 7 of the French game.
    for (int card : {1, 2, 6}) EXPECT_TRUE(IsAcceptable(cards->GetSlotOfCard(card))) << card;
    for (int slot : cards->GetAcceptableSlots()) PressSlot(slot);
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 3);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(cell), 3);
    EXPECT_EQ(model->GetTotalScore(), 3);
}

// The review turns every card: the tag stands on the acceptable ones, the
// tick beside each card chosen right (pressed or left), the cross beside
// each one chosen wrong.
TEST_F(GreetingGame, TheReviewTicksTheRightChoicesAndCrossesTheMissedCardWithItsTag) {
    Start(MINIGAME_1_9);
    for (int card : {0, 4, 7}) EXPECT_TRUE(IsAcceptable(cards->GetSlotOfCard(card))) << card;
    const std::vector<int> right = cards->GetAcceptableSlots();
    PressSlot(right[0]);
    PressSlot(right[2]);
    PressPlay();
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 2);
    Step(20);  // the marks fall and rest
    EXPECT_FLOAT_EQ(cards->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    for (int slot = 0; slot < kCardCount; ++slot) {
        EXPECT_TRUE(cards->IsLit(slot)) << slot;  // its words show
        const CPoint mark = cards->MarkOf(slot);
        EXPECT_EQ(mark.y, cards->GetSlot(slot).y);
        EXPECT_LT(mark.x + 32, cards->GetSlot(slot).x - 150);  // beside the card, not on it
        EXPECT_EQ(Pixel(mark), slot == right[1] ? 'X' : 'T') << slot;
    }
    EXPECT_EQ(Pixel(cards->TagOf(right[1])), 'A');  // the card missed shows it was acceptable
    EXPECT_NE(Pixel(cards->TagOf(WrongSlots()[0])), 'A');
    PressSlot(right[1]);  // the review takes no more cards
    EXPECT_FALSE(cards->IsPressed(right[1]));
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(cell), 2);
}

// A wrong card before the three right ones costs its point as one after
// them does, and the review shows it crossed.
TEST_F(GreetingGame, AWrongCardBeforeTheRightOnesCostsItsPointAndIsReviewed) {
    Start(MINIGAME_1_6);
    for (int tries = 0; tries < 60 && WrongSlots().front() > cards->GetAcceptableSlots().front(); ++tries) {
        Reenter();
        PressPlay();
    }
    const int wrong = WrongSlots().front();
    ASSERT_LT(wrong, cards->GetAcceptableSlots().front()) << "no such order in 60 games";
    PressSlot(wrong);
    for (int slot : cards->GetAcceptableSlots()) PressSlot(slot);
    PressPlay();
    EXPECT_EQ(Points(), 2);
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    Step(20);
    EXPECT_EQ(Pixel(cards->MarkOf(wrong)), 'X');
    for (int slot : cards->GetAcceptableSlots()) EXPECT_EQ(Pixel(cards->MarkOf(slot)), 'T') << slot;
    PressPlay();
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(cell), 2);
}

TEST_F(GreetingGame, HandingInNothingScoresZeroAndLeadsToTheReview) {
    Start(MINIGAME_1_6);
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 0);
}

// The set chosen is scored, wherever its cards lie: a point for each right
// card, one back for each wrong one, never below zero.
TEST_F(GreetingGame, TheScoreIsTheSetChosenWhereverTheWrongCardLies) {
    Start(MINIGAME_1_6);
    for (int tries = 0; tries < 60; ++tries) {
        const std::vector<int> right = cards->GetAcceptableSlots();
        const std::vector<int> wrong = WrongSlots();
        if (wrong.front() < right.front() && wrong.back() > right.back()) break;
        Reenter();
        PressPlay();
    }
    const std::vector<int> right = cards->GetAcceptableSlots();
    const std::vector<int> wrong = WrongSlots();
    ASSERT_TRUE(wrong.front() < right.front() && wrong.back() > right.back()) << "no such order in 60 games";
    for (int slot : right) PressSlot(slot);
    PressSlot(wrong.front());
    EXPECT_EQ(cards->Score(), 2);  // before the right ones
    PressSlot(wrong.front());
    PressSlot(wrong.back());
    EXPECT_EQ(cards->Score(), 2);  // after them
    for (int slot : wrong)
        if (!cards->IsPressed(slot)) PressSlot(slot);  // all eight: 3 - 5
    EXPECT_EQ(cards->Score(), 0);
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 0);
}

TEST_F(GreetingGame, PressingACardTwiceReleasesItSilently) {
    Start(MINIGAME_1_6);
    model->StopSoundFile();
    PressSlot(3);
    EXPECT_TRUE(cards->IsPressed(3));
    EXPECT_TRUE(model->IsSoundPlaying());  // the beep
    model->StopSoundFile();
    PressSlot(3);
    EXPECT_FALSE(cards->IsPressed(3));
    EXPECT_FALSE(model->IsSoundPlaying());
    Click(683, 20);  // on no card
    for (int slot = 0; slot < kCardCount; ++slot) EXPECT_FALSE(cards->IsPressed(slot));
}

TEST_F(GreetingGame, ThePointerTurnsACardAndSpeaksIt) {
    Start(MINIGAME_1_6);
    model->StopSoundFile();
    const int slot = cards->GetSlotOfCard(0);
    const CPoint p = cards->GetSlot(slot);
    Move(p.x + 140, p.y - 40);
    EXPECT_TRUE(cards->IsLit(slot));
    EXPECT_TRUE(model->IsSoundPlaying());
    model->StopSoundFile();
    Move(p.x + 100, p.y);  // still on it: not spoken again
    EXPECT_FALSE(model->IsSoundPlaying());
    Move(p.x + 151, p.y);
    EXPECT_FALSE(cards->IsLit(slot));
    PressSlot(slot);
    Step();
    Move(20, 700);
    Step();
    EXPECT_TRUE(cards->IsLit(slot));  // a pressed card stays turned
}

// In a low view two slots of a column lie 80 pixels apart: a point between
// them is within reach of both. The French game turns the first one only,
// the English game both; a click presses both.
TEST_F(GreetingGame, BetweenTwoNearCardsTheGamesDiffer) {
    for (MinigameType type : {MINIGAME_1_6, MINIGAME_1_9}) {
        Start(type, 400);
        const CPoint a = cards->GetSlot(0), b = cards->GetSlot(1);
        ASSERT_EQ(b.y - a.y, 80);
        Move(a.x, (a.y + b.y) / 2);
        EXPECT_TRUE(cards->IsLit(0));
        EXPECT_EQ(cards->IsLit(1), type == MINIGAME_1_9) << type;
        Click(a.x, (a.y + b.y) / 2);
        EXPECT_TRUE(cards->IsPressed(0));
        EXPECT_TRUE(cards->IsPressed(1));
        PressExit();
    }
}

TEST_F(GreetingGame, EveryGameLaysTheCardsOutInANewOrder) {
    Open(MINIGAME_1_9);
    std::set<std::vector<int>> orders = {Order()};
    for (int game = 0; game < 4; ++game) {
        Reenter();
        orders.insert(Order());
    }
    EXPECT_GE(orders.size(), 4u);
    for (int card = 0; card < kCardCount; ++card) EXPECT_GE(cards->GetSlotOfCard(card), 0);
}

TEST_F(GreetingGame, TheIntroSheetSpeaksItsExamplesAndPlayStartsTheGame) {
    Open(MINIGAME_1_6);
    ASSERT_EQ(cards->Shell().phase, PhaseIntro);
    model->StopSoundFile();
    const CPoint example = cards->GetExample(0);
    EXPECT_EQ(example, CPoint(kW / 2 - 233, kH / 2 - 179));
    Click(example.x + 149, example.y + 49);
    EXPECT_TRUE(model->IsSoundPlaying());
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhasePlay);
    PressInstructions();  // the sheet shows again
    EXPECT_EQ(cards->Shell().phase, PhaseInstructions);
    PressSlot(0);  // no card is pressed through the sheet
    PressPlay();
    EXPECT_EQ(cards->Shell().phase, PhasePlay);
    EXPECT_FALSE(cards->IsPressed(0));
}

// --- fair judging: the set chosen, a chosen card unjudged until the review ---

namespace {

class FairGreetings : public GreetingGame {
protected:
    // Games again until a layout holds: at most 60.
    template <class Holds>
    bool Until(Holds holds) {
        for (int tries = 0; tries < 60; ++tries) {
            if (holds()) return true;
            Reenter();
            PressPlay();
        }
        return holds();
    }
    int SlotOf(int card) const { return cards->GetSlotOfCard(card); }
    void PressCard(int card) { PressSlot(SlotOf(card)); }
};

}  // namespace

// The French game: cards 2, 3 and 7 are right ("La docteure n'est pas
// disponible...", "... Pouvez-vous patienter ...", "... Avez-vous besoin
// d'aide ?"), card 1 ("Elle n'est pas ici. Rappelez plus tard.") is not.
// Cards 2 and 3 with card 1 score 1, card 1 lying before or after them.
TEST_F(FairGreetings, TheSameChoiceScoresTheSameWhereverTheCardsLie) {
    Start(MINIGAME_1_6);
    for (bool wrongFirst : {true, false}) {
        ASSERT_TRUE(Until([&] {
            const bool first = SlotOf(0) < SlotOf(1) && SlotOf(0) < SlotOf(2);
            const bool last = SlotOf(0) > SlotOf(1) && SlotOf(0) > SlotOf(2);
            return wrongFirst ? first : last;
        })) << "no such layout in 60 games";
        for (int card : {1, 2, 0}) PressCard(card);
        PressPlay();
        ASSERT_EQ(cards->Shell().phase, PhaseReview);
        EXPECT_EQ(Points(), 1) << (wrongFirst ? "the wrong card first" : "the wrong card last");
        Reenter();
        PressPlay();
    }
}

// The English game: the three right cards and "Hang on, I'm busy." (card 4)
// score 2 of 3, even with that card lying before the three.
TEST_F(FairGreetings, FourCardsWithAWrongOneScoreTwoOfThree) {
    Start(MINIGAME_1_9);
    ASSERT_TRUE(Until([&] { return SlotOf(3) < SlotOf(0) && SlotOf(3) < SlotOf(4) && SlotOf(3) < SlotOf(7); }))
        << "no such layout in 60 games";
    for (int card : {3, 0, 4, 7}) PressCard(card);
    PressPlay();
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 2);
    Step(20);
    EXPECT_EQ(Pixel(cards->MarkOf(SlotOf(3))), 'X');
    PressPlay();
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(MINIGAME_1_9), 2);
    EXPECT_EQ(Saved().totalScore, 2);
}

// During play a pressed card shows that it is chosen, wrong or right: the
// "acceptable" tag is the review's, on the right cards only.
TEST_F(FairGreetings, AChosenCardShowsOnlyThatItIsChosenUntilTheReview) {
    Start(MINIGAME_1_6);
    PressCard(0);  // "Elle n'est pas ici. Rappelez plus tard.": wrong
    PressCard(1);  // right
    Step();
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(0))), 'C');
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(1))), 'C');
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(3))), '-');  // not chosen: no tag
    PressPlay();
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    Step(20);
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(0))), '-');  // judged: not acceptable
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(1))), 'A');
    EXPECT_EQ(Pixel(cards->TagOf(SlotOf(6))), 'A');  // the right card left out shows it too
}

// Play is over once the cards are handed in: leaving from the review keeps
// the score, as the panel would have stored it.
TEST_F(FairGreetings, LeavingFromTheReviewKeepsTheScore) {
    Start(MINIGAME_1_6);
    for (int card : {1, 2}) PressCard(card);
    PressPlay();
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    PressExit();
    ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(SavedCell(MINIGAME_1_6), 2);
    EXPECT_EQ(Saved().totalScore, 2);
}

// The same when the window closes on the review (a logout, the close box).
TEST_F(FairGreetings, QuittingOnTheReviewKeepsTheScore) {
    Start(MINIGAME_1_6);
    for (int card : {1, 6}) PressCard(card);
    PressPlay();
    ASSERT_EQ(cards->Shell().phase, PhaseReview);
    model->SaveBeforeQuitting();  // what the window does as it closes
    EXPECT_EQ(SavedCell(MINIGAME_1_6), 2);
    EXPECT_EQ(Saved().totalScore, 2);
}
