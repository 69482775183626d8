// The office building's lobby (2_4), played through the real model and
// controller.
#include "minigames/pizzeria/CMinigame2_4.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace LobbyDirectory;

namespace {

class Lobby : public MinigameFixture {
protected:
    static constexpr int kW = 1362;
    static constexpr int kH = 726;

    Lobby() : MinigameFixture(kW, kH) {}

    static constexpr unsigned kTickColour = 0x10C020FF;
    static constexpr unsigned kCrossColour = 0xE01010FF;
    static bool IsTick(unsigned rgba) { return ((rgba >> 16) & 0xFF) > 0xA0 && (rgba >> 24) < 0x50; }
    static bool IsCross(unsigned rgba) { return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x40; }

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("comicBubble.png", 1024, 256);
        // The review's two marks, each a colour of its own.
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        folder.AddPicture("strip_missed.png", 64, 64, 0xE020E0FF);  // magenta
        folder.MakeFolder("Sounds");
        WriteToneWav(folder.File("Sounds/chime.mp3"), 2000);
        WriteToneWav(folder.File("Sounds/Intro2_4.mp3"), 1500);
        WriteToneWav(folder.File("Sounds/visiteur1.mp3"), 500);
    }
    // A clock of the test's own: it is moved past a wrong button's pause and
    // through the instruction's seconds.
    void SetUp() override {
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        lobby = Open<CMinigame2_4>(MINIGAME_2_4, 1);
    }
    void Press(int floor) {
        const CPoint at = lobby->GetButtonLocation(floor);
        Click(at.x, at.y);
        Step();
    }
    int RightFloor() const { return kTenants[kVisitors[lobby->GetStep()].tenant].floor; }
    void PressRight() { Press(RightFloor()); }
    void PressWrong() {
        Press(RightFloor() == 9 ? 4 : 9);
        now += CMinigameShell::kPauseSeconds;
    }

    double now = 1000.0;
    CMinigame2_4* lobby = nullptr;
};

}  // namespace

TEST_F(Lobby, FiveRightButtonsScoreFiveAndAreSaved) {
    PressPlay();
    ASSERT_EQ(lobby->Shell().phase, PhasePlay);
    for (int i = 0; i < kVisitorCount; ++i) PressRight();
    EXPECT_EQ(lobby->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 5);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, 3), 5);
    EXPECT_EQ(model->GetTotalScore(), 5);
    Click(kW / 2, kH / 2);
    EXPECT_EQ(SavedCell(MINIGAME_2_4), 5);
}

TEST_F(Lobby, AWrongFloorCostsThatDeliveryAndEndsOnTheStampedPanel) {
    PressPlay();
    // Julie Gagnon: Paul Gagnon's floor is the trap.
    ASSERT_STREQ(kTenants[kVisitors[0].tenant].surname, kTenants[4].surname);
    Press(kTenants[4].floor);
    now += CMinigameShell::kPauseSeconds;
    EXPECT_TRUE(lobby->IsStepFailed());
    EXPECT_EQ(lobby->GetStep(), 0);
    PressRight();
    PressRight();
    PressRight();
    PressWrong();
    PressWrong();
    PressRight();
    PressRight();
    EXPECT_EQ(Points(), 3);
    ASSERT_EQ(lobby->Shell().phase, PhaseReview);
    EXPECT_TRUE(lobby->WasMissed(0));
    EXPECT_TRUE(lobby->WasMissed(3));
    EXPECT_FALSE(lobby->WasMissed(4));
    Step(20);
    EXPECT_FLOAT_EQ(lobby->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    PressPlay();
    EXPECT_EQ(lobby->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, 3), 3);
    Click(kW / 2, kH / 2);
    EXPECT_EQ(SavedCell(MINIGAME_2_4), 3);
}

TEST_F(Lobby, InputIsIgnoredForASecondAfterAWrongButton) {
    PressPlay();
    Press(RightFloor() == 9 ? 4 : 9);
    now += 0.5;
    PressRight();  // too soon
    EXPECT_EQ(lobby->GetStep(), 0);
    now += 0.5;
    PressRight();
    EXPECT_EQ(lobby->GetStep(), 1);
    EXPECT_EQ(Points(), 0);
}

