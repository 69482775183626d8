#include "minigames/dentist/CMinigame1_8.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace CallTransfers;
using namespace TelephoneKeypad;

namespace {

class Transfers : public MinigameFixture {
protected:
    static constexpr int kW = TelephoneKeypad::kReferenceWidth;  // keys fall on their reference pixels
    static constexpr int kH = TelephoneKeypad::kReferenceHeight;

    Transfers() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("error.png", 64, 64, kTick);
        folder.AddPicture("review_missed.png", 64, 64, kCross);
        folder.AddPicture("strip_missed.png", 64, 64, 0xE020E0FF);  // magenta
        folder.AddPicture("button_subtitles.png", 64, 64);
        folder.AddPicture("button_subtitles_off.png", 64, 64);
        folder.MakeFolder("Sounds");
        WriteToneWav(folder.File("Sounds/") + kReminder, 2000);
    }
    // A clock of the test's own: each key is pressed past the pause a wrong
    // one starts, and a test moves it through the error's sound.
    void SetUp() override {
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        game = Open<CMinigame1_8>(MINIGAME_1_8, 1);
    }
    void Press(int key) {
        const CPoint p = game->GetKeyLocation(key);
        Click(p.x, p.y);
    }
    void Dial(const std::string& symbols) {
        for (char symbol : symbols) {
            for (int key = 0; key < kKeyCount; ++key)
                if (kKeys[key].symbol == symbol) Press(key);
            now += CMinigameShell::kPauseSeconds;  // past the pause a wrong digit starts
            Step();
        }
    }
    void DialRight() { Dial(Extension(game->GetMessageIndex())); }

    static constexpr unsigned kTick = 0x20C040FF, kCross = 0xE02020FF;
    // The review's marks: the tick (green) or the cross (red).
    static char MarkAt(unsigned rgba) {
        const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF;
        return g > 0x90 && r < 0x60 ? 'T' : r > 0xB0 && g < 0x60 ? 'X' : '-';
    }
    uint64_t Plays() { return model->GetSoundPlayer().PlayCount(); }

    double now = 1000.0;
    CMinigame1_8* game = nullptr;
};

}  // namespace

TEST_F(Transfers, TheGameOpensOnTheFirstCallWithItsExtensionExpected) {
    EXPECT_EQ(game->Shell().phase, PhasePlay);
    EXPECT_EQ(game->GetMessageIndex(), 0);
    EXPECT_EQ(game->GetExpected(), "11");
    EXPECT_STREQ(game->GetCurrentMessage(), "Intro1_8.mp3");
    EXPECT_EQ(game->GetKeyLocation(KEY_HASH), CPoint(623, 622));
    // The review's rows: down the middle in call order, clear of the corner
    // buttons and of the legend, each mark on its row's left.
    EXPECT_EQ(game->GetReviewRow(0), CPoint(kW / 2 - 330, kH / 2 - 165));
    for (int call = 1; call < kCallCount; ++call)
        EXPECT_EQ(game->GetReviewRow(call).y - game->GetReviewRow(call - 1).y, 66) << call;
    EXPECT_GT(game->GetReviewMark(0).y - 32, 84);
    EXPECT_LT(game->GetReviewMark(kCallCount - 1).y + 32, kH - 80);
    EXPECT_LT(game->GetReviewMark(0).x + 32, game->GetReviewRow(0).x);
}

TEST_F(Transfers, SixRightExtensionsGoStraightToTheResultsAndAreSaved) {
    for (int call = 0; call < kCallCount; ++call) {
        EXPECT_EQ(game->GetExpected(), Extension(call));
        DialRight();
    }
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 6);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(MINIGAME_1_8), 6);
    EXPECT_EQ(model->GetTotalScore(), 6);
}

TEST_F(Transfers, AFailedCallLeadsToTheReviewWithMarksOnTheRightOnes) {
    DialRight();
    Dial("9");  // the second call (12) fails on its first key
    EXPECT_TRUE(game->IsFailed(1));
    EXPECT_EQ(game->GetMessageIndex(), 2);
    EXPECT_EQ(game->GetDialled(), "");
    while (game->GetMessageIndex() < kCallCount) DialRight();
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 5);
    for (int call = 0; call < kCallCount; ++call) EXPECT_EQ(game->IsFailed(call), call == 1) << call;
    Step(20);  // the marks fall and rest
    EXPECT_FLOAT_EQ(game->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    // The tick beside each call put through, the cross beside the lost one,
    // whose row says "poste 12" and what was dialled.
    for (int call = 0; call < kCallCount; ++call)
        EXPECT_EQ(MarkAt(PixelOfAFrame(game->GetReviewMark(call), kW, kH)), call == 1 ? 'X' : 'T') << call;
    EXPECT_STREQ(kStaff[kCalls[1].person].extension, "12");
    EXPECT_EQ(game->GetLostDigits(1), "9");
    Click(300, 300);  // only the play button leaves the review
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(MINIGAME_1_8), 5);
    EXPECT_EQ(model->GetTotalScore(), 5);
}

