#include <set>

#include "core/CSubtitles.h"
#include "minigames/grocery/CMinigame3_4.h"
#include "minigames/grocery/GroceryBoard.h"
#include "support/MinigameFixture.h"

using namespace ProduceCodes;

namespace {

class ProduceScale : public MinigameFixture {
protected:
    static constexpr int kW = kReferenceWidth;  // keys fall on their layout pixels
    static constexpr int kH = kReferenceHeight;

    ProduceScale() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        for (int n = 1; n <= kItemCount; ++n) folder.AddPicture("FruitVeg" + std::to_string(n) + ".png", 256, 256, kItemColour);
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
    }
    static constexpr unsigned kItemColour = 0x2040E0FF, kTickColour = 0x20C040FF, kCrossColour = 0xE02020FF;
    void SetUp() override {
        MinigameFixture::SetUp();
        scale = Open<CMinigame3_4>(MINIGAME_3_4, 1);
    }
    void PressKey(int digit) { Click(scale->GetKeyLocation(digit).x, scale->GetKeyLocation(digit).y); }
    void Type(int code) {
        for (int k = 0; k < kCodeDigits; ++k) PressKey(Digit(code, k));
    }
    int AskedCode() const { return kProduce[scale->GetTurnItem(scale->GetTurn())].code; }
    // A code that is not the one asked: its last digit changed.
    int WrongCode() const { return AskedCode() / 10 * 10 + (AskedCode() % 10 + 1) % 10; }
    void TypeWrong() {
        Type(WrongCode());
        WaitOutTheWrongAnswer();
    }
    static bool Overlap(const CRect& a, const CRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }
    static CRect OnLayout(int left, int top, int right, int bottom) {
        return CRect(left * kW / kReferenceWidth, top * kH / kReferenceHeight, right * kW / kReferenceWidth,
                     bottom * kH / kReferenceHeight);
    }

    CMinigame3_4* scale = nullptr;
};

}  // namespace

TEST_F(ProduceScale, KeysLieWhereTheScalePictureDrawsThem) {
    EXPECT_EQ(scale->GetKeyLocation(1), CPoint(kKeyColumnX[0], kKeyRowY[0]));
    EXPECT_EQ(scale->GetKeyLocation(9), CPoint(kKeyColumnX[2], kKeyRowY[2]));
    EXPECT_EQ(scale->GetKeyLocation(0), CPoint(kKeyColumnX[1], kKeyRowY[3]));
    Frames(1, 800, 600);  // placed again when the view changes size
    EXPECT_EQ(scale->GetKeyLocation(0), CPoint(kKeyColumnX[1] * 800 / kW, kKeyRowY[3] * 600 / kH));
}

TEST_F(ProduceScale, APerfectGameGoesStraightToThePanelWithEight) {
    PressPlay();
    ASSERT_EQ(scale->Shell().phase, PhasePlay);
    for (int t = 0; t < kTurnCount; ++t) {
        Type(AskedCode());
        Step();
    }
    EXPECT_EQ(scale->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][3], 8);
    EXPECT_EQ(Saved().totalScore, 8);
}

TEST_F(ProduceScale, WrongCodesStillAdvanceAndTheBoardLeadsToThePanel) {
    PressPlay();
    for (int t = 0; t < kTurnCount; ++t) {
        if (t == 2 || t == 5) {
            TypeWrong();
        } else {
            Type(AskedCode());
        }
        EXPECT_EQ(scale->GetTurn(), t + 1);
    }
    Step();
    EXPECT_EQ(scale->Shell().phase, PhaseReview);
    for (int t = 0; t < kTurnCount; ++t) EXPECT_EQ(scale->IsTurnMissed(t), t == 2 || t == 5) << t;
    Step(20);  // the board's stamps fall
    EXPECT_FLOAT_EQ(scale->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    Click(200, 400);  // only play leads on
    EXPECT_EQ(scale->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(scale->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 6);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][3], 6);
    EXPECT_EQ(Saved().totalScore, 6);
}

