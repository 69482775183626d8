// A learner's progress is never lost, mixed up with another learner's, or
// wiped by one click. Each group below is one way it used to go wrong.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/CConfirmWipeDlg.h"
#include "app/CDialogFrame.h"
#include "app/CLoginDialog.h"
#include "app/CSaveFailedDlg.h"
#include "app/CZelkView.h"
#include "core/CProfileLock.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "support/GameFixture.h"
#include "support/ScriptedLearner.h"

using namespace AnsweringMachine;

namespace {

class Progress : public GameFixture {
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
    std::string ProfilesFolder() const { return folder.File("Profiles"); }
    CProfile Saved(const CString& name) const {
        CProfile saved;
        saved.totalScore = -1;  // a value LoadFrom must replace
        EXPECT_NE(saved.LoadFrom(ProfilesFolder(), name), CProfile::READ_MISSING) << name.str();
        return saved;
    }
    void LogIn(const CString& name) {
        model->SetLogin(name);
        model->Load();
    }
    void EarnSomething() {
        model->SetCompte(0, 3, 5);
        model->IncrementTotalScore(9);
        model->AwardTrophy(2);  // price 3
    }
    void OpenLesson(int width = kW, int height = kH) {
        model->SetCurrentCategory(CATEGORY_DENTIST);
        model->SetMinigameType(MINIGAME_1_1);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, width, height);
        lesson = static_cast<CMinigame1_1*>((*model->GetCurrentCategoryMinigames())[0]);
    }
    void PlayLessonPerfectly() {
        Click(kW - 250, 52);  // play
        for (int i = 0; i < kStepCount; ++i) {
            const CPoint key = lesson->GetKeyLocation(kSteps[i].key);
            Click(key.x, key.y);
            Frames(1, kW, kH);
        }
        ASSERT_EQ(lesson->Shell().phase, PhaseResults);
    }
    void DrawPanelToTheEnd() {
        Frames(1, kW, kH);  // the panel's first frame sets its slots
        for (int i = 0; i < 600 && !lesson->Shell().resultsPanel->ButtonsShown(); ++i) Frames(1, kW, kH);
        Frames(1, kW, kH);
    }
    // Stands for a read-only folder or a full disk (the tests may run as
    // root, whom permissions do not stop): the temporary file a save
    // writes first cannot be created.
    void MakeSavesFail(const CString& name) {
        const std::string path = ProfilesFolder() + "/" + CProfile::FileNameFor(name) + ".tmp" + std::to_string(getpid());
        std::filesystem::create_directories(path);
    }
    void LetSavesSucceed(const CString& name) {
        std::filesystem::remove_all(ProfilesFolder() + "/" + CProfile::FileNameFor(name) + ".tmp" +
                                    std::to_string(getpid()));
    }

    CMinigame1_1* lesson = nullptr;
};

}  // namespace

// --- a new learner inherits nobody's progress ---

TEST_F(Progress, ANewLearnerStartsFromZeroAndTheFirstLearnerKeepsTheirs) {
    LogIn("Ana");
    EarnSomething();
    ASSERT_TRUE(model->Save());

    LogIn("Bruno");  // no profile yet
    EXPECT_EQ(model->GetCompte(0, 3), 0);
    EXPECT_EQ(model->GetTotalScore(), 0);
    EXPECT_EQ(model->GetPointsSpent(), 0);
    EXPECT_FALSE(model->IsTrophyAwarded(2));
    ASSERT_TRUE(model->Save());
    const CProfile bruno = Saved("Bruno");
    EXPECT_EQ(bruno.Serialize(), CProfile().Serialize()) << "Bruno's first save holds only zeros";

    LogIn("Ana");
    EXPECT_EQ(model->GetCompte(0, 3), 5);
    EXPECT_EQ(model->GetTotalScore(), 9);
    EXPECT_TRUE(model->IsTrophyAwarded(2));
}

TEST_F(Progress, ALearnerLoggingInSavesWhatTheOneBeforeHadNotSaved) {
    LogIn("Ana");
    EarnSomething();  // not saved yet
    LogIn("Bruno");
    EXPECT_EQ(Saved("Ana").totalScore, 9);
    EXPECT_EQ(model->GetTotalScore(), 0);
}

TEST_F(Progress, ADamagedProfileIsReadOverACleanSlate) {
    LogIn("Ana");
    EarnSomething();
    folder.MakeFolder("Profiles");
    folder.Write("Profiles/Carl.txt", "4\r\n2\r\nbroken");
    LogIn("Carl");
    EXPECT_EQ(model->GetCompte(0, 0), 4);
    EXPECT_EQ(model->GetCompte(0, 1), 2);
    EXPECT_EQ(model->GetCompte(0, 3), 0) << "not Ana's 5";
    EXPECT_EQ(model->GetTotalScore(), 0);
    EXPECT_FALSE(model->IsTrophyAwarded(2));
}