TEST_F(Lobby, AButtonChimesOnceWhenThePointerComesOntoIt) {
    PressPlay();
    const CPoint four = lobby->GetButtonLocation(4);
    model->StopSoundFile();
    Move(four.x, four.y);
    EXPECT_EQ(lobby->GetHoveredButton(), 4);
    EXPECT_TRUE(model->IsSoundPlaying());
    model->StopSoundFile();
    Move(four.x + 3, four.y + 2);  // still on it: no second chime
    EXPECT_FALSE(model->IsSoundPlaying());
    Move(10, 400);
    EXPECT_EQ(lobby->GetHoveredButton(), -1);
    Move(four.x, four.y);
    EXPECT_TRUE(model->IsSoundPlaying());
}

TEST_F(Lobby, TheBubbleAndTheWallAreNoButtons) {
    PressPlay();
    const CPoint bubble = lobby->GetBubbleLocation();
    Click(bubble.x, bubble.y);  // says the name again
    Click(640, 650);            // the floor of the hall
    Step();
    EXPECT_FALSE(lobby->IsStepFailed());
    EXPECT_EQ(lobby->GetStep(), 0);
}

TEST_F(Lobby, TheTutorialExplainsEachPartOfANameAndTheButton) {
    for (int part = 0; part < kPartCount; ++part) {
        const CPoint at = lobby->GetPartLocation(part);
        model->StopSoundFile();
        Click(at.x, at.y);
        EXPECT_EQ(lobby->GetSelectedPart(), part);
        EXPECT_EQ(lobby->Shell().crosshairs->GetPosition(), at);
    }
    const CPoint last = lobby->GetPartLocation(kPartCount - 1);
    Click(last.x, last.y);  // a second click lets it go
    EXPECT_EQ(lobby->GetSelectedPart(), -1);
    const CPoint four = lobby->GetButtonLocation(4);
    Click(four.x, four.y);  // the panel is under the tutorial
    EXPECT_EQ(lobby->Shell().phase, PhaseIntro);
    EXPECT_EQ(lobby->GetStep(), 0);
}

TEST_F(Lobby, ReopeningTheTutorialCostsTheDeliveryNothing) {
    PressPlay();
    PressInstructions();
    EXPECT_EQ(lobby->Shell().phase, PhaseInstructions);
    PressPlay();
    PressRight();
    EXPECT_EQ(lobby->GetStep(), 1);
    EXPECT_EQ(Points(), 1);
}

TEST_F(Lobby, ButtonsFollowThePanelAtAnotherViewSize) {
    PressPlay();
    Frames(1, 1024, 600);
    const CPoint ten = lobby->GetButtonLocation(10);
    EXPECT_EQ(ten.x, int(1024 * (kPanelX / 1362.0)) + 50);
    Press(RightFloor());
    Frames(1, 1024, 600);
    EXPECT_EQ(lobby->GetStep(), 1);
}

TEST_F(Lobby, AWrongButtonRaisesTheWrongSignThatIsGoneASecondLaterAndARightOneRaisesNone) {
    PressPlay();
    const int wrong = RightFloor() == 9 ? 4 : 9;
    const CPoint at = lobby->GetButtonLocation(wrong);
    Click(at.x, at.y);
    EXPECT_TRUE(lobby->Shell().IsWrongSignShown());
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(at, kW, kH))) << std::hex << PixelOfAFrame(at, kW, kH);
    Step(CMinigameShell::kWrongSignFrames + 1);
    EXPECT_FALSE(lobby->Shell().IsWrongSignShown());
    EXPECT_FALSE(IsCrossRed(PixelOfAFrame(at, kW, kH)));
    now += CMinigameShell::kPauseSeconds;
    const CPoint right = lobby->GetButtonLocation(RightFloor());
    Click(right.x, right.y);
    EXPECT_FALSE(lobby->Shell().IsWrongSignShown());
}

