#include <algorithm>
#include <string>

#include "core/CProgressReport.h"
#include "core/CSoundPlayer.h"
#include "core/MinigameTitles.h"
#include "minigames/dentist/CAnsweringCalls.h"
#include "minigames/dentist/CMinigame1_5.h"
#include "minigames/grocery/CMinigame3_3.h"
#include "support/EveryScreen.h"
#include "support/MinigameFixture.h"

// What a learner meets the same way in all 24 minigames: help replays the
// spoken instruction whole, whatever the phase; a wrong answer shows its
// cross at the click and its sound is not cut, with input held until both
// end; the exit leads back to the room. Played through the real model and
// controller, with the pictures and sounds of the build.
namespace {

class SharedFlow : public MinigameFixture, public testing::WithParamInterface<int> {
protected:
    // The intro's voice is going and nothing cuts it until it has ended.
    void ExpectInstructionSpokenWhole(const char* when) {
        const std::string intro = Shell().Sheet().intro;
        const double seconds = model->SoundSeconds(intro.c_str());
        ASSERT_GT(seconds, 0.5) << intro << " " << when;
        EXPECT_EQ(model->CurrentSoundName(), intro) << when;
        for (double part : {0.25, 0.5, 0.98}) {
            const double at = start + seconds * part;
            now = at;
            Frames(1, kW, kH);
            EXPECT_EQ(model->CurrentSoundName(), intro) << when << ", at " << part << " of the instruction";
        }
    }
    void PressHelpNow() {
        start = now;
        PressHelp();
    }

    // Clicks over the play area, row by row, until one is judged wrong;
    // false when none was.
    bool FindAWrongAnswer(CPoint* at) {
        if (type == MINIGAME_1_7 || type == MINIGAME_1_10) return PickAWrongGreeting(at);
        if (type == MINIGAME_3_3) return false;  // judged once all is put away
        for (int y = 150; y < kH - 60; y += 48) {
            for (int x = 40; x < kW - 20; x += 48) {
                if (!InMinigame() || Shell().phase != PhasePlay) return false;
                Click(x, y);
                if (Shell().IsWrongSignShown()) {
                    *at = CPoint(x, y);
                    return true;
                }
            }
            now += 30.0;  // a right answer's sound, or the pause of an earlier miss
            Frames(1, kW, kH);
        }
        return false;
    }

    // The telephone's lists open from the receiver: its second greeting
    // (not the first, the right one) is a wrong choice.
    bool PickAWrongGreeting(CPoint* at) {
        const CAbstractMinigame* game = (*model->GetCurrentCategoryMinigames())[MinigamePosition(type)];
        const auto* calls = static_cast<const CAnsweringCalls*>(game);
        const CPoint receiver = calls->GetReceiverLocation();
        Click(receiver.x, receiver.y);
        *at = calls->GetRowLocation(1);
        Move(at->x, at->y);
        Click(at->x, at->y);
        return Shell().IsWrongSignShown();
    }

    // The storage game's goods, dragged one by one into the same place:
    // those of the other places are missed.
    void PutEverythingAwayInTheFirstPlace() {
        const CAbstractMinigame* game = (*model->GetCurrentCategoryMinigames())[MinigamePosition(type)];
        const auto* storage = static_cast<const CMinigame3_3*>(game);
        const CPoint to = storage->GetPlace(Storage::Place(0));
        for (int i = 0; i < 20 && storage->GetCurrent() >= 0; ++i) {
            const CPoint from = storage->GetGoodPosition(storage->GetCurrent());
            controller->OnLButtonDown(from);
            Move(to.x, to.y);
            controller->OnLButtonUp(to);
            Frames(1, kW, kH);
        }
    }

    // The fax machine sends only a document in its feeder to a number
    // keyed: the document is turned (if the clicks have not turned it),
    // slid in, and "1" alone keyed, a wrong number.
    void PrepareAFaxToAWrongNumber() {
        const CAbstractMinigame* game = (*model->GetCurrentCategoryMinigames())[MinigamePosition(type)];
        const auto* fax = static_cast<const CMinigame1_5*>(game);
        if (!fax->IsFlipped()) Click(fax->GetDocumentLocation().x, fax->GetDocumentLocation().y);
        if (!fax->IsDocumentIn()) {
            const CPoint from = fax->GetDocumentLocation(), to = fax->GetFeederLocation();
            controller->OnLButtonDown(from);
            Move(to.x, to.y);
            controller->OnLButtonUp(to);
        }
        Click(fax->GetStopLocation().x, fax->GetStopLocation().y);
        Click(fax->GetKeyLocation(0).x, fax->GetKeyLocation(0).y);
    }

