#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CSharedProfile.h"
#include "core/GameTypes.h"
#include "savekill/SharedSaveGames.h"
#include "support/ScratchFolder.h"
#include "support/SteppedProcess.h"

// Two real processes, two computers on one shared folder, play the same
// learner: both load the profile before either saves, then each saves after
// every one of its thousand games while the other does the same. Not a
// point, a trophy, a score line or a history line is lost.
TEST(SharedSave, TwoProcessesSavingOneLearnerAThousandTimesEachLoseNothing) {
    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
    CProfile before;
    before.totalScore = 5;
    ASSERT_TRUE(before.SaveTo(profiles, "Marie"));

    // The answering machine and trophy 0 (2 points) here; the receipts and
    // trophy 1 (1 point) there.
    SteppedProcess a(ZELK_SHARED_SAVE_LOOP, {profiles, "Marie", std::to_string(MINIGAME_1_1), "0", "2"});
    SteppedProcess b(ZELK_SHARED_SAVE_LOOP, {profiles, "Marie", std::to_string(MINIGAME_3_5), "1", "1"});
    ASSERT_TRUE(a.Started() && b.Started());
    ASSERT_EQ(a.NextStep(), 0) << "A loaded";
    ASSERT_EQ(b.NextStep(), 0) << "B loaded";
    ASSERT_TRUE(a.GoOn());
    ASSERT_TRUE(b.GoOn());
    ASSERT_EQ(a.Wait(), 0);
    ASSERT_EQ(b.Wait(), 0);

    CProfile saved;
    ASSERT_EQ(saved.LoadFrom(profiles, "Marie"), CProfile::READ_OK);
    EXPECT_EQ(saved.totalScore, 2005);
    EXPECT_TRUE(saved.trophyAwarded[0]);
    EXPECT_TRUE(saved.trophyAwarded[1]);
    EXPECT_EQ(saved.pointsSpent, 3);
    EXPECT_EQ(saved.compte[0][0], 9) << "A's last game: 999 % 10";
    EXPECT_EQ(saved.compte[2][4], 9) << "B's last game";

    const std::vector<CGameHistory::Game> games = CGameHistory::Read(profiles + "/Marie.txt.history");
    ASSERT_EQ(games.size(), 2u * kSharedSaveGames);
    int next[2] = {0, 0};  // each process's games come in its own order
    for (const CGameHistory::Game& game : games) {
        const int player = game.type == MINIGAME_1_1 ? 0 : 1;
        ASSERT_EQ(game.score, next[player] % 10) << "game " << next[player] << " of " << (player ? "B" : "A");
        ++next[player];
    }
    EXPECT_EQ(next[0], kSharedSaveGames);
    EXPECT_EQ(next[1], kSharedSaveGames);
}
