#include <set>

#include "core/CSubtitles.h"
#include "minigames/grocery/CMinigame3_3.h"
#include "minigames/grocery/GroceryBoard.h"
#include "support/MinigameFixture.h"

using namespace Storage;

namespace {

class PuttingAway : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    PuttingAway() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        for (const Good& good : kGoods) folder.AddPicture(good.picture, 512, 512, kGoodColour);
        for (int p = 0; p < kPlaceCount; ++p) folder.AddPicture(kPlacePictures[p], 512, 512, kPlaceColours[p]);
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
    }
    static constexpr unsigned kGoodColour = 0x2040E0FF, kTickColour = 0x20C040FF, kCrossColour = 0xE02020FF;
    static constexpr unsigned kPlaceColours[kPlaceCount] = {0xF0E020FF, 0x40E0E0FF, 0xE040E0FF};
    void SetUp() override {
        MinigameFixture::SetUp();
        game = Open<CMinigame3_3>(MINIGAME_3_3, 1);
    }
    // Presses on the good to put away, moves it and lets go at `to`.
    void Drag(CPoint to) {
        const CPoint from = game->GetGoodPosition(game->GetCurrent());
        controller->OnLButtonDown(from);
        Move((from.x + to.x) / 2, (from.y + to.y) / 2);
        Move(to.x, to.y);
        controller->OnLButtonUp(to);
        Step();
    }
    Place RightPlace(int i) const { return kGoods[game->GetGood(i)].place; }
    Place WrongPlace(int i) const { return Place((RightPlace(i) + 1) % kPlaceCount); }
    void PutAway(bool right) {
        const int i = game->GetCurrent();
        Drag(game->GetPlace(right ? RightPlace(i) : WrongPlace(i)));
    }
    CRect Shown(int k) const { return GroceryBoard::FitIn(512, 512, GroceryBoard::CellOf(k, kDrawn, kW, kH).picture); }
    CPoint Middle(const CRect& r) const { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    CPoint Answer(int k) const {
        return Middle(GroceryBoard::FitIn(512, 512, GroceryBoard::AnswerUnder(GroceryBoard::CellOf(k, kDrawn, kW, kH), Shown(k))));
    }
    static bool Overlap(const CRect& a, const CRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }

    CMinigame3_3* game = nullptr;
};

}  // namespace

TEST_F(PuttingAway, EightGoodsInTheirPlacesOpenThePanelWithEight) {
    PressPlay();
    for (int n = 0; n < kDrawn; ++n) {
        EXPECT_EQ(game->Shell().phase, PhasePlay) << "judged before all were put away";
        PutAway(true);
    }
    EXPECT_EQ(game->GetCurrent(), -1);
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][2], 8);
    EXPECT_EQ(Saved().totalScore, 8);
}

TEST_F(PuttingAway, GoodsInTheWrongPlaceShowTheBoardThenThePanel) {
    PressPlay();
    std::set<int> wrong;
    for (int n = 0; n < kDrawn; ++n) {
        const bool right = n != 1 && n != 6;
        if (!right) wrong.insert(game->GetCurrent());
        PutAway(right);
    }
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    for (int i = 0; i < kDrawn; ++i) EXPECT_EQ(game->GetPlaced(i) == RightPlace(i), !wrong.count(i)) << i;
    EXPECT_EQ(Points(), 6);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][2], 6);
}

TEST_F(PuttingAway, AGoodTakenBackAndPutAwayAgainCountsWhereItEndsUp) {
    PressPlay();
    const int first = game->GetCurrent();
    PutAway(false);
    EXPECT_EQ(game->GetPlaced(first), WrongPlace(first));
    EXPECT_NE(game->GetCurrent(), first);
    const CPoint stored = game->GetGoodPosition(first);
    Click(stored.x, stored.y);  // taken back out
    EXPECT_EQ(game->GetPlaced(first), PLACE_NONE);
    EXPECT_EQ(game->GetCurrent(), first);
    PutAway(true);
    EXPECT_EQ(game->GetPlaced(first), RightPlace(first));
    while (game->GetCurrent() >= 0) PutAway(true);
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
}

TEST_F(PuttingAway, AGoodLetGoOutsideEveryPlaceGoesBackToTheRow) {
    PressPlay();
    const int first = game->GetCurrent();
    const CPoint home = game->GetGoodPosition(first);
    Drag(CPoint(kW / 2, 140));  // above the places
    EXPECT_FALSE(game->IsDragging());
    EXPECT_EQ(game->GetPlaced(first), PLACE_NONE);
    EXPECT_EQ(game->GetCurrent(), first);
    EXPECT_EQ(game->GetGoodPosition(first), home);
    Click(home.x, home.y);  // pressed and let go where it lies
    EXPECT_EQ(game->GetPlaced(first), PLACE_NONE);
}

