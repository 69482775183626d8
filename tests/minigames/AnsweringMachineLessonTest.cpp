#include "minigames/dentist/CMinigame1_1.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace AnsweringMachine;

namespace {

class Lesson : public MinigameFixture {
protected:
    static constexpr int kW = kReferenceWidth;  // keys fall on their reference pixels
    static constexpr int kH = kReferenceHeight;

    Lesson() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("strip_missed.png", 64, 64, kMissedColour);
        folder.MakeFolder("Sounds");
        for (const KeyInfo& key : kKeys) WriteToneWav(folder.File("Sounds/") + key.explanation, 2000);
    }
    // A clock of the test's own: a test moves it across the pause a wrong
    // click starts, or to the middle of it.
    void SetUp() override {
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        lesson = Open<CMinigame1_1>(MINIGAME_1_1, 1);
    }
    void Press(CPoint p) { Click(p.x, p.y); }
    void PressKey(int key) { Press(lesson->GetKeyLocation(key)); }
    void PressStep() { PressKey(kSteps[lesson->GetStep()].key); }
    void PressWrong() {
        Click(200, 300);
        now += CMinigameShell::kPauseSeconds;
    }

    static constexpr unsigned kMissedColour = 0xE020E0FF;  // magenta
    static bool IsMissedMark(unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    }
    double now = 1000.0;
    CMinigame1_1* lesson = nullptr;
};

}  // namespace

TEST_F(Lesson, KeysLieOnTheMachinesReferencePositions) {
    EXPECT_EQ(lesson->GetKeyLocation(KEY_REWIND), CPoint(510, 482));
    EXPECT_EQ(lesson->GetKeyLocation(KEY_MUTE), CPoint(869, 623));
    // The factors are the reference pixel over the reference size.
    EXPECT_DOUBLE_EQ(kKeys[KEY_LISTEN].x / double(kReferenceWidth), 0.6072218128224024);
    EXPECT_DOUBLE_EQ(kKeys[KEY_SPEAKER].y / double(kReferenceHeight), 0.8690807799442897);
}

TEST_F(Lesson, TwentyPixelsAwayIsNotNear) {
    EXPECT_TRUE(CMinigame1_1::closeEnough(CPoint(0, 0), CPoint(0, 19)));
    EXPECT_TRUE(CMinigame1_1::closeEnough(CPoint(0, 0), CPoint(14, 14)));   // 19.8
    EXPECT_FALSE(CMinigame1_1::closeEnough(CPoint(0, 0), CPoint(12, 16)));  // exactly 20.0
    EXPECT_FALSE(CMinigame1_1::closeEnough(CPoint(5, 5), CPoint(5, 25)));
}

TEST_F(Lesson, ExploringAKeySpeaksItAndASecondClickDeselectsSilently) {
    PressKey(KEY_ERASE);
    EXPECT_EQ(lesson->GetSelectedButton(), KEY_ERASE);
    EXPECT_EQ(lesson->Shell().crosshairs->GetPosition(), lesson->GetKeyLocation(KEY_ERASE));
    EXPECT_TRUE(model->IsSoundPlaying());
    model->StopSoundFile();
    PressKey(KEY_ERASE);
    EXPECT_EQ(lesson->GetSelectedButton(), -1);
    EXPECT_FALSE(model->IsSoundPlaying());
    Click(300, 150);  // far from every key: the crosshairs leave
    EXPECT_EQ(lesson->Shell().crosshairs->GetPosition(), CPoint(-100, -100));
}

TEST_F(Lesson, WhenTwoKeysAreNearTheLaterOneWins) {
    model->SetGameState(GAMESTATE_SUBMENU);
    model->SetGameState(GAMESTATE_INGAME);
    lesson->Unload();
    Frames(1, 800, 600);  // rewind (300, 402) and replay (300, 440) are 38 apart here
    Click(300, 421);
    EXPECT_EQ(lesson->GetSelectedButton(), KEY_REPLAY);
}