    // Clicks over the play area, row by row, until one earns a point; false
    // when none did (a game judged at its hand-in earns nothing before it).
    bool EarnAPoint() {
        for (int y = 150; y < kH - 60; y += 48) {
            for (int x = 40; x < kW - 20; x += 48) {
                if (!InMinigame() || Shell().phase != PhasePlay) return false;
                Click(x, y);
                if (Points() > 0) return true;
            }
            now += 30.0;  // past a miss's pause
            Frames(1, kW, kH);
        }
        return false;
    }

    // The most the tutor's report says a game of the type can bring.
    int ReportedMaximum() {
        model->Save();
        CProgressReport report;
        EXPECT_TRUE(report.Read(folder.File("Profiles")));
        const std::string csv = report.Csv();
        // Never played yet: no score, then the maximum.
        const std::string cells = "," + FullName(*TitleOf(type)) + ",,";
        const size_t at = csv.find(cells);
        if (at != std::string::npos) return std::stoi(csv.substr(at + cells.size()));
        ADD_FAILURE() << cells << " is not in the report: " << csv;
        return -1;
    }

    // Where a game judged all at once is handed in: the play button, but
    // the fax machine's send key.
    static CPoint HandIn(int type) {
        if (type == MINIGAME_1_5) return CPoint(kW / 2 + 128, kH / 2 + 128);
        return CPoint(kW - CornerLayout::kPlayFromRight, CornerLayout::kY);
    }

    // A clock of the test's own: it moves to the parts of a voice the test
    // looks at.
    void SetUp() override {
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
    }
    double now = 1000.0;
    double start = 0.0;
    int type = -1;
};

}  // namespace

TEST_P(SharedFlow, HelpSpeaksTheWholeInstructionAWrongAnswerIsSeenAndHeardAndTheExitLeadsToTheRoom) {
    type = GetParam();
    Open(type);
    ASSERT_TRUE(InMinigame()) << type;

    // On the intro's sheet (or in play, for a game that opens in play).
    PressHelpNow();
    ExpectInstructionSpokenWhole("on the first screen");

    StartPlay();
    ASSERT_EQ(Shell().phase, PhasePlay);
    now += 60.0;  // the first prompt has been said
    Frames(2, kW, kH);
    PressHelpNow();
    ExpectInstructionSpokenWhole("in play");
    now += 60.0;
    Frames(2, kW, kH);

    // The instruction sheet reopened: help still speaks it.
    PressInstructions();
    Frames(1, kW, kH);
    ASSERT_EQ(Shell().phase, PhaseInstructions);
    PressHelpNow();
    ExpectInstructionSpokenWhole("on the reopened sheet");
    PressPlay();
    now += 60.0;
    Frames(2, kW, kH);
    ASSERT_EQ(Shell().phase, PhasePlay);

    CPoint at;
    if (FindAWrongAnswer(&at)) {
        EXPECT_EQ(model->CurrentSoundName(), "error.mp3");
        EXPECT_TRUE(IsCrossRed(PixelOfAFrame(at, kW, kH))) << "no cross at " << at.x << "," << at.y;
        const double seconds = model->SoundSeconds("error.mp3");
        ASSERT_GT(seconds, 0.1);
        // Until the sound ends, nothing cuts it and clicks are held.
        now += seconds * 0.9;
        Frames(2, kW, kH);
        EXPECT_EQ(model->CurrentSoundName(), "error.mp3");
        EXPECT_TRUE(Shell().IsPaused());
        now += seconds * 0.2 + 1.0;
        Frames(2, kW, kH);
        EXPECT_FALSE(Shell().IsPaused());
    } else if (InMinigame() && Shell().phase == PhasePlay) {
        // A game judged on its hand-in: handed in untouched, it shows what was
        // missed on the review, with the missed marks and their legend.
        if (type == MINIGAME_3_3) {
            PutEverythingAwayInTheFirstPlace();
        } else {
            if (type == MINIGAME_1_5) PrepareAFaxToAWrongNumber();
            const CPoint handIn = HandIn(type);
            Click(handIn.x, handIn.y);
        }
        Frames(2, kW, kH);
        EXPECT_TRUE(Shell().phase == PhaseReview || Shell().IsWrongSignShown())
            << "neither a click of play nor the hand-in was judged wrong";
        if (Shell().phase == PhaseReview) {
            // The review's play button leads to the panel, and the score is saved.
            const int points = Points();
            PressPlay();
            ASSERT_TRUE(FinishPanel()) << "no score panel after the review";
            EXPECT_EQ(SavedCell(type), points);
            EXPECT_LT(points, Shell().Sheet().maximum);
        }
    }

    if (InMinigame() && Shell().phase != PhaseResults) {
        PressExit();
        EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
        EXPECT_FALSE(InMinigame());
    }
}

