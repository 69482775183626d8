// The road-sign (2_3) and information-sign (2_7) hunts, played through the
// real model and controller: both run on the same tests with their own deck.
#include <cstdlib>
#include <set>
#include <string>

#include "minigames/pizzeria/CMinigame2_3.h"
#include "minigames/pizzeria/CMinigame2_7.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace Signs;

namespace {

class SignHunt : public MinigameFixture, public testing::WithParamInterface<MinigameType> {
protected:
    static constexpr int kW = 1362;  // the reference layout: places fall on their pixels
    static constexpr int kH = 726;

    SignHunt() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("strip_missed.png", 64, 64, 0xE020E0FF);  // magenta
        folder.MakeFolder("Sounds");
        // The instructions, three seconds long.
        for (const Deck* deck : {&kRoadDeck, &kInfoDeck}) WriteToneWav(folder.File("Sounds/") + deck->intro, 3000);
        for (const Deck* deck : {&kRoadDeck, &kInfoDeck})
            for (int i = 0; i < kSignCount; ++i) folder.AddPicture(deck->signs[i].picture, 256, 256);
    }
    // A clock of the test's own: it is moved past a wrong sign's pause and
    // through the instruction's seconds.
    void SetUp() override {
        const char* suiteSeed = std::getenv("ZELK_SEED");
        keptSeed = suiteSeed ? suiteSeed : "";
        setenv("ZELK_SEED", "13", 1);
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        hunt = Open<CSignHunt>(GetParam(), 1);
    }
    void TearDown() override {
        MinigameFixture::TearDown();
        if (keptSeed.empty()) unsetenv("ZELK_SEED"); else setenv("ZELK_SEED", keptSeed.c_str(), 1);
    }
    std::string keptSeed;
    int Position() const { return MinigamePosition(GetParam()); }
    const CSignHunt& Hunt() const { return *hunt; }
    void ClickSign(int sign) {
        const CPoint at = Hunt().GetSignLocation(sign);
        Click(at.x, at.y);
        Step();
    }
    void ClickAsked() { ClickSign(Hunt().GetAskedSign()); }
    void ClickWrongSign() {
        ClickSign((Hunt().GetAskedSign() + 3) % kSignCount);
        now += CMinigameShell::kPauseSeconds;
    }

    double now = 1000.0;
    const CSignHunt* hunt = nullptr;
};

}  // namespace

TEST_P(SignHunt, APerfectGameScoresTenAndIsSaved) {
    PressPlay();
    ASSERT_EQ(Hunt().Shell().phase, PhasePlay);
    for (int i = 0; i < kSignCount; ++i) {
        EXPECT_EQ(Hunt().GetAskedSign(), i);
        ClickAsked();
    }
    EXPECT_EQ(Hunt().Shell().phase, PhaseResults);  // no review without a miss
    EXPECT_EQ(Points(), 10);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, Position()), 10);
    EXPECT_EQ(model->GetTotalScore(), 10);
    Click(kW / 2, kH / 2);  // a click on the panel saves
    EXPECT_EQ(SavedCell(GetParam()), 10);
}