// --- the same learner typed with other capitals ---

TEST_F(Progress, ALoginFindsItsProfileWhateverTheCaseOfItsLetters) {
    LogIn("Marie");
    model->IncrementTotalScore(4);
    ASSERT_TRUE(model->Save());
    LogIn("H\xC9L\xC8NE");  // HÉLÈNE, new: keeps the name as typed
    model->IncrementTotalScore(2);
    ASSERT_TRUE(model->Save());
    EXPECT_TRUE(folder.Exists("Profiles/" + CProfile::FileNameFor("H\xC9L\xC8NE")));

    LogIn("MARIE");
    EXPECT_EQ(model->GetTotalScore(), 4);
    model->IncrementTotalScore(1);
    ASSERT_TRUE(model->Save());
    EXPECT_EQ(Saved("Marie").totalScore, 5) << "MARIE saves into Marie's file";
    EXPECT_FALSE(folder.Exists("Profiles/MARIE.txt"));

    LogIn("H\xE9l\xE8ne");  // Hélène
    EXPECT_EQ(model->GetTotalScore(), 2);
    LogIn("marie");
    EXPECT_EQ(model->GetTotalScore(), 5);
}

TEST_F(Progress, AnExactNameWinsOverOneWithOtherCapitals) {
    CProfile upper, lower;
    upper.totalScore = 1;
    lower.totalScore = 2;
    ASSERT_TRUE(upper.SaveTo(ProfilesFolder(), "Marie"));
    // Written by hand or by an older version: an exact file of its own.
    folder.Write("Profiles/marie.txt", lower.Serialize());
    LogIn("marie");
    EXPECT_EQ(model->GetTotalScore(), 2);
    LogIn("Marie");
    EXPECT_EQ(model->GetTotalScore(), 1);
}

TEST(ProfileNames, AFileNameGivesBackTheLoginItWasMadeFrom) {
    for (const char* name : {"Marie", "H\xE9l\xE8ne", "a/b", "50%", "Jean-Luc O'Neil", "..", "\xC6sop"}) {
        CString back;
        ASSERT_TRUE(CProfile::LoginFromFileName(CProfile::FileNameFor(name), back)) << name;
        EXPECT_EQ(back, name);
    }
    CString ignored;
    for (const char* other : {"Marie.txt.bak", "Marie.txt.damaged", "Marie.txt.tmp42", "Marie", ".txt", "a%2.txt",
                              "a%2f.txt", "a b%20.txt"}) {
        EXPECT_FALSE(CProfile::LoginFromFileName(other, ignored)) << other;
    }
    EXPECT_EQ(CProfile::FoldCase("H\xC9L\xC8NE \xD7 \xDE"), "h\xE9l\xE8ne \xD7 \xFE");
}

// --- progress is written without a click on the panel ---

TEST_F(Progress, AGameThatReachesItsPanelIsSavedWithoutAnyClick) {
    LogIn("Ana");
    OpenLesson();
    PlayLessonPerfectly();
    DrawPanelToTheEnd();
    EXPECT_EQ(Saved("Ana").compte[0][0], 7);
    EXPECT_EQ(Saved("Ana").totalScore, 7);
    EXPECT_FALSE(model->HasUnsavedChanges());
}

TEST_F(Progress, LeavingThePanelBeforeTheBarsHaveDroppedKeepsTheResult) {
    LogIn("Ana");
    OpenLesson();
    PlayLessonPerfectly();
    Frames(3, kW, kH);  // the panel is still sliding in
    Click(80, 52);      // the exit button over the panel
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(model->GetCompte(0, 0), 7);
    EXPECT_EQ(Saved("Ana").compte[0][0], 7);
    EXPECT_EQ(Saved("Ana").totalScore, 7);
}

TEST_F(Progress, AGameLeftHalfWayEarnsNothingAndLeavesTheSavedProgressAlone) {
    LogIn("Ana");
    model->SetCompte(0, 0, 3);
    model->IncrementTotalScore(4);
    model->Save();
    OpenLesson();
    Click(kW - 250, 52);
    const CPoint key = lesson->GetKeyLocation(kSteps[0].key);
    Click(key.x, key.y);  // one point
    Click(80, 52);        // exit mid-game
    EXPECT_EQ(model->GetTotalScore(), 4);
    EXPECT_EQ(Saved("Ana").totalScore, 4);
    EXPECT_EQ(Saved("Ana").compte[0][0], 3) << "an unfinished game leaves the cell alone";
}

