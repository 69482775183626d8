// Two computers on one shared profiles folder, the same learner logged in
// on both, each playing the answering machine through the real game: A
// perfectly (7 points), then B with one mistake (6). Both games count.
#include <gtest/gtest.h>

#include <regex>

#include "core/CProgressReport.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "support/GameFixture.h"

using namespace AnsweringMachine;

namespace {

class SharedFolder : public GameFixture {
protected:
    static constexpr int kW = kReferenceWidth;  // the lesson's keys fall on their reference pixels
    static constexpr int kH = kReferenceHeight;

    void Pictures() override {
        for (const char* name : {"title_exit.png", "button_play.png", "button_instruction.png",
                                 "button_questionmark.png", "button_mute.png", "button_muted.png",
                                 "button_reward_restart.png"}) {
            folder.AddPicture(name, 128, 64);
        }
    }
    void SetUp() override {
        GameFixture::SetUp();
        // A clock of the test's own, moved past the pause a wrong click starts.
        CMinigameShell::clock = [this] { return now; };
        other = new CModel();
        otherController = new CController(other);
    }
    void TearDown() override {
        delete otherController;
        delete other;
        GameFixture::TearDown();
    }

    static void LogIn(CModel* computer, const char* name) {
        computer->SetLogin(name);
        computer->Load();
    }
    // The answering machine from its play button to its score panel's end.
    void PlayLesson(CModel* computer, CController* input, bool oneMistake) {
        auto click = [input](CPoint at) {
            input->OnLButtonDown(at);
            input->OnLButtonUp(at);
        };
        computer->SetCurrentCategory(CATEGORY_DENTIST);
        computer->SetMinigameType(MINIGAME_1_1);
        computer->SetGameState(GAMESTATE_INGAME);
        computer->Draw(kW, kH);
        auto* lesson = static_cast<CMinigame1_1*>((*computer->GetCurrentCategoryMinigames())[0]);
        click(CPoint(kW - 250, 52));  // play
        if (oneMistake) {
            click(CPoint(200, 300));
            now += CMinigameShell::kPauseSeconds;
        }
        for (int i = 0; i < kStepCount; ++i) {
            click(lesson->GetKeyLocation(kSteps[i].key));
            computer->Draw(kW, kH);
        }
        ASSERT_EQ(lesson->Shell().phase, PhaseResults);
        computer->Draw(kW, kH);  // the panel's first frame sets its slots
        for (int i = 0; i < 600 && !lesson->Shell().resultsPanel->ButtonsShown(); ++i) computer->Draw(kW, kH);
        computer->Draw(kW, kH);
    }

    double now = 1000.0;
    CModel* other = nullptr;  // the second computer
    CController* otherController = nullptr;
};

}  // namespace

TEST_F(SharedFolder, APerfectGameOnOneComputerAndAFlawedOneOnTheOtherMakeThirteen) {
    LogIn(model, "Marie");
    LogIn(other, "Marie");
    PlayLesson(model, controller, false);
    PlayLesson(other, otherController, true);

    CProfile saved;
    ASSERT_EQ(saved.LoadFrom(folder.File("Profiles"), "Marie"), CProfile::READ_OK);
    EXPECT_EQ(saved.totalScore, 13) << "7 + 6, never 6";
    EXPECT_EQ(saved.compte[0][0], 6) << "the last game's score";
    EXPECT_EQ(other->GetTotalScore(), 13) << "B now shows A's points too";

    CProgressReport report;
    ASSERT_TRUE(report.Read(folder.File("Profiles")));
    const std::string csv = report.Csv();
    const std::regex row("\r\nMarie,Bureau du dentiste,Le répondeur,6,7,7,2,\\d{4}-\\d{2}-\\d{2}\r\n");
    EXPECT_TRUE(std::regex_search(csv, row)) << csv.substr(0, 300);
    EXPECT_NE(csv.find("\r\nMarie,Bureau du dentiste,Prendre un message en français,,8,,0,\r\n"), std::string::npos)
        << "never played, not a 0";
}