TEST_P(SignHunt, MissedSignsAreCrossedInTheReviewThenThePanelShowsTheRest) {
    PressPlay();
    ClickWrongSign();
    EXPECT_TRUE(Hunt().IsStepFailed());
    EXPECT_EQ(Hunt().GetStep(), 0);  // still asked
    ClickWrongSign();                // a second miss costs the same point
    ClickAsked();
    for (int i = 1; i < kSignCount; ++i) {
        if (i == 6) ClickWrongSign();
        ClickAsked();
    }
    EXPECT_EQ(Points(), 8);
    ASSERT_EQ(Hunt().Shell().phase, PhaseReview);
    EXPECT_TRUE(Hunt().WasMissed(0));
    EXPECT_TRUE(Hunt().WasMissed(6));
    EXPECT_FALSE(Hunt().WasMissed(1));
    Step(20);
    EXPECT_FLOAT_EQ(Hunt().Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    const CPoint third = Hunt().GetReviewLocation(3);
    Click(third.x, third.y);  // a sign clicked in the review is not an answer
    Step();
    EXPECT_EQ(Hunt().Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(Hunt().Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, Position()), 8);
    Click(kW / 2, kH / 2);
    EXPECT_EQ(SavedCell(GetParam()), 8);
}

TEST_P(SignHunt, EveryRightAnswerDealsANewLayoutThatStillShowsEverySign) {
    PressPlay();
    for (int i = 0; i < kSignCount - 1; ++i) {
        int before[kSignCount];
        for (int s = 0; s < kSignCount; ++s) before[s] = Hunt().GetSlotOfSign(s);
        ClickWrongSign();  // a wrong answer leaves the signs where they are
        for (int s = 0; s < kSignCount; ++s) ASSERT_EQ(Hunt().GetSlotOfSign(s), before[s]);
        ClickAsked();
        bool moved = false;
        std::set<int> slots;
        for (int s = 0; s < kSignCount; ++s) {
            moved = moved || Hunt().GetSlotOfSign(s) != before[s];
            slots.insert(Hunt().GetSlotOfSign(s));
        }
        EXPECT_TRUE(moved) << "after sign " << i;
        EXPECT_EQ(slots.size(), size_t(kSignCount)) << "two signs on one place after sign " << i;
        const CPoint asked = Hunt().GetSignLocation(Hunt().GetAskedSign());
        EXPECT_TRUE(asked.x > 0 && asked.x < kW && asked.y > 0 && asked.y < kH);
    }
}

TEST_P(SignHunt, AClickBesideEverySignIsNotAnAnswer) {
    PressPlay();
    Click(40, 300);  // the street between the signs and the edge
    Step();
    EXPECT_FALSE(Hunt().IsStepFailed());
    Click(kW - 58, 52);  // nor is the mute button
    EXPECT_FALSE(Hunt().IsStepFailed());
    ClickAsked();
    EXPECT_EQ(Points(), 1);
}

TEST_P(SignHunt, InTheIntroTheSheetCoversTheSigns) {
    ClickSign(0);
    EXPECT_EQ(Hunt().Shell().phase, PhaseIntro);
    EXPECT_EQ(Hunt().GetStep(), 0);
}

TEST_P(SignHunt, ReopeningTheInstructionsCostsTheSignNothing) {
    PressPlay();
    PressInstructions();
    EXPECT_EQ(Hunt().Shell().phase, PhaseInstructions);
    PressPlay();
    ClickAsked();
    EXPECT_EQ(Hunt().GetStep(), 1);
    EXPECT_EQ(Points(), 1);
}

TEST_P(SignHunt, AResizedViewPlacesTheSignsWhereTheyAreDrawn) {
    PressPlay();
    Frames(1, 800, 600);
    const CPoint asked = Hunt().GetSignLocation(0);
    EXPECT_LT(asked.x, 800);
    EXPECT_LT(asked.y, 600);
    Click(asked.x, asked.y);
    EXPECT_EQ(Hunt().GetStep(), 1);
    EXPECT_EQ(Points(), 1);
}

// The review lays the ten signs out in the deck's order, the first at the
// top left, smaller than in play so that all stand between the corner
// buttons and the legend; each mark stands beside its sign, not on it.
TEST_P(SignHunt, TheReviewShowsEverySignInReadingOrderWithItsMarkBesideIt) {
    PressPlay();
    ClickWrongSign();
    for (int i = 0; i < kSignCount; ++i) ClickAsked();
    ASSERT_EQ(Hunt().Shell().phase, PhaseReview);
    EXPECT_TRUE(Hunt().WasMissed(0));
    for (int i = 1; i < kSignCount; ++i) EXPECT_FALSE(Hunt().WasMissed(i)) << i;
    const int half = 64;  // 256-pixel faces at scale 1
    for (int i = 0; i < kSignCount; ++i) {
        const CPoint sign = Hunt().GetReviewLocation(i);
        const CPoint mark = Hunt().GetReviewMarkLocation(i);
        EXPECT_GE(sign.y - half, 100) << i;
        EXPECT_LE(sign.y + half + 30, kH - 80) << i;  // its meaning under it, over the legend
        EXPECT_GT(mark.x - 32, sign.x + half - 8) << i;  // beside the sign
        EXPECT_EQ(mark.y, sign.y) << i;
        if (i % kSlotColumns > 0) {
            const CPoint before = Hunt().GetReviewLocation(i - 1);
            EXPECT_EQ(sign.y, before.y) << i;
            EXPECT_GT(sign.x - half, Hunt().GetReviewMarkLocation(i - 1).x + 32) << i;  // the last mark is clear
        } else if (i > 0) {
            EXPECT_GT(sign.y, Hunt().GetReviewLocation(i - 1).y) << i;
            EXPECT_LT(sign.x, Hunt().GetReviewLocation(i - 1).x) << i;
        }
    }
    EXPECT_NEAR(Hunt().GetReviewLocation(0).x, 221, 1);  // top left
    EXPECT_NEAR(Hunt().GetReviewLocation(0).y, 210, 1);
}

TEST_P(SignHunt, HelpSpeaksTheInstructionWholeAndTheMeaningAskedWaitsForIt) {
    PressPlay();
    Step(2);
    PressHelp();
    Step(2);
    EXPECT_TRUE(Hunt().Shell().IsInstructionSpeaking());
    EXPECT_TRUE(Hunt().Shell().HasWaitingPrompt());  // the sign's meaning, not over the instruction
    now += 1.0;
    Step();
    EXPECT_TRUE(Hunt().Shell().HasWaitingPrompt());
    now += 2.5;
    Step();
    EXPECT_FALSE(Hunt().Shell().HasWaitingPrompt());
    ClickAsked();  // help costs nothing
    EXPECT_EQ(Points(), 1);
}

INSTANTIATE_TEST_SUITE_P(RoadAndInformation, SignHunt, testing::Values(MINIGAME_2_3, MINIGAME_2_7),
                         [](const testing::TestParamInfo<MinigameType>& info) {
                             return std::string(info.param == MINIGAME_2_3 ? "Road" : "Information");
                         });

// --- fair judging: the instructions free, a missed sign shown on the strip ---

// The deck asks its signs in order: sign 0, then sign 1. Sign 3 clicked
// first misses sign 0; the strip's ten steps stand 40 pixels apart about
// the middle (681): the first, at 501, shows it missed; the second, at 541,
// found at once, does not.
TEST_P(SignHunt, TheStripShowsAMissedSignAsMissed) {
    PressPlay();
    ClickSign(3);
    now += CMinigameShell::kPauseSeconds;
    ClickSign(0);
    ClickSign(1);
    ASSERT_EQ(Hunt().GetStep(), 2);
    EXPECT_EQ(Points(), 1);
    const auto magenta = [](unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    };
    EXPECT_TRUE(magenta(PixelOfAFrame(CPoint(501, 38), kW, kH)));
    EXPECT_FALSE(magenta(PixelOfAFrame(CPoint(541, 38), kW, kH)));
}

// The sheet opened before the second sign costs it nothing.
TEST_P(SignHunt, TheSheetOpenedBeforeASignCostsItNothing) {
    PressPlay();
    ClickSign(0);
    PressInstructions();
    PressPlay();
    ClickSign(1);
    EXPECT_EQ(Points(), 2);
}