TEST_F(Progress, ClosingTheWindowSavesWhatIsNotSavedYet) {
    // The path every way of quitting takes: the title's quit button, the
    // menu's Exit and the close box all shut the view down.
    CZelkView view;
    view.Draw();  // the first frame makes the model
    ASSERT_NE(view.GetModel(), nullptr);
    view.GetModel()->SetLogin("Zo\xE9");
    view.GetModel()->IncrementTotalScore(3);
    view.OnDestroy();
    EXPECT_EQ(Saved("Zo\xE9").totalScore, 3);
}

TEST_F(Progress, QuittingWhileThePanelCountsKeepsTheResult) {
    LogIn("Ana");
    OpenLesson();
    PlayLessonPerfectly();
    Frames(3, kW, kH);
    model->SaveBeforeQuitting();  // what the window does as it closes
    EXPECT_EQ(Saved("Ana").compte[0][0], 7);
    EXPECT_EQ(Saved("Ana").totalScore, 7);
}

TEST_F(Progress, EveryChangeOfScreenSavesUnsavedProgress) {
    LogIn("Ana");
    model->IncrementTotalScore(2);
    model->SetGameState(GAMESTATE_TITLE);  // back to the title, before quitting
    EXPECT_EQ(Saved("Ana").totalScore, 2);
    EXPECT_FALSE(model->HasUnsavedChanges());
}

// --- opening a minigame keeps its recorded score ---

TEST_F(Progress, OpeningAndLeavingAMinigameKeepsItsRecordedScore) {
    LogIn("Ana");
    model->SetCompte(0, 0, 6);
    model->Save();
    OpenLesson();
    EXPECT_EQ(model->GetCompte(0, 0), 6);
    Click(80, 52);
    EXPECT_EQ(model->GetCompte(0, 0), 6);
    EXPECT_EQ(Saved("Ana").compte[0][0], 6);
    // Played again, with a mistake: the new result replaces it at the panel.
    OpenLesson();
    Click(kW - 250, 52);
    Click(300, 120);  // far from every key
    for (int i = 0; i < 2000 && lesson->Shell().IsPaused(); ++i) Frames(1, kW, kH);  // the pause after it
    for (int i = 0; i < kStepCount; ++i) {
        const CPoint key = lesson->GetKeyLocation(kSteps[i].key);
        Click(key.x, key.y);
    }
    Frames(1, kW, kH);
    DrawPanelToTheEnd();
    ASSERT_TRUE(lesson->Shell().resultsPanel->ButtonsShown());
    EXPECT_EQ(Saved("Ana").compte[0][0], 6);
    EXPECT_EQ(model->GetTotalScore(), 6);
}

// --- mute shows, and holds in every scene ---

TEST_F(Progress, TheMuteButtonShowsWhetherSoundIsOn) {
    folder.AddPicture("button_mute.png", 128, 64, 0x20C020FF);   // green: sound on
    folder.AddPicture("button_muted.png", 128, 64, 0xC02020FF);  // red: sound off
    LogIn("Ana");
    OpenLesson(GlWindow::kWidth, GlWindow::kHeight);
    const int x = GlWindow::kWidth - 58, y = 52;
    // Which of the two faces is on screen: more green, or more red.
    const auto greener = [](unsigned rgba) { return ((rgba >> 16) & 0xFF) > ((rgba >> 24) & 0xFF) + 60; };
    const auto redder = [](unsigned rgba) { return ((rgba >> 24) & 0xFF) > ((rgba >> 16) & 0xFF) + 60; };
    GlWindow::BeginFrame();
    Frames(1);
    EXPECT_TRUE(greener(GlWindow::ReadPixel(x, y)));
    Click(x, y);
    ASSERT_TRUE(model->IsMuted());
    GlWindow::BeginFrame();
    Frames(1);
    EXPECT_TRUE(redder(GlWindow::ReadPixel(x, y)));
    Click(x, y);
    EXPECT_FALSE(model->IsMuted());
}

// --- a failed save is told, once, and loses nothing ---