TEST_F(ProduceScale, AClickBetweenKeysTypesNothing) {
    PressPlay();
    const CPoint one = scale->GetKeyLocation(1), two = scale->GetKeyLocation(2), four = scale->GetKeyLocation(4);
    Click((one.x + two.x) / 2, one.y);
    Click(one.x, (one.y + four.y) / 2);
    Click(one.x + 20, one.y);  // 20 pixels off is out of reach
    Click(one.x, one.y - 20);
    EXPECT_TRUE(scale->GetTypedDigits().empty());
    Click(one.x + 19, one.y - 19);  // 19 is within
    EXPECT_EQ(scale->GetTypedDigits(), std::vector<int>{1});
}

TEST_F(ProduceScale, AThreeDigitPrefixJudgesNothingTheFourthDigitDoes) {
    PressPlay();
    const int code = AskedCode();
    for (int k = 0; k < 3; ++k) PressKey(Digit(code, k));
    EXPECT_EQ(scale->GetTurn(), 0);
    EXPECT_EQ(scale->GetTypedDigits().size(), 3u);
    EXPECT_EQ(Points(), 0);
    PressKey(Digit(code, 3));
    EXPECT_EQ(scale->GetTurn(), 1);
    EXPECT_TRUE(scale->GetTypedDigits().empty());
    EXPECT_EQ(Points(), 1);
}

TEST_F(ProduceScale, NoItemIsAskedTwiceAndEveryItemComesUp) {
    std::set<int> seen;
    for (int game = 0; game < 20; ++game) {
        std::set<int> asked;
        for (int t = 0; t < kTurnCount; ++t) {
            ASSERT_GE(scale->GetTurnItem(t), 0);
            ASSERT_LT(scale->GetTurnItem(t), kItemCount);
            asked.insert(scale->GetTurnItem(t));
        }
        EXPECT_EQ(asked.size(), size_t(kTurnCount));
        seen.insert(asked.begin(), asked.end());
        scale->Unload();
        Step();
    }
    EXPECT_EQ(seen.size(), size_t(kItemCount));
}

TEST_F(ProduceScale, KeysTypeNothingBeforePlayNorOnTheBoard) {
    PressKey(4);  // the intro only shows how
    EXPECT_TRUE(scale->GetTypedDigits().empty());
    PressPlay();
    for (int t = 0; t < kTurnCount; ++t) TypeWrong();
    ASSERT_EQ(scale->Shell().phase, PhaseReview);
    PressKey(4);
    EXPECT_TRUE(scale->GetTypedDigits().empty());
    EXPECT_EQ(Points(), 0);
}

TEST_F(ProduceScale, TheKeypadLightsOnlyWhileThePointerIsOnTheScale) {
    Move(scale->GetScaleCentre().x, scale->GetScaleCentre().y);
    EXPECT_FALSE(scale->IsKeypadShown());  // not in the intro
    PressPlay();
    Move(scale->GetScaleCentre().x, scale->GetScaleCentre().y);
    EXPECT_TRUE(scale->IsKeypadShown());
    Move(200, 400);  // over the chart
    EXPECT_FALSE(scale->IsKeypadShown());
}

TEST_F(ProduceScale, TheInstructionsKeepTheTypedDigitsAndResumeTheDemonstration) {
    Step(450);  // the intro's demonstration has moved on
    EXPECT_GT(scale->GetDemoStep(), 1);
    PressPlay();
    PressKey(Digit(AskedCode(), 0));
    PressInstructions();
    EXPECT_EQ(scale->Shell().phase, PhaseInstructions);
    EXPECT_EQ(scale->GetDemoStep(), 0);
    Step(210);
    EXPECT_EQ(scale->GetDemoStep(), 1);
    PressPlay();
    EXPECT_EQ(scale->Shell().phase, PhasePlay);
    const int code = AskedCode();
    for (int k = 1; k < kCodeDigits; ++k) PressKey(Digit(code, k));
    EXPECT_EQ(Points(), 1);  // the digit typed before counts
}

