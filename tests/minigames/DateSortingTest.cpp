#include <set>

#include "minigames/grocery/CMinigame3_2.h"
#include "minigames/grocery/GroceryBoard.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace BestBefore;

namespace {

class DateSorting : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    DateSorting() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("shoppingcart.png", 512, 512, kCartColour);
        folder.AddPicture("trash.png", 512, 512, kTrashColour);
        for (int p = 1; p <= kProductCount; ++p) folder.AddPicture("Item" + std::to_string(p) + ".png", 512, 512, kProductColour);
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        for (const FormatCard& card : kFormatCards) folder.AddPicture(card.picture, 512, 256);
        folder.AddPicture(kLongCard, 1024, 256);
        folder.MakeFolder("Sounds");
        for (const FormatCard& card : kFormatCards) WriteToneWav(folder.File("Sounds/") + card.recording, 2000);
        WriteToneWav(folder.File("Sounds/") + kLongRecording, 2000);
    }
    static constexpr unsigned kProductColour = 0x2040E0FF, kCartColour = 0xF0E020FF, kTrashColour = 0x804020FF;
    static constexpr unsigned kTickColour = 0x20C040FF, kCrossColour = 0xE02020FF;
    void SetUp() override {
        MinigameFixture::SetUp();
        game = Open<CMinigame3_2>(MINIGAME_3_2, 1);
    }
    // The product shown belongs in the cart (asked only while one is shown).
    bool BelongsInCart() const {
        const int shown = game->GetProduct();
        return shown >= 0 && StillGood(kProducts[shown].value, kTodayValues[game->GetToday()]);
    }
    void Sort(bool right) {
        const bool cart = BelongsInCart() == right;
        const CPoint at = cart ? game->GetCart() : game->GetTrash();
        Click(at.x, at.y);
        Step();
    }
    CRect Shown(int k) const { return GroceryBoard::FitIn(512, 512, GroceryBoard::CellOf(k, kProductCount, kW, kH).picture); }
    CPoint Middle(const CRect& r) const { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    CPoint Answer(int k) const {
        return Middle(GroceryBoard::FitIn(512, 512, GroceryBoard::AnswerUnder(GroceryBoard::CellOf(k, kProductCount, kW, kH), Shown(k))));
    }

    CMinigame3_2* game = nullptr;
};

}  // namespace

TEST_F(DateSorting, EightRightChoicesOpenThePanelWithEight) {
    PressPlay();
    std::set<int> shown;
    for (int p = 0; p < kProductCount; ++p) {
        EXPECT_EQ(game->GetStep(), p);
        shown.insert(game->GetProduct());
        Sort(true);
    }
    EXPECT_EQ(shown.size(), size_t(kProductCount));  // each product once, in a drawn order
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][1], 8);
    EXPECT_EQ(Saved().totalScore, 8);
}

TEST_F(DateSorting, AWrongChoiceFlagsTheProductAndTheBoardLeadsToThePanel) {
    PressPlay();
    for (int p = 0; p < kProductCount; ++p) {
        Sort(p != 0 && p != 4);
        if (p == 0 || p == 4) WaitOutTheWrongAnswer();
    }
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    for (int p = 0; p < kProductCount; ++p) EXPECT_EQ(game->IsFlagged(p), p == 0 || p == 4) << p;
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 6);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][1], 6);
}

TEST_F(DateSorting, AProductDatedOnTheDayItselfBelongsInTheTrash) {
    for (int t = 0; t < kTodayCount; ++t) {
        const int day = kTodayValues[t];
        EXPECT_FALSE(StillGood(day, day));
        EXPECT_FALSE(StillGood(day - 1, day));
        EXPECT_TRUE(StillGood(day + 1, day));
    }
}

TEST_F(DateSorting, EveryDayCardComesUpAndEachGivesBothAnswers) {
    std::set<int> days;
    for (int game_ = 0; game_ < 40; ++game_) {
        days.insert(game->GetToday());
        game->Unload();
        Step();
    }
    EXPECT_EQ(days.size(), size_t(kTodayCount));
    // Whatever the day, some products are still good and some are not:
    // neither the cart nor the trash alone wins the game.
    for (int day : kTodayValues) {
        int good = 0;
        for (const Product& p : kProducts) good += StillGood(p.value, day);
        EXPECT_GT(good, 0) << day;
        EXPECT_LT(good, kProductCount) << day;
    }
}

TEST_F(DateSorting, AClickBesideTheCartAndTheTrashSortsNothing) {
    PressPlay();
    Click(kW / 2, kH / 2);  // on the product itself
    Click(60, kH - 40);
    EXPECT_EQ(game->GetStep(), 0);
    EXPECT_EQ(Points(), 0);
    EXPECT_FALSE(game->IsFlagged(0));
}