TEST_F(Progress, AFailedSaveKeepsTheOldFileAndIsToldOncePerFailure) {
    LogIn("Ana");
    model->IncrementTotalScore(4);
    ASSERT_TRUE(model->Save());
    const std::string before = folder.Read("Profiles/Ana.txt");
    MakeSavesFail("Ana");
    model->IncrementTotalScore(1);
    EXPECT_FALSE(model->Save());
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), before);
    EXPECT_TRUE(model->HasUnsavedChanges());
    EXPECT_TRUE(model->TakeSaveFailureNotice());
    EXPECT_FALSE(model->TakeSaveFailureNotice());
    EXPECT_FALSE(model->Save());  // still failing: not told again
    EXPECT_FALSE(model->TakeSaveFailureNotice());

    LetSavesSucceed("Ana");
    EXPECT_TRUE(model->Save());
    EXPECT_EQ(Saved("Ana").totalScore, 5);
    MakeSavesFail("Ana");
    model->IncrementTotalScore(1);
    EXPECT_FALSE(model->Save());
    EXPECT_TRUE(model->TakeSaveFailureNotice()) << "a new failure after a success is told again";
}

TEST_F(Progress, ALearnerLockedByAnotherComputerIsToldSoAndSavedOnceTheLockIsFree) {
    LogIn("Ana");
    model->IncrementTotalScore(4);
    ASSERT_TRUE(model->Save());
    CProfileLock otherComputer;
    ASSERT_EQ(otherComputer.Acquire(ProfilesFolder() + "/Ana.txt.lock", 0.0), CProfileLock::LOCK_HELD);
    model->IncrementTotalScore(3);
    EXPECT_FALSE(model->Save());  // after its few seconds' wait
    EXPECT_EQ(Saved("Ana").totalScore, 4);
    EXPECT_TRUE(model->TakeSaveFailureNotice());
    EXPECT_TRUE(model->SaveFailedOnLock());
    EXPECT_EQ(std::string(CSaveFailedDlg(model->SaveFailedOnLock()).Reason()),
              "Un autre ordinateur enregistre en ce moment les points de ce profil.");

    otherComputer.Release();
    // Tried again every five seconds of the game's 64 ticks a second.
    for (int tick = 1; tick < 5 * 64; ++tick) model->RetryFailedSave();
    EXPECT_TRUE(model->HasUnsavedChanges());
    model->RetryFailedSave();
    EXPECT_FALSE(model->HasUnsavedChanges());
    EXPECT_EQ(Saved("Ana").totalScore, 7) << "the points waited in memory";
    EXPECT_FALSE(model->SaveFailedOnLock());
    for (int tick = 0; tick < 5 * 64; ++tick) model->RetryFailedSave();  // nothing left to try
    EXPECT_FALSE(model->TakeSaveFailureNotice());
}

TEST_F(Progress, AGameFinishedGoesIntoTheHistoryOnceWithItsPanelsMaximum) {
    LogIn("Ana");
    OpenLesson();
    PlayLessonPerfectly();
    DrawPanelToTheEnd();
    Frames(5, kW, kH);  // the panel stays up: stored once
    const std::vector<CGameHistory::Game> games = CGameHistory::Read(ProfilesFolder() + "/Ana.txt.history");
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].type, MINIGAME_1_1);
    EXPECT_EQ(games[0].score, 7);
    EXPECT_EQ(games[0].maximum, 7);
}

TEST_F(Progress, AGameLeftBeforeItsEndIsNoGameOfTheHistory) {
    LogIn("Ana");
    OpenLesson();
    Click(kW - 250, 52);  // play
    const CPoint key = lesson->GetKeyLocation(kSteps[0].key);
    Click(key.x, key.y);
    Frames(1, kW, kH);
    Click(80, 52);  // the exit button
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_TRUE(CGameHistory::Read(ProfilesFolder() + "/Ana.txt.history").empty());
}

TEST_F(Progress, TheWindowTellsTheLearnerInTheGamesOwnDialog) {
    CZelkView view;
    view.Draw();
    CModel* game = view.GetModel();
    game->SetLogin("Ana");
    game->IncrementTotalScore(1);
    ASSERT_TRUE(game->Save());
    MakeSavesFail("Ana");
    game->IncrementTotalScore(1);
    game->Save();
    std::string caption;
    Learner learner;
    learner.Check([](CDialogFrame& f) { f.OnKey(13); });  // OK
    CDialogFrame::pump = [&caption, previous = CDialogFrame::pump](CDialogFrame& f) {
        caption = "shown";
        previous(f);
    };
    view.OnTimer();  // the next tick shows it
    EXPECT_EQ(caption, "shown");
    EXPECT_EQ(learner.overran, 0);
    caption.clear();
    view.OnTimer();  // and only once
    EXPECT_TRUE(caption.empty());
    LetSavesSucceed("Ana");
    view.OnDestroy();
    EXPECT_EQ(Saved("Ana").totalScore, 2) << "the points waited in memory";
}