TEST_F(Transfers, FourThreeOneEarnsOnTheThirdKeyAndFourOneFailsOnTheSecond) {
    for (int call = 0; call < 5; ++call) DialRight();
    ASSERT_EQ(game->GetExpected(), "431");
    Dial("43");
    EXPECT_EQ(game->GetDialled(), "43");
    EXPECT_EQ(Points(), 5);
    Dial("1");
    EXPECT_EQ(Points(), 6);
    EXPECT_EQ(game->Shell().phase, PhaseResults);

    model->SetGameState(GAMESTATE_SUBMENU);
    game->Unload();
    model->SetGameState(GAMESTATE_INGAME);
    Step();
    for (int call = 0; call < 5; ++call) DialRight();
    Dial("4");
    EXPECT_FALSE(game->IsFailed(5));
    Dial("1");
    EXPECT_TRUE(game->IsFailed(5));
    EXPECT_EQ(game->Shell().phase, PhaseReview);
}

TEST_F(Transfers, TheEmergencyLineIsZeroAtOnceAndAnyOtherFirstKeyFailsIt) {
    for (int call = 0; call < 3; ++call) DialRight();
    ASSERT_EQ(game->GetExpected(), "0");
    Dial("0");
    EXPECT_EQ(Points(), 4);
    EXPECT_FALSE(game->IsFailed(3));

    game->Unload();
    Step();
    for (int call = 0; call < 3; ++call) DialRight();
    Dial("1");
    EXPECT_TRUE(game->IsFailed(3));
    EXPECT_EQ(game->GetMessageIndex(), 4);
}

TEST_F(Transfers, HashAndStarPressedFirstFailTheCall) {
    Dial("#");
    EXPECT_TRUE(game->IsFailed(0));
    Dial("*");
    EXPECT_TRUE(game->IsFailed(1));
    EXPECT_EQ(game->GetMessageIndex(), 2);
    EXPECT_EQ(Points(), 0);
}

TEST_F(Transfers, AClickOnNoKeyChangesNothing) {
    Dial("1");
    // Between keys 1 and 2, 29 pixels from each; and far off on the desk.
    Click(538, 488);
    Click(1100, 300);
    EXPECT_EQ(game->GetDialled(), "1");
    EXPECT_EQ(game->GetMessageIndex(), 0);
    EXPECT_FALSE(game->IsFailed(0));
    Dial("1");
    EXPECT_EQ(Points(), 1);
}

// The next call comes once the error has been heard: its card and its
// voice never come over the cross and the error sound.
TEST_F(Transfers, AWrongDigitHoldsInputUntilTheErrorHasEndedAndTheNextCallWaitsForIt) {
    WriteToneWav(folder.File("Sounds/error.mp3"), 3000);
    Press(KEY_9);
    ASSERT_TRUE(game->IsFailed(0));
    Step(2);
    EXPECT_EQ(game->GetMessageIndex(), 0);  // still the lost call
    EXPECT_EQ(game->Shell().GetProgress(), 2);  // the strip: that call is over
    Press(KEY_1);  // too soon: ignored
    EXPECT_EQ(game->GetDialled(), "9");
    now += CMinigameShell::kPauseSeconds;
    Step();
    Press(KEY_1);  // a second on, the three-second error still sounds
    EXPECT_EQ(game->GetDialled(), "9");
    EXPECT_EQ(game->GetMessageIndex(), 0);
    now += 2.0;
    Press(KEY_1);  // the click comes before the frame that would have moved on
    EXPECT_EQ(game->GetMessageIndex(), 1);
    EXPECT_STREQ(game->GetCurrentMessage(), kCalls[1].recording);
    EXPECT_EQ(game->GetDialled(), "1");
    model->StopSoundFile();
    Step();
    EXPECT_TRUE(game->IsMessagePlayed());
}

// The intro and the second call with voices of two seconds.
class TransfersSpoken : public Transfers {
protected:
    void Pictures() override {
        Transfers::Pictures();
        WriteToneWav(folder.File("Sounds/") + kIntro, 2000);
        WriteToneWav(folder.File("Sounds/") + kCalls[1].recording, 2000);
    }
};

