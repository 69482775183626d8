#include <set>

#include "minigames/grocery/CMinigame3_1.h"
#include "minigames/grocery/GroceryBoard.h"
#include "support/MinigameFixture.h"
#include "ui/CornerLayout.h"

using namespace BestBefore;

namespace {

class BeltDates : public MinigameFixture {
protected:
    static constexpr int kW = 1358;  // the belt moves 2 pixels a frame at this width
    static constexpr int kH = 726;

    BeltDates() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        for (int p = 1; p <= kProductCount; ++p) {
            folder.AddPicture("Item" + std::to_string(p) + ".png", 512, 512, kProductColour);
            folder.AddPicture("Item" + std::to_string(p) + "Date.png", 512, 128, kLabelColour);
        }
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
    }
    static constexpr unsigned kProductColour = 0x2040E0FF, kLabelColour = 0xF0E020FF;
    static constexpr unsigned kTickColour = 0x20C040FF, kCrossColour = 0xE02020FF;
    void SetUp() override {
        MinigameFixture::SetUp();
        game = Open<CMinigame3_1>(MINIGAME_3_1, 1);
    }
    void ClickProduct(int p) {
        const CPoint at = game->GetProductPosition(p);
        Click(at.x, at.y);
        Step(3);
    }
    // Where item k of the review board is shown, and its mark.
    CRect Shown(int k) const { return GroceryBoard::FitIn(512, 512, GroceryBoard::CellOf(k, kProductCount, kW, kH).picture); }
    CPoint Mark(int k) const { return GroceryBoard::MarkBeside(Shown(k)); }
    CPoint Middle(const CRect& r) const { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    CPoint Answer(int k) const {
        return Middle(GroceryBoard::FitIn(512, 128, GroceryBoard::AnswerUnder(GroceryBoard::CellOf(k, kProductCount, kW, kH), Shown(k))));
    }
    // Some product that is not the one asked for.
    int Another() const { return (game->GetTarget() + 1) % kProductCount; }

    CMinigame3_1* game = nullptr;
};

}  // namespace

TEST_F(BeltDates, FindingEveryProductAtOnceOpensThePanelWithEight) {
    PressPlay();
    std::set<int> asked;
    for (int i = 0; i < kProductCount; ++i) {
        asked.insert(game->GetTarget());
        ClickProduct(game->GetTarget());
    }
    EXPECT_EQ(asked.size(), size_t(kProductCount));  // every label once
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][0], 8);
    EXPECT_EQ(Saved().totalScore, 8);
}

TEST_F(BeltDates, AWrongProductCostsTheLabelItsPointAndTheLabelStays) {
    PressPlay();
    const int first = game->GetTarget();
    ClickProduct(Another());
    WaitOutTheWrongAnswer();
    ClickProduct(Another());  // twice wrong costs the same one point
    EXPECT_TRUE(game->IsFlagged(first));
    EXPECT_EQ(game->GetTarget(), first);
    EXPECT_EQ(game->GetFound(), 0);
    WaitOutTheWrongAnswer();
    ClickProduct(first);
    EXPECT_EQ(game->GetFound(), 1);
    EXPECT_EQ(Points(), 0);
    while (game->GetTarget() >= 0) ClickProduct(game->GetTarget());
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    for (int p = 0; p < kProductCount; ++p) EXPECT_EQ(game->IsFlagged(p), p == first) << p;
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 7);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][0], 7);
}

TEST_F(BeltDates, TheBeltMovesTwoPixelsAFrameAndWrapsRound) {
    PressPlay();
    Step();
    const CPoint before = game->GetProductPosition(0);
    Step(10);
    EXPECT_EQ(game->GetProductPosition(0).x, before.x + 20);
    EXPECT_EQ(game->GetProductPosition(0).y, kH / 2);
    // The products stay in their order, 1.2 product widths apart.
    EXPECT_EQ(game->GetProductPosition(1).x - game->GetProductPosition(0).x, 204);
    int lowest = kW, highest = -kW;
    for (int i = 0; i < 820; ++i) {  // more than once round
        Step();
        lowest = std::min(lowest, game->GetProductPosition(0).x);
        highest = std::max(highest, game->GetProductPosition(0).x);
    }
    EXPECT_EQ(lowest, -170);
    EXPECT_GE(highest, kW + 85);  // it leaves the view whole before coming back on the left
}

TEST_F(BeltDates, AClickOnTheEmptyBeltOrBeforePlayJudgesNothing) {
    ClickProduct(Another());  // the intro shows the cards, not the belt
    EXPECT_FALSE(game->IsFlagged(game->GetTarget()));
    PressPlay();
    Click(kW / 2, 150);
    Click(kW / 2, kH - 60);
    EXPECT_EQ(game->GetFound(), 0);
    EXPECT_FALSE(game->IsFlagged(game->GetTarget()));
}

TEST_F(BeltDates, TheLabelsComeInANewOrderFromGameToGame) {
    std::set<int> firsts;
    for (int i = 0; i < 30; ++i) {
        firsts.insert(game->GetTarget());
        game->Unload();
        Step();
    }
    EXPECT_GT(firsts.size(), 3u);
}

TEST_F(BeltDates, AWrongProductRaisesTheWrongSignThatIsGoneASecondLaterAndARightOneRaisesNone) {
    PressPlay();
    const CPoint at = game->GetProductPosition(Another());
    Click(at.x, at.y);
    EXPECT_TRUE(game->Shell().IsWrongSignShown());
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(at, kW, kH))) << "the cross stays where the click was";
    Step(CMinigameShell::kWrongSignFrames + 1);
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
    WaitOutTheWrongAnswer();
    const CPoint right = game->GetProductPosition(game->GetTarget());
    Click(right.x, right.y);
    EXPECT_EQ(game->GetFound(), 1);
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
}