TEST_F(Lesson, TheKeysMoveWithTheViewAndAreJudgedWhereTheyShow) {
    Frames(1, 1366, 768);  // full screen
    const CPoint fullScreen = lesson->GetKeyLocation(KEY_ERASE);
    Frames(1, 1024, 700);  // F11: back in a window
    const CPoint windowed = lesson->GetKeyLocation(KEY_ERASE);
    EXPECT_EQ(windowed, CPoint(static_cast<int>(1024 * (510 / 1357.0)), static_cast<int>(700 * (571 / 718.0))));
    EXPECT_NE(windowed, fullScreen);
    Click(1024 - 250, 52);  // play, where it shows now
    ASSERT_EQ(lesson->Shell().phase, PhasePlay);
    Press(windowed);
    EXPECT_EQ(lesson->GetStep(), 1);
    EXPECT_FALSE(lesson->IsStepFailed());
    EXPECT_EQ(Points(), 1);
}

TEST_F(Lesson, APerfectGameScoresSeven) {
    PressPlay();
    EXPECT_EQ(lesson->Shell().phase, PhasePlay);
    for (int i = 0; i < kStepCount; ++i) {
        PressStep();
        Step();
    }
    EXPECT_EQ(lesson->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 7);
    ASSERT_TRUE(FinishPanel());
    Step();  // the buttons drawn
    EXPECT_EQ(model->GetCompte(0, 0), 7);
    EXPECT_EQ(model->GetTotalScore(), 7);
}

TEST_F(Lesson, AWrongClickForfeitsTheStepWhichStillAdvancesWhenRight) {
    PressPlay();
    PressWrong();
    EXPECT_TRUE(lesson->IsStepFailed());
    EXPECT_EQ(lesson->GetStep(), 0);
    PressWrong();  // several wrong clicks cost the same single point
    PressStep();
    EXPECT_EQ(lesson->GetStep(), 1);
    EXPECT_EQ(Points(), 0);
    for (int i = 1; i < kStepCount; ++i) PressStep();
    Step();
    EXPECT_EQ(Points(), 6);
}

TEST_F(Lesson, AfterAWrongClickInputIsIgnoredForASecondWhileFramesGoOn) {
    PressPlay();
    Click(200, 300);
    now += 0.5;
    PressStep();  // too soon: ignored
    Step(3);
    EXPECT_EQ(lesson->GetStep(), 0);
    now += 0.5;
    PressStep();
    EXPECT_EQ(lesson->GetStep(), 1);
}

TEST_F(Lesson, ReopeningTheInstructionsCostsTheStepNothing) {
    PressPlay();
    PressInstructions();
    EXPECT_EQ(lesson->Shell().phase, PhaseInstructions);
    PressKey(KEY_SAVE);  // exploring is allowed there
    EXPECT_EQ(lesson->GetSelectedButton(), KEY_SAVE);
    PressPlay();
    EXPECT_EQ(lesson->Shell().phase, PhasePlay);
    EXPECT_EQ(lesson->GetSelectedButton(), -1);
    PressStep();
    EXPECT_EQ(lesson->GetStep(), 1);
    EXPECT_EQ(Points(), 1);
}

TEST_F(Lesson, TheMuteButtonNeverCountsAsAnAnswer) {
    PressPlay();
    Click(kW - 58, 52);
    EXPECT_TRUE(model->IsMuted());
    EXPECT_FALSE(lesson->IsStepFailed());
    EXPECT_EQ(lesson->GetStep(), 0);
    PressHelp();  // nor does help
    EXPECT_FALSE(lesson->IsStepFailed());
}

TEST_F(Lesson, ExitInAnyPhaseLeadsToTheRoomAndTheNextVisitStartsOver) {
    for (int phase : {PhaseIntro, PhasePlay, PhaseInstructions, PhaseResults}) {
        PressPlay();
        PressStep();
        if (phase == PhaseInstructions) PressInstructions();
        if (phase == PhaseResults) {
            while (lesson->GetStep() < kStepCount) PressStep();
            Step();
        }
        if (phase == PhaseIntro) {
            lesson->Unload();
            Step();
        }
        ASSERT_EQ(lesson->Shell().phase, phase);
        PressExit();
        EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU) << phase;
        EXPECT_TRUE(lesson->NeedsLoad());
        model->SetGameState(GAMESTATE_INGAME);
        Step();
        EXPECT_EQ(lesson->Shell().phase, PhaseIntro);
        EXPECT_EQ(lesson->GetStep(), 0);
    }
}

