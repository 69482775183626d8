// The game goes on when what is around it fails: a full disk, a profiles
// folder that cannot be made, pictures and sounds missing or damaged. It
// tells the learner of a save that failed and never loses what was saved.
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "app/DataFolder.h"
#include "core/CProfile.h"
#include "support/EveryScreen.h"
#include "support/GameFixture.h"
#include "support/WavWriter.h"

namespace {

class Surroundings : public GameFixture {
protected:
    void TearDown() override {
        UseProfilesFolder("");
        GameFixture::TearDown();
    }
    void LogIn(const CString& name) {
        model->SetLogin(name);
        model->Load();
    }
    // Every screen in turn, a few frames and clicks each, as a learner
    // would go through them; the state asked for is the state shown.
    void VisitEveryScreen() {
        for (const ScreenStart& start : EveryScreen()) Visit(start);
    }
    void Visit(const ScreenStart& start) {
        OpenScreen(*model, start);
        const GameState state = start.state;
        Frames(3);
        for (const CPoint at : {CPoint(400, 300), CPoint(700, 60), CPoint(60, 60), CPoint(200, 500)}) {
            Move(at.x, at.y);
            Frames(1);
            if (model->GetGameState() == state) Click(at.x, at.y);
        }
        Frames(2);
        if (model->GetGameState() == state) return;
        // A click may lead on (a room's icon, a button): the game then shows
        // whatever comes next, and that is fine too.
        EXPECT_GE(model->GetGameState(), GAMESTATE_SPLASH);
    }
};

// The file-size limit stands for a full disk: every write fails with it.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit none = saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    sighandler_t previousHandler;
};

}  // namespace

TEST_F(Surroundings, AFullDiskFailsTheSaveKeepsTheOldProfileTellsTheLearnerAndTheGameGoesOn) {
    LogIn("Ana");
    model->IncrementTotalScore(4);
    ASSERT_TRUE(model->Save());
    const std::string before = folder.Read("Profiles/Ana.txt");
    {
        FullDisk full;
        model->IncrementTotalScore(3);
        EXPECT_FALSE(model->Save());
        EXPECT_EQ(folder.Read("Profiles/Ana.txt"), before);
        EXPECT_TRUE(model->TakeSaveFailureNotice());
        EXPECT_TRUE(model->HasUnsavedChanges());
        VisitEveryScreen();
    }
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), before) << "nothing half-written was left in its place";
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("Profiles"))) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
    model->SaveIfChanged();  // the disk has room again: the next change of screen saves
    CProfile saved;
    ASSERT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
    EXPECT_EQ(saved.totalScore, 7);
}

TEST_F(Surroundings, AProfilesFolderThatCannotBeMadeFailsEverySaveAndTheGameGoesOn) {
    folder.Write("drive", "not a folder");
    UseProfilesFolder(folder.File("drive/Profiles"));
    LogIn("Ana");
    EXPECT_EQ(model->GetTotalScore(), 0);
    model->IncrementTotalScore(2);
    EXPECT_FALSE(model->Save());
    EXPECT_TRUE(model->TakeSaveFailureNotice());
    VisitEveryScreen();
    EXPECT_EQ(model->GetTotalScore(), 2) << "what was earned stays in the game";
}

TEST_F(Surroundings, MissingAndDamagedPicturesAndSoundsLeaveEveryScreenWorking) {
    // Only some pictures and sounds are there, and several of those are
    // not what their names say.
    folder.AddPicture("button_play.png", 128, 64);
    folder.Write("Images/title_exit.png", "\x89PNG\r\n\x1a\n truncated");
    folder.Write("Images/background_title.png", std::string(5000, '\0'));
    folder.MakeFolder("Sounds");
    folder.Write("Sounds/beep.mp3", "ID3 not really a sound");
    folder.Write("Sounds/Intro1_1.mp3", std::string(3000, '\xFF'));
    WriteToneWav(folder.File("Sounds/chime.mp3"), 200);
    LogIn("Ana");
    model->PlaySoundFile("beep.mp3", true);
    EXPECT_FALSE(model->IsSoundPlaying()) << "a damaged sound is silence";
    model->PlaySoundFile("chime.mp3", true);
    EXPECT_TRUE(model->IsSoundPlaying()) << "a good sound beside it still plays";
    VisitEveryScreen();
    model->IncrementTotalScore(1);
    EXPECT_TRUE(model->Save());
}
