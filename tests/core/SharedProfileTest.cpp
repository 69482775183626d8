// Two computers on one shared profiles folder, the same learner logged in
// on both: each session's gains reach the profile, whichever saves first.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/CProfileLock.h"
#include "core/CSharedProfile.h"
#include "core/GameTypes.h"
#include "support/ScratchFolder.h"

namespace {

class SharedProfile : public testing::Test {
protected:
    CProfile OnDisk() const {
        CProfile saved;
        EXPECT_EQ(saved.LoadFrom(profiles, "Marie"), CProfile::READ_OK);
        return saved;
    }
    static CGameHistory::Game Game(int type, int score, int maximum, const char* when = "2026-03-14T10:05:31+01:00") {
        CGameHistory::Game game;
        game.when = when;
        game.type = type;
        game.score = score;
        game.maximum = maximum;
        return game;
    }
    // What the score panel does at the end of a game.
    static void Finish(CSharedProfile& session, int type, int score, int maximum, const char* when) {
        session.SetScore(MinigameCategory(type), MinigamePosition(type), score);
        session.AddPoints(score);
        session.RecordGame(Game(type, score, maximum, when));
    }

    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
};

}  // namespace

TEST_F(SharedProfile, TwoComputersPlayingOneLearnerKeepBothGames) {
    CProfile before;
    before.totalScore = 3;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a, b;
    a.Load(profiles, "Marie");
    b.Load(profiles, "Marie");

    Finish(a, MINIGAME_1_1, 7, 7, "2026-03-14T10:05:31+01:00");  // a perfect answering machine
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);
    Finish(b, MINIGAME_1_1, 6, 7, "2026-03-14T10:09:02+01:00");  // the same, with a mistake
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);

    const CProfile saved = OnDisk();
    EXPECT_EQ(saved.totalScore, 3 + 7 + 6);
    EXPECT_EQ(saved.compte[0][0], 6) << "the last game's score, as the score panel writes it";
    EXPECT_EQ(b.Progress().totalScore, 16) << "B now shows what A earned too";
    const std::vector<CGameHistory::Game> games = CGameHistory::Read(profiles + "/Marie.txt.history");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].score, 7);
    EXPECT_EQ(games[1].score, 6);
    EXPECT_FALSE(a.HasUnsaved());
    EXPECT_FALSE(b.HasUnsaved());
}

TEST_F(SharedProfile, EachComputersScoreLinesAndTrophiesArrive) {
    CProfile before;
    before.totalScore = 10;
    before.compte[1][4] = 2;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a, b;
    a.Load(profiles, "Marie");
    b.Load(profiles, "Marie");
    Finish(a, MINIGAME_2_5, 9, 10, "2026-03-14T10:05:31+01:00");
    a.BuyTrophy(4, 1);
    b.BuyTrophy(2, 3);
    Finish(b, MINIGAME_3_1, 5, 8, "2026-03-14T10:06:00+01:00");
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);

    const CProfile saved = OnDisk();
    EXPECT_EQ(saved.compte[1][4], 9);
    EXPECT_EQ(saved.compte[2][0], 5) << "B's line, which A did not touch, stays";
    EXPECT_TRUE(saved.trophyAwarded[4]);
    EXPECT_TRUE(saved.trophyAwarded[2]);
    EXPECT_EQ(saved.pointsSpent, 4);
    EXPECT_EQ(saved.totalScore, 24);
}

TEST_F(SharedProfile, ATrophyBoughtOnBothComputersIsPaidOnce) {
    CProfile before;
    before.totalScore = 5;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a, b;
    a.Load(profiles, "Marie");
    b.Load(profiles, "Marie");
    a.BuyTrophy(0, 2);
    b.BuyTrophy(0, 2);
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);
    EXPECT_EQ(OnDisk().pointsSpent, 2);
    EXPECT_TRUE(OnDisk().trophyAwarded[0]);
}

TEST_F(SharedProfile, APurchaseThePointsNoLongerCoverIsDropped) {
    CProfile before;
    before.totalScore = 3;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a, b;
    a.Load(profiles, "Marie");
    b.Load(profiles, "Marie");
    a.BuyTrophy(2, 3);  // all three points, on each computer
    b.BuyTrophy(10, 3);
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);
    const CProfile saved = OnDisk();
    EXPECT_TRUE(saved.trophyAwarded[2]);
    EXPECT_FALSE(saved.trophyAwarded[10]);
    EXPECT_EQ(saved.pointsSpent, 3) << "never more spent than earned";
    EXPECT_FALSE(b.Progress().trophyAwarded[10]) << "B is told: the trophy is not bought";
    EXPECT_EQ(b.Progress().pointsSpent, 3);
}