TEST_F(Lesson, PlayingAgainFromThePanelStartsOverAndKeepsTheTotal) {
    PressPlay();
    for (int i = 0; i < kStepCount; ++i) PressStep();
    Step();
    ASSERT_TRUE(FinishPanel());
    Step();  // the buttons drawn
    Click(150, kH - 101);  // the panel's restart button
    EXPECT_EQ(model->GetGameState(), GAMESTATE_INGAME);
    EXPECT_EQ(lesson->Shell().phase, PhaseIntro);
    EXPECT_EQ(model->GetCompte(0, 0), 7);  // kept until the new game reaches its panel
    EXPECT_EQ(model->GetTotalScore(), 7);
    EXPECT_EQ(Saved().compte[0][0], 7);
}

TEST_F(Lesson, AWrongKeyShowsARedCrossAtTheClickThatIsGoneASecondLater) {
    PressPlay();
    GlWindow::BeginFrame();
    Step();
    const unsigned before = GlWindow::ReadPixel(200, 300);
    Click(200, 300);  // no key there
    EXPECT_TRUE(lesson->Shell().IsWrongSignShown());
    GlWindow::BeginFrame();
    Step();
    const unsigned shown = GlWindow::ReadPixel(200, 300);
    EXPECT_GT((shown >> 24) & 0xFF, 0xB0u) << "red at the click";
    EXPECT_LT((shown >> 16) & 0xFF, 0x60u);
    EXPECT_NE(shown, before);
    Step(CMinigameShell::kWrongSignFrames);  // under a second at 64 frames a second
    EXPECT_FALSE(lesson->Shell().IsWrongSignShown());
    GlWindow::BeginFrame();
    Step();
    EXPECT_EQ(GlWindow::ReadPixel(200, 300), before);
    // A right key shows no cross.
    now += CMinigameShell::kPauseSeconds;
    PressStep();
    EXPECT_FALSE(lesson->Shell().IsWrongSignShown());
}

// --- fair judging: the instructions free, a missed step shown, leaving ---

// The first step asks for erase: opened again on the way, the sheet costs
// the step nothing, and the key earns its point.
TEST_F(Lesson, TheSheetOpenedDuringPlayCostsNothing) {
    PressPlay();
    PressInstructions();
    ASSERT_EQ(lesson->Shell().phase, PhaseInstructions);
    PressPlay();
    PressKey(KEY_ERASE);
    EXPECT_EQ(Points(), 1);
    PressKey(KEY_REPLAY);
    EXPECT_EQ(Points(), 2);
}

// Erase pressed after a wrong click passes the first step without its
// point: the strip shows that step missed, not ticked; replay right at
// once leaves the second ticked. Seven steps 40 pixels apart about the
// middle (678): the first at 558, the second at 598.
TEST_F(Lesson, TheStripShowsAStepMissedAsMissed) {
    PressPlay();
    PressWrong();
    PressKey(KEY_ERASE);
    PressKey(KEY_REPLAY);
    ASSERT_EQ(lesson->GetStep(), 2);
    EXPECT_EQ(Points(), 1);
    EXPECT_TRUE(IsMissedMark(PixelOfAFrame(CPoint(558, 38), kW, kH)));
    EXPECT_FALSE(IsMissedMark(PixelOfAFrame(CPoint(598, 38), kW, kH)));
}

// Left half-way, a game earns nothing: the total and the score line keep
// what they had, though a step earned its point on the way.
TEST_F(Lesson, LeftHalfWayTheGameEarnsNothing) {
    model->SetCompte(0, 0, 5);
    model->IncrementTotalScore(5);
    PressPlay();
    PressKey(KEY_ERASE);
    ASSERT_EQ(Points(), 1);
    PressExit();
    ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(model->GetTotalScore(), 5);
    EXPECT_EQ(model->GetCompte(0, 0), 5);
}