// The review says one thing: the tick beside each delivery found at the
// first press, the cross beside each one missed, with the button it wanted.
TEST_F(Lobby, TheReviewTicksTheDeliveriesFoundAndCrossesTheMissedOnesWithTheirButton) {
    PressPlay();
    PressWrong();  // Julie Gagnon
    PressRight();
    PressRight();
    PressRight();
    PressWrong();  // Luc Morin
    PressRight();
    PressRight();
    ASSERT_EQ(lobby->Shell().phase, PhaseReview);
    Step(20);  // the marks have fallen
    for (int v = 0; v < kVisitorCount; ++v) {
        const CPoint mark = lobby->GetReviewMark(v);
        const unsigned pixel = PixelOfAFrame(mark, kW, kH);
        if (v == 0 || v == 3) {
            EXPECT_TRUE(IsCross(pixel)) << v << " " << std::hex << pixel;
        } else {
            EXPECT_TRUE(IsTick(pixel)) << v << " " << std::hex << pixel;
        }
        // In their order from the top, clear of the corner buttons and of the legend.
        EXPECT_GT(mark.y - 32, 84) << v;
        EXPECT_LT(mark.y + 32, kH - 80) << v;
        if (v > 0) {
            EXPECT_GT(mark.y, lobby->GetReviewMark(v - 1).y) << v;
        }
    }
    EXPECT_EQ(CMinigame2_4::ReviewName(0), "Julie Gagnon");
    EXPECT_EQ(CMinigame2_4::ReviewAnswer(0), "Bureau 410 : bouton 4");
    EXPECT_EQ(CMinigame2_4::ReviewName(3), "Luc Morin");
    EXPECT_EQ(CMinigame2_4::ReviewAnswer(3), "Bureau 1003 : bouton 10");
    EXPECT_EQ(CMinigame2_4::ReviewAnswer(4), "Bureau 702 : bouton 7");
    // The floors of the panel carry no stamp any more.
    for (int floor : {4, 10}) {
        const unsigned pixel = PixelOfAFrame(lobby->GetButtonLocation(floor), kW, kH);
        EXPECT_FALSE(IsTick(pixel) || IsCross(pixel)) << floor << " " << std::hex << pixel;
    }
}

TEST_F(Lobby, AGameWithoutAMissGoesStraightToTheScorePanel) {
    PressPlay();
    for (int i = 0; i < kVisitorCount - 1; ++i) PressRight();
    EXPECT_EQ(lobby->Shell().phase, PhasePlay);
    PressRight();
    EXPECT_EQ(lobby->Shell().phase, PhaseResults);
}

// Help speaks the whole instruction; the name of the pizza's customer waits
// for its end instead of cutting it.
TEST_F(Lobby, HelpSpeaksTheWholeInstructionAndTheNameAfterIt) {
    PressPlay();
    Step(2);
    EXPECT_FALSE(lobby->Shell().HasWaitingPrompt());
    PressHelp();
    Step();
    EXPECT_TRUE(lobby->Shell().IsInstructionSpeaking());
    EXPECT_TRUE(lobby->Shell().HasWaitingPrompt());
    const uint64_t plays = model->GetSoundPlayer().PlayCount();
    now += 1.0;
    Step(3);
    EXPECT_EQ(model->GetSoundPlayer().PlayCount(), plays);  // the instruction goes on
    now += 0.6;
    Step();
    EXPECT_FALSE(lobby->Shell().HasWaitingPrompt());
    EXPECT_EQ(model->GetSoundPlayer().PlayCount(), plays + 1);
    EXPECT_TRUE(model->IsSoundPlaying());
}

// The pause after a wrong button lasts as long as the error sound.
TEST_F(Lobby, AWrongButtonPausesUntilItsSoundHasEnded) {
    WriteToneWav(folder.File("Sounds/error.mp3"), 1600);
    PressPlay();
    Press(RightFloor() == 9 ? 4 : 9);
    now += 1.2;
    PressRight();  // the sound still plays
    EXPECT_EQ(lobby->GetStep(), 0);
    now += 0.5;
    PressRight();
    EXPECT_EQ(lobby->GetStep(), 1);
}

// --- fair judging: the tutorial free, a missed delivery shown on the strip ---

// Julie Gagnon lives on the 4th floor; the 9th (Paul Gagnon's) misses her
// delivery. Marc Tremblay, on the 3rd, is found at once. The strip's five
// steps stand 40 pixels apart about the middle (681): the first, at 601,
// shows the delivery missed; the second, at 641, does not.
TEST_F(Lobby, TheStripShowsAMissedDeliveryAsMissed) {
    PressPlay();
    Press(9);
    now += CMinigameShell::kPauseSeconds;
    Press(4);
    Press(3);
    ASSERT_EQ(lobby->GetStep(), 2);
    EXPECT_EQ(Points(), 1);
    const auto magenta = [](unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    };
    EXPECT_TRUE(magenta(PixelOfAFrame(CPoint(601, 38), kW, kH)));
    EXPECT_FALSE(magenta(PixelOfAFrame(CPoint(641, 38), kW, kH)));
}

// The tutorial opened before Marc Tremblay's delivery costs it nothing.
TEST_F(Lobby, TheTutorialOpenedBeforeADeliveryCostsItNothing) {
    PressPlay();
    Press(4);
    PressInstructions();
    PressPlay();
    Press(3);
    EXPECT_EQ(Points(), 2);
}