TEST_F(BeltDates, ClicksWaitUntilTheWrongAnswersCrossAndSoundHaveEnded) {
    PressPlay();
    const int first = game->GetTarget();
    ClickProduct(Another());
    ASSERT_TRUE(game->Shell().IsPaused());
    ClickProduct(first);  // too soon: not taken
    EXPECT_EQ(game->GetFound(), 0);
    WaitOutTheWrongAnswer();
    ClickProduct(first);
    EXPECT_EQ(game->GetFound(), 1);
    EXPECT_EQ(Points(), 0);
}

TEST_F(BeltDates, TheBoardReadsLeftToRightTopToBottomBetweenTheButtonsAndTheLegend) {
    for (int count : {5, 8}) {
        for (int k = 0; k < count; ++k) {
            const GroceryBoard::Cell cell = GroceryBoard::CellOf(k, count, kW, kH);
            const CRect shown = GroceryBoard::FitIn(512, 512, cell.picture);
            const CPoint mark = GroceryBoard::MarkBeside(shown);
            EXPECT_GE(shown.top, GroceryBoard::kTop) << count << " " << k;
            // Below the subtitles button (a 32-pixel picture at scale 2) on the right.
            EXPECT_GT(mark.y - GroceryBoard::kMarkSide / 2, CornerLayout::kSubtitlesY + 32) << count << " " << k;
            const CRect answer = GroceryBoard::AnswerUnder(cell, shown);
            EXPECT_LE(answer.bottom, kH - GroceryBoard::kBottomFree) << count << " " << k;
            EXPECT_LE(mark.x + GroceryBoard::kMarkSide / 2, kW) << count << " " << k;
            // The mark beside the picture and above the answer, over neither.
            EXPECT_GE(mark.x - GroceryBoard::kMarkSide / 2, shown.right) << count << " " << k;
            EXPECT_LE(mark.y + GroceryBoard::kMarkSide / 2, answer.top) << count << " " << k;
            if (k == 0) continue;
            const GroceryBoard::Cell before = GroceryBoard::CellOf(k - 1, count, kW, kH);
            const bool sameRow = cell.picture.top == before.picture.top;
            EXPECT_TRUE(sameRow ? cell.picture.left > before.picture.right : cell.picture.top >= before.answer.bottom)
                << count << " " << k;
        }
    }
    // Five in one row, eight in two rows of four.
    EXPECT_EQ(GroceryBoard::CellOf(4, 5, kW, kH).picture.top, GroceryBoard::CellOf(0, 5, kW, kH).picture.top);
    EXPECT_GT(GroceryBoard::CellOf(4, 8, kW, kH).picture.top, GroceryBoard::CellOf(3, 8, kW, kH).picture.top);
    EXPECT_LT(GroceryBoard::CellOf(4, 8, kW, kH).picture.left, GroceryBoard::CellOf(3, 8, kW, kH).picture.left);
}

TEST_F(BeltDates, TheReviewTicksTheProductsFoundAndCrossesTheMissedOneWithItsLabel) {
    PressPlay();
    ClickProduct(Another());  // the first label is missed
    WaitOutTheWrongAnswer();
    while (game->GetTarget() >= 0) ClickProduct(game->GetTarget());
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    Step(20);  // the marks have fallen
    // The first label asked is the first item, top left, crossed, with its label under it.
    EXPECT_TRUE(IsNear(PixelOfAFrame(Mark(0), kW, kH), kCrossColour));
    EXPECT_TRUE(IsNear(PixelOfAFrame(Middle(Shown(0)), kW, kH), kProductColour));
    EXPECT_TRUE(IsNear(PixelOfAFrame(Answer(0), kW, kH), kLabelColour));
    for (int k = 1; k < kProductCount; ++k) {
        EXPECT_TRUE(IsNear(PixelOfAFrame(Mark(k), kW, kH), kTickColour)) << k;
        EXPECT_TRUE(IsNear(PixelOfAFrame(Middle(Shown(k)), kW, kH), kProductColour)) << k;
        EXPECT_FALSE(IsNear(PixelOfAFrame(Answer(k), kW, kH), kLabelColour)) << k;
    }
}

// --- The belt moves by the game's clock ---

// A slow computer draws 16 frames a second, a fast one 128: in one second
// of the game's clock the belt moves the same 128 pixels on both, and not
// at all while the clock stands still.
TEST_F(BeltDates, TheBeltMovesByTheClockNotByTheFrames) {
    static double now;  // outlives the test: the fixture puts the clock back after it
    now = 100.0;
    CMinigameShell::clock = [] { return now; };
    PressPlay();
    Frames(1, kW, kH);
    const int start = game->GetProductPosition(0).x;
    for (int i = 0; i < 16; ++i) {  // a second at 16 frames a second
        now += 1.0 / 16;
        Frames(1, kW, kH);
    }
    EXPECT_EQ(game->GetProductPosition(0).x, start + 128);
    for (int i = 0; i < 128; ++i) {  // a second at 128 frames a second
        now += 1.0 / 128;
        Frames(1, kW, kH);
    }
    EXPECT_EQ(game->GetProductPosition(0).x, start + 256);
    Frames(50, kW, kH);  // frames drawn, the clock standing still
    EXPECT_EQ(game->GetProductPosition(0).x, start + 256);
    now += 10.0;  // a stall of ten seconds moves it a quarter of a second's way
    Frames(1, kW, kH);
    EXPECT_EQ(game->GetProductPosition(0).x, start + 288);
}