// Help speaks the intro again, whole: the call under way is heard after it.
TEST_F(TransfersSpoken, HelpsInstructionIsNotCutByTheCallAndTheCallFollowsIt) {
    now += 3.0;  // past the intro of the start
    DialRight();
    Step();
    ASSERT_EQ(game->GetMessageIndex(), 1);
    ASSERT_TRUE(game->IsMessagePlayed());
    PressHelp();
    const uint64_t afterHelp = Plays();
    Step(30);
    EXPECT_TRUE(game->Shell().IsInstructionSpeaking());
    EXPECT_TRUE(game->Shell().HasWaitingPrompt());
    EXPECT_EQ(Plays(), afterHelp);  // nothing cut the intro
    now += 2.0;
    Step();
    EXPECT_FALSE(game->Shell().HasWaitingPrompt());
    EXPECT_EQ(Plays(), afterHelp + 1);  // the second call, after it
}

// On the chart the strip and the subtitles button are hidden: a click
// where that button would be changes no setting, and help still speaks.
TEST_F(Transfers, TheChartHidesTheSubtitlesButtonAndItsClicks) {
    PressInstructions();
    ASSERT_EQ(game->Shell().phase, PhaseInstructions);
    Step();
    const bool subtitles = model->SubtitlesOn();
    PressSubtitles();
    EXPECT_EQ(model->SubtitlesOn(), subtitles);
    EXPECT_EQ(game->Shell().phase, PhaseInstructions);
    PressPlay();
    Step();
    PressSubtitles();  // shown again in play
    EXPECT_NE(model->SubtitlesOn(), subtitles);
}

TEST_F(Transfers, TheChartLetsTheDigitKeysSpeakAndPlayResumesTheCall) {
    Dial("1");
    PressInstructions();
    ASSERT_EQ(game->Shell().phase, PhaseInstructions);
    Press(KEY_6);
    EXPECT_EQ(game->GetSelectedKey(), 6);
    EXPECT_TRUE(model->IsSoundPlaying());  // the reminder
    model->StopSoundFile();
    Press(KEY_8);  // selected, says nothing
    EXPECT_EQ(game->GetSelectedKey(), 8);
    EXPECT_FALSE(model->IsSoundPlaying());
    Press(KEY_HASH);  // not a key of the chart's view
    EXPECT_EQ(game->GetSelectedKey(), 8);
    EXPECT_EQ(game->GetDialled(), "1");  // exploring dials nothing
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhasePlay);
    EXPECT_EQ(game->GetSelectedKey(), -1);
    Dial("1");
    EXPECT_EQ(Points(), 1);
}

TEST_F(Transfers, LeavingAndComingBackStartsOverAtTheFirstCall) {
    DialRight();
    Dial("5");
    PressExit();
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_TRUE(game->NeedsLoad());
    model->SetGameState(GAMESTATE_INGAME);
    Step();
    EXPECT_EQ(game->Shell().phase, PhasePlay);
    EXPECT_EQ(game->GetMessageIndex(), 0);
    EXPECT_FALSE(game->IsFailed(1));
    EXPECT_EQ(Points(), 0);
}

TEST_F(Transfers, KeysArePlacedAgainWhenTheViewChangesSize) {
    Frames(1, 800, 600);
    EXPECT_EQ(game->GetKeyLocation(KEY_5), CPoint(int(800 * (566 / 1357.0)), int(600 * (532 / 718.0))));
    Dial("1");
    EXPECT_EQ(game->GetDialled(), "1");  // the call is not reset by the new placing
}

TEST_F(Transfers, AWrongDigitShowsARedCrossOnItsKeyThatIsGoneASecondLaterAndARightOneShowsNone) {
    const CPoint at = game->GetKeyLocation(KEY_9);
    Press(KEY_9);
    ASSERT_TRUE(game->IsFailed(0));
    EXPECT_TRUE(game->Shell().IsWrongSignShown());
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(at, kW, kH)));
    Step(CMinigameShell::kWrongSignFrames);
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
    EXPECT_FALSE(IsCrossRed(PixelOfAFrame(at, kW, kH)));
    now += CMinigameShell::kPauseSeconds;
    Dial(std::string(Extension(game->GetMessageIndex()), 1));  // the start of the right extension
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
}

// --- fair judging: a lost call shown on the strip ---

// The first call wants 11: 9 loses it; the second, 12, is put through.
// The strip's six steps stand 40 pixels apart about the middle (678): the
// first, at 578, shows the call missed; the second, at 618, does not.
TEST_F(Transfers, TheStripShowsALostCallAsMissed) {
    Dial("9");
    ASSERT_TRUE(game->IsFailed(0));
    now += 30.0;  // the error's sound is over: the next call comes
    Step(2);
    Dial("12");
    ASSERT_EQ(game->GetMessageIndex(), 2);
    EXPECT_EQ(Points(), 1);
    const auto magenta = [](unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    };
    EXPECT_TRUE(magenta(PixelOfAFrame(CPoint(578, 38), kW, kH)));
    EXPECT_FALSE(magenta(PixelOfAFrame(CPoint(618, 38), kW, kH)));
}