TEST_F(ProduceScale, ExitInAnyPhaseLeadsToTheRoomAndTheNextVisitStartsOver) {
    for (MinigamePhase phase : {PhaseIntro, PhasePlay, PhaseReview, PhaseResults}) {
        if (phase != PhaseIntro) PressPlay();
        if (phase == PhasePlay) PressKey(1);
        if (phase == PhaseReview) for (int t = 0; t < kTurnCount; ++t) TypeWrong();
        if (phase == PhaseResults) for (int t = 0; t < kTurnCount; ++t) Type(AskedCode());
        if (phase == PhaseResults) Step();
        ASSERT_EQ(scale->Shell().phase, phase);
        PressExit();
        EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU) << phase;
        EXPECT_TRUE(scale->NeedsLoad());
        model->SetGameState(GAMESTATE_INGAME);
        Step();
        EXPECT_EQ(scale->Shell().phase, PhaseIntro);
        EXPECT_EQ(scale->GetTurn(), 0);
        EXPECT_TRUE(scale->GetTypedDigits().empty());
    }
}

TEST_F(ProduceScale, AWrongCodeShowsTheCrossAtTheKeyAndTheKeysWaitForItsEnd) {
    PressPlay();
    const int code = WrongCode();
    Type(code);
    EXPECT_EQ(scale->GetTurn(), 1);
    EXPECT_TRUE(scale->IsTurnMissed(0));
    EXPECT_TRUE(scale->Shell().IsWrongSignShown());
    const CPoint last = scale->GetKeyLocation(Digit(code, 3));
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(last, kW, kH))) << "the cross at the last key pressed";
    ASSERT_TRUE(scale->Shell().IsPaused());
    PressKey(1);  // too soon: types nothing
    EXPECT_TRUE(scale->GetTypedDigits().empty());
    WaitOutTheWrongAnswer();
    EXPECT_FALSE(scale->Shell().IsWrongSignShown());
    Type(AskedCode());
    EXPECT_EQ(scale->GetTurn(), 2);
    EXPECT_EQ(Points(), 1);
}

TEST_F(ProduceScale, TheBoardTicksTheCodesTypedRightAndCrossesTheOthersInTheOrderAsked) {
    PressPlay();
    for (int t = 0; t < kTurnCount; ++t) {
        if (t == 0 || t == 6) {
            TypeWrong();
        } else {
            Type(AskedCode());
        }
    }
    Step();
    ASSERT_EQ(scale->Shell().phase, PhaseReview);
    Step(20);
    for (int t = 0; t < kTurnCount; ++t) {
        const CRect shown = GroceryBoard::FitIn(256, 256, GroceryBoard::CellOf(t, kTurnCount, kW, kH).picture);
        const CPoint middle((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2);
        EXPECT_TRUE(IsNear(PixelOfAFrame(GroceryBoard::MarkBeside(shown), kW, kH), t == 0 || t == 6 ? kCrossColour : kTickColour))
            << t;
        EXPECT_TRUE(IsNear(PixelOfAFrame(middle, kW, kH), kItemColour)) << t;
    }
}

TEST_F(ProduceScale, TheWordsStayClearOfTheSheetsInstructionAndOfWhatTheDemonstrationLights) {
    const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    EXPECT_FALSE(Overlap(band, OnLayout(316, 92, 1116, 142))) << "the written instruction";
    EXPECT_FALSE(Overlap(band, OnLayout(kTray.left, kTray.top, kTray.right, kTray.bottom)));
    const Box cell = Cell(kExampleItem);
    EXPECT_FALSE(Overlap(band, OnLayout(cell.left, cell.top, cell.right, cell.bottom)));
    EXPECT_FALSE(Overlap(band, OnLayout(kDisplay.left, kDisplay.top, kDisplay.right, kDisplay.bottom)));
    EXPECT_FALSE(Overlap(band, OnLayout(kKeyColumnX[0] - kKeyCap, kKeyRowY[0] - kKeyCap, kKeyColumnX[2] + kKeyCap,
                                        kKeyRowY[3] + kKeyCap)));
    PressPlay();
    const CRect play = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    EXPECT_FALSE(Overlap(play, OnLayout(kKeyColumnX[0] - kKeyCap, kKeyRowY[0] - kKeyCap, kKeyColumnX[2] + kKeyCap,
                                        kKeyRowY[3] + kKeyCap)));
    PressInstructions();  // the sheet again
    EXPECT_EQ(CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace()), band);
}