TEST_F(DateSorting, TheFormatCardsReadTheirLabelOnlyOnTheSheet) {
    for (int i = 0; i <= kFormCount; ++i) {
        model->StopSoundFile();
        Click(game->Cards().GetCard(i).x, game->Cards().GetCard(i).y);
        EXPECT_TRUE(model->IsSoundPlaying()) << i;
    }
    PressPlay();
    model->StopSoundFile();
    Click(game->Cards().GetCard(0).x, game->Cards().GetCard(0).y);  // hidden during play
    EXPECT_EQ(game->GetStep(), 0);
    PressInstructions();  // the instructions show them again
    EXPECT_EQ(game->Shell().phase, PhaseInstructions);
    Click(game->Cards().GetCard(2).x, game->Cards().GetCard(2).y);
    EXPECT_TRUE(model->IsSoundPlaying());
    PressPlay();
    Sort(true);
    EXPECT_EQ(Points(), 1);
}

TEST_F(DateSorting, AWrongChoiceKeepsItsProductUntilTheCrossAndTheSoundHaveEnded) {
    PressPlay();
    const CPoint bin = BelongsInCart() ? game->GetTrash() : game->GetCart();
    Sort(false);
    ASSERT_TRUE(game->Shell().IsPaused());
    EXPECT_EQ(game->GetStep(), 0);  // the cross is on the bin chosen, with this product
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(bin, kW, kH)));
    Sort(true);  // too soon: not taken
    EXPECT_EQ(game->GetStep(), 0);
    WaitOutTheWrongAnswer();
    EXPECT_EQ(game->GetStep(), 1);
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
    Sort(true);
    EXPECT_EQ(game->GetStep(), 2);
    EXPECT_EQ(Points(), 1);
}

TEST_F(DateSorting, TheReviewTicksTheProductsSortedAndShowsTheMissedOnesRightPlace) {
    PressPlay();
    const bool firstInCart = BelongsInCart();
    Sort(false);
    WaitOutTheWrongAnswer();
    while (game->GetStep() < kProductCount) Sort(true);
    Step();
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    Step(20);
    const CPoint first = GroceryBoard::MarkBeside(Shown(0));
    EXPECT_TRUE(IsNear(PixelOfAFrame(first, kW, kH), kCrossColour));
    EXPECT_TRUE(IsNear(PixelOfAFrame(Middle(Shown(0)), kW, kH), kProductColour));
    EXPECT_TRUE(IsNear(PixelOfAFrame(Answer(0), kW, kH), firstInCart ? kCartColour : kTrashColour));
    for (int k = 1; k < kProductCount; ++k) {
        EXPECT_TRUE(IsNear(PixelOfAFrame(GroceryBoard::MarkBeside(Shown(k)), kW, kH), kTickColour)) << k;
        const unsigned answer = PixelOfAFrame(Answer(k), kW, kH);
        EXPECT_TRUE(!IsNear(answer, kCartColour) && !IsNear(answer, kTrashColour)) << k;
    }
}

// --- The products come in an order drawn from the seed ---

#include "core/GameRandom.h"

namespace {

// A new game, its chance drawn from that seed.
void NewGameWithSeed(CMinigame3_2* game, const char* seed) {
    game->Unload();
    const char* suiteSeed = std::getenv("ZELK_SEED");
    const std::string kept = suiteSeed ? suiteSeed : "";
    setenv("ZELK_SEED", seed, 1);
    GameRandom::Seed();
    setenv("ZELK_SEED", kept.c_str(), 1);
}

}  // namespace

// ZELK_SEED 27 shows the card of the 4th of July 2012 and deals Biscuits,
// Soupe, Pain, Fromage, Pâtes, Lait, Céréales, Yogourt: trash, cart, trash,
// cart, trash, cart, trash, cart. ZELK_SEED 2026, the same day, deals
// Soupe first.
TEST_F(DateSorting, TheProductsComeInTheOrderTheSeedDraws) {
    NewGameWithSeed(game, "27");
    Frames(1, kW, kH);
    EXPECT_EQ(game->GetToday(), 2);  // "Today3.png"
    PressPlay();
    const int dealt[kProductCount] = {2, 4, 0, 7, 3, 5, 1, 6};
    const bool toCart[kProductCount] = {false, true, false, true, false, true, false, true};
    for (int k = 0; k < kProductCount; ++k) {
        EXPECT_EQ(game->GetProduct(), dealt[k]) << k;
        const CPoint at = toCart[k] ? game->GetCart() : game->GetTrash();
        Click(at.x, at.y);
        Frames(1, kW, kH);
    }
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);

    NewGameWithSeed(game, "2026");
    Frames(1, kW, kH);
    EXPECT_EQ(game->GetToday(), 2);
    EXPECT_EQ(game->GetProduct(), 4);  // the soup
}