TEST_F(SharedProfile, WhileAnotherComputerHoldsTheLockNothingIsWrittenAndNothingLost) {
    CProfile before;
    before.totalScore = 3;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    const std::string bytes = folder.Read("Profiles/Marie.txt");
    CSharedProfile a;
    a.Load(profiles, "Marie");
    Finish(a, MINIGAME_1_1, 7, 7, "2026-03-14T10:05:31+01:00");

    CProfileLock other;  // another process's lock: flock locks of two opens exclude each other
    ASSERT_EQ(other.Acquire(profiles + "/" + CProfileLock::FileNameFor("Marie.txt"), 0.0), CProfileLock::LOCK_HELD);
    EXPECT_EQ(a.Save(profiles, "Marie", 0.0), CSharedProfile::SAVE_LOCKED);
    EXPECT_EQ(folder.Read("Profiles/Marie.txt"), bytes);
    EXPECT_FALSE(folder.Exists("Profiles/Marie.txt.history"));
    EXPECT_TRUE(a.HasUnsaved());
    EXPECT_EQ(a.Progress().totalScore, 10) << "the points wait in memory";

    other.Release();
    ASSERT_EQ(a.Save(profiles, "Marie", 0.0), CSharedProfile::SAVED);
    EXPECT_EQ(OnDisk().totalScore, 10);
    EXPECT_EQ(CGameHistory::Read(profiles + "/Marie.txt.history").size(), 1u);
}

TEST_F(SharedProfile, ALockIsHadAsSoonAsTheOtherSaveEnds) {
    CProfileLock first, second;
    const std::string path = profiles + "/Marie.txt.lock";
    folder.MakeFolder("Profiles");
    ASSERT_EQ(first.Acquire(path, 0.0), CProfileLock::LOCK_HELD);
    EXPECT_EQ(second.Acquire(path, 0.0), CProfileLock::LOCK_BUSY);
    first.Release();
    EXPECT_EQ(second.Acquire(path, 0.0), CProfileLock::LOCK_HELD);
    EXPECT_EQ(CProfileLock().Acquire(folder.File("Nowhere/Marie.txt.lock"), 0.0), CProfileLock::LOCK_FAILED);
}

TEST_F(SharedProfile, AProfileFromBeforeTheHistoryReadsAsBefore) {
    CProfile before;
    before.compte[0][9] = 5;
    before.trophyAwarded[3] = true;
    before.pointsSpent = 1;
    before.totalScore = 12;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a;
    EXPECT_EQ(a.Load(profiles, "Marie"), CProfile::READ_OK);
    EXPECT_EQ(a.Progress().Serialize(), before.Serialize());
    a.AddPoints(1);
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);
    EXPECT_FALSE(folder.Exists("Profiles/Marie.txt.history")) << "no game, no history";
    before.totalScore = 13;
    EXPECT_EQ(folder.Read("Profiles/Marie.txt"), before.Serialize()) << "still the 161 values";
}

TEST_F(SharedProfile, AProfileDamagedMeanwhileIsKeptAsideAndTheSessionsOwnStandsIn) {
    CProfile before;
    before.totalScore = 8;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a;
    a.Load(profiles, "Marie");
    folder.Write("Profiles/Marie.txt", "1 2 oops");
    a.AddPoints(2);
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);
    EXPECT_EQ(folder.Read("Profiles/Marie.txt.damaged"), "1 2 oops");
    EXPECT_EQ(OnDisk().totalScore, 10);
}

TEST_F(SharedProfile, StartingOverKeepsTheProfileAsItWasAndTheHistory) {
    CProfile before;
    before.totalScore = 20;
    before.trophyAwarded[0] = true;
    before.pointsSpent = 2;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a, b;
    a.Load(profiles, "Marie");
    b.Load(profiles, "Marie");
    Finish(b, MINIGAME_1_1, 7, 7, "2026-03-14T10:05:31+01:00");
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);
    a.Wipe();
    ASSERT_EQ(a.Save(profiles, "Marie"), CSharedProfile::SAVED);

    EXPECT_EQ(OnDisk().Serialize(), CProfile().Serialize());
    CProfile kept;
    ASSERT_EQ(kept.Parse(folder.Read("Profiles/Marie.txt.bak")), CProfile::READ_OK);
    EXPECT_EQ(kept.totalScore, 27) << "the copy holds B's game too";
    EXPECT_EQ(CGameHistory::Read(profiles + "/Marie.txt.history").size(), 1u);
    // B's next game counts from zero.
    Finish(b, MINIGAME_1_2, 4, 8, "2026-03-14T10:20:00+01:00");
    ASSERT_EQ(b.Save(profiles, "Marie"), CSharedProfile::SAVED);
    EXPECT_EQ(OnDisk().totalScore, 4);
}

TEST_F(SharedProfile, AnotherCapitalisationFindsTheSameFileAndLock) {
    CProfile before;
    before.totalScore = 1;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));
    CSharedProfile a;
    a.Load(profiles, "MARIE");
    Finish(a, MINIGAME_1_1, 7, 7, "2026-03-14T10:05:31+01:00");
    ASSERT_EQ(a.Save(profiles, "MARIE"), CSharedProfile::SAVED);
    EXPECT_EQ(OnDisk().totalScore, 8);
    EXPECT_FALSE(folder.Exists("Profiles/MARIE.txt"));
    EXPECT_TRUE(folder.Exists("Profiles/Marie.txt.lock"));
    EXPECT_EQ(CGameHistory::Read(profiles + "/Marie.txt.history").size(), 1u);
}