TEST_F(PuttingAway, OnlyTheGoodToPutAwayIsPickedUp) {
    PressPlay();
    const int other = (game->GetCurrent() + 1) % kDrawn;
    const CPoint at = game->GetGoodPosition(other);
    controller->OnLButtonDown(at);
    EXPECT_FALSE(game->IsDragging());
    controller->OnLButtonUp(game->GetPlace(PLACE_SHELF));
    EXPECT_EQ(game->GetPlaced(other), PLACE_NONE);
}

TEST_F(PuttingAway, EightDifferentGoodsAGameAndEveryGoodComesUp) {
    std::set<int> seen;
    for (int n = 0; n < 30; ++n) {
        std::set<int> goods;
        for (int i = 0; i < kDrawn; ++i) goods.insert(game->GetGood(i));
        EXPECT_EQ(goods.size(), size_t(kDrawn));
        seen.insert(goods.begin(), goods.end());
        game->Unload();
        Step();
    }
    EXPECT_EQ(seen.size(), size_t(kGoodCount));
    int perPlace[kPlaceCount] = {};
    for (const Good& g : kGoods) ++perPlace[g.place];
    for (int count : perPlace) EXPECT_EQ(count, 5);
}

TEST_F(PuttingAway, TheReviewTicksTheGoodsPutAwayRightAndShowsWhereTheOthersKeep) {
    PressPlay();
    std::set<int> wrong;
    for (int n = 0; n < kDrawn; ++n) {
        if (n == 2) wrong.insert(game->GetCurrent());
        PutAway(n != 2);
    }
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    Step(20);
    for (int i = 0; i < kDrawn; ++i) {
        const CPoint mark = GroceryBoard::MarkBeside(Shown(i));
        EXPECT_TRUE(IsNear(PixelOfAFrame(Middle(Shown(i)), kW, kH), kGoodColour)) << i;
        const unsigned answer = PixelOfAFrame(Answer(i), kW, kH);
        if (wrong.count(i)) {
            EXPECT_TRUE(IsNear(PixelOfAFrame(mark, kW, kH), kCrossColour)) << i;
            EXPECT_TRUE(IsNear(answer, kPlaceColours[RightPlace(i)])) << i;
        } else {
            EXPECT_TRUE(IsNear(PixelOfAFrame(mark, kW, kH), kTickColour)) << i;
            for (unsigned colour : kPlaceColours) EXPECT_FALSE(IsNear(answer, colour)) << i;
        }
    }
}

TEST_F(PuttingAway, TheWordsStayClearOfTheSheetsInstructionAndOfTheGoodsInPlay) {
    // The sheet's written instruction, along its top (on the 1362 x 726 layout).
    const CRect strip(276 * kW / 1362, 92 * kH / 726, 1086 * kW / 1362, 142 * kH / 726);
    EXPECT_FALSE(Overlap(CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace()), strip));
    PressPlay();
    const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    for (int i = 0; i < kDrawn; ++i) {
        const CPoint at = game->GetGoodPosition(i);
        EXPECT_LT(band.bottom, at.y - 40) << "over good " << i;
    }
    PressInstructions();  // the instructions: the sheet again
    EXPECT_FALSE(Overlap(CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace()), strip));
    PressPlay();
    EXPECT_EQ(CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace()), band);
}

TEST_F(PuttingAway, AGoodLetGoOnAButtonGoesBackToTheRowAndTheButtonDoesNothing) {
    PressPlay();
    const int first = game->GetCurrent();
    const CPoint home = game->GetGoodPosition(first);
    controller->OnLButtonDown(home);
    Move(kW - 346, 52);  // over the instructions button
    ASSERT_TRUE(game->IsDragging());
    EXPECT_EQ(game->GetGoodPosition(first), CPoint(kW - 346, 52)) << "it follows the pointer over the buttons too";
    controller->OnLButtonUp(CPoint(kW - 346, 52));
    EXPECT_FALSE(game->IsDragging());
    EXPECT_EQ(game->Shell().phase, PhasePlay);
    EXPECT_EQ(game->GetGoodPosition(first), home);
    EXPECT_EQ(game->GetPlaced(first), PLACE_NONE);
}