// On the sheet, the hand shows where a click is answered (a part of the
// machine, a line of the form, a card explained aloud), and only there.
// The corner buttons (their own hand) are left out.
TEST_P(SharedFlow, OnTheSheetTheHandShowsWhereAClickIsAnswered) {
    type = GetParam();
    Open(type);
    ASSERT_TRUE(InMinigame());
    if (Shell().phase != PhaseIntro) PressInstructions();
    Frames(1, kW, kH);
    ASSERT_TRUE(Shell().phase == PhaseIntro || Shell().phase == PhaseInstructions);
    for (int y = 140; y < kH - 20; y += 24) {
        for (int x = 20; x < kW - 20; x += 24) {
            if (y < 170 && x > kW - 120) continue;
            Move(x, y);
            const bool hand = model->GetCursor() == CURSOR_HAND;
            // Answered: a voice explains, or the crosshairs come onto the part
            // (some parts are shown without a word). A second click where
            // the first deselected what it explained.
            bool answered = false;
            for (int click = 0; click < 2 && !answered; ++click) {
                model->PlaySoundFile("", false);
                Shell().crosshairs->SetPosition(CPoint(-100, -100));
                Click(x, y);
                answered = !model->CurrentSoundName().empty() || Shell().crosshairs->GetPosition().x >= 0;
            }
            ASSERT_TRUE(Shell().phase == PhaseIntro || Shell().phase == PhaseInstructions) << x << "," << y;
            EXPECT_EQ(hand, answered) << "at " << x << "," << y
                                      << (hand ? ": the hand, and nothing answers" : ": answered, without the hand");
        }
    }
    Frames(1, kW, kH);
}

// The tutor's report gives each minigame the maximum its score panel shows
// slots for (the card terminal's is 10, not 9).
TEST_P(SharedFlow, TheReportsMaximumIsTheScorePanels) {
    type = GetParam();
    Open(type);
    ASSERT_TRUE(InMinigame());
    const int panel = Shell().Sheet().maximum;
    EXPECT_GT(panel, 0);
    EXPECT_EQ(ReportedMaximum(), panel);
    if (type == MINIGAME_2_5) {
        EXPECT_EQ(panel, 10);
    }
}

// One rule for all 24: a game left before its last answer earns nothing
// (the total and its score line keep what they had), though it earned
// points on the way; left once play is over, it keeps what it earned.
TEST_P(SharedFlow, LeftBeforeItsEndAGameEarnsNothing) {
    type = GetParam();
    const int room = MinigameCategory(type), position = MinigamePosition(type);
    model->SetCompte(room, position, 2);
    model->IncrementTotalScore(5);
    Open(type);
    StartPlay();
    now += 60.0;
    Frames(2, kW, kH);
    EarnAPoint();
    ASSERT_TRUE(InMinigame());
    const bool over = Shell().IsPlayOver();
    const int earned = std::min(Points(), Shell().Sheet().maximum);
    PressExit();
    ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(model->GetCompte(room, position), over ? earned : 2) << earned << " earned";
    EXPECT_EQ(model->GetTotalScore(), over ? 5 + earned : 5) << earned << " earned";
}

// The snail under help slows the voices: the one heard last plays again,
// slowly, and every voice after it, help's too, until it is pressed again.
TEST_P(SharedFlow, TheSnailReplaysTheLastVoiceSlowlyUntilPressedAgain) {
    type = GetParam();
    Open(type);
    StartPlay();
    now += 60.0;
    Frames(2, kW, kH);
    const std::string intro = Shell().Sheet().intro;
    const CSoundPlayer& player = model->GetSoundPlayer();
    const CPoint snail(kW - CornerLayout::kSlowFromRight, CornerLayout::kY);
    PressHelpNow();
    EXPECT_EQ(player.LastStarted(), intro);
    Click(snail.x, snail.y);
    EXPECT_TRUE(model->SlowSpeech());
    EXPECT_EQ(player.LastStarted(), "slow/" + intro);
    now += 60.0;
    Frames(2, kW, kH);
    PressHelpNow();
    EXPECT_EQ(player.LastStarted(), "slow/" + intro) << "help speaks slowly too";
    Click(snail.x, snail.y);
    EXPECT_FALSE(model->SlowSpeech());
    EXPECT_EQ(player.LastStarted(), intro);
}

namespace {
std::vector<int> EveryMinigame() {
    std::vector<int> types;
    for (const ScreenStart& start : EveryScreen()) {
        if (start.minigame >= 0 && start.minigame != MINIGAME_REWARDS) types.push_back(start.minigame);
    }
    return types;
}
std::string NameOf(const testing::TestParamInfo<int>& info) {
    const int type = info.param;
    const int room = MinigameCategory(type) + 1;
    return "minigame" + std::to_string(room) + "_" + std::to_string(MinigamePosition(type) + 1);
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(All24, SharedFlow, testing::ValuesIn(EveryMinigame()), NameOf);
