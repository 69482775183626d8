#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>

#include "core/CGameHistory.h"
#include "core/GameTypes.h"
#include "support/ScratchFolder.h"

namespace {

CGameHistory::Game GameOf(const char* when, int type, int score, int maximum) {
    CGameHistory::Game game;
    game.when = when;
    game.type = type;
    game.score = score;
    game.maximum = maximum;
    return game;
}

void ExpectSame(const CGameHistory::Game& got, const CGameHistory::Game& want) {
    EXPECT_EQ(got.when, want.when);
    EXPECT_EQ(got.type, want.type);
    EXPECT_EQ(got.score, want.score);
    EXPECT_EQ(got.maximum, want.maximum);
}

}  // namespace

TEST(GameHistory, ALineIsTheDateTheMinigameTheScoreAndTheMaximum) {
    EXPECT_EQ(CGameHistory::Line(GameOf("2026-03-14T10:05:31+01:00", MINIGAME_1_1, 6, 7)),
              "2026-03-14T10:05:31+01:00\t1_1\t6\t7\n");
    EXPECT_EQ(CGameHistory::Line(GameOf("2026-11-02T08:00:00-05:00", MINIGAME_2_5, 10, 10)),
              "2026-11-02T08:00:00-05:00\t2_5\t10\t10\n");
    EXPECT_EQ(CGameHistory::Line(GameOf("2027-01-31T23:59:59+00:00", MINIGAME_3_5, 0, 5)),
              "2027-01-31T23:59:59+00:00\t3_5\t0\t5\n");
    EXPECT_EQ(CGameHistory::Line(GameOf("2027-01-31T23:59:59+00:00", MINIGAME_1_10, 0, 8)),
              "2027-01-31T23:59:59+00:00\t1_10\t0\t8\n");
    EXPECT_EQ(CGameHistory::FileNameFor("Marie.txt"), "Marie.txt.history");
}

TEST(GameHistory, EveryMinigameReadsBackFromItsLine) {
    for (int type = MINIGAME_1_1; type < MINIGAME_REWARDS; ++type) {
        if (MinigamePosition(type) < 0) continue;
        const CGameHistory::Game game = GameOf("2026-03-14T10:05:31+01:00", type, 3, 8);
        std::string line = CGameHistory::Line(game);
        line.pop_back();
        CGameHistory::Game read;
        ASSERT_TRUE(CGameHistory::ParseLine(line, read)) << line;
        ExpectSame(read, game);
    }
}

TEST(GameHistory, LinesTheGameNeverWritesAreRefused) {
    for (const char* line : {
             "",
             "2026-03-14T10:05:31+01:00\t1_1\t6",            // torn before the maximum
             "2026-03-14T10:05:31+01:00\t1_1\t6\t",          // torn after its tab
             "2026-03-14T10:05:31+01:00\t1_1\t6\t7\t",       // a field more
             "2026-03-14T10:05\t1_1\t6\t7",                  // torn date
             "2026-03-14 10:05:31+01:00\t1_1\t6\t7",         // not its date
             "2026-03-14T10:05:31+01:00\t1_11\t6\t7",        // no such minigame
             "2026-03-14T10:05:31+01:00\t2_10\t6\t7",
             "2026-03-14T10:05:31+01:00\t4_1\t6\t7",         // the trophy house is no game
             "2026-03-14T10:05:31+01:00\t1_1\t-1\t7",
             "2026-03-14T10:05:31+01:00\t1_1\t8\t7",         // more than the most
             "2026-03-14T10:05:31+01:00\t1_1\tsix\t7",
             "2026-03-14T10:05:31+01:00\t1_1\t6\t7000000",
         }) {
        CGameHistory::Game read;
        EXPECT_FALSE(CGameHistory::ParseLine(line, read)) << line;
    }
    CGameHistory::Game read;
    EXPECT_TRUE(CGameHistory::ParseLine("2026-03-14T10:05:31+01:00\t1_1\t6\t7\r", read)) << "a copy saved elsewhere";
}

TEST(GameHistory, TheTimeIsTheLocalOneWithItsOffset) {
    const char* previous = std::getenv("TZ");
    const std::string kept = previous ? previous : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    const std::time_t winter = 1773482731;  // 2026-03-14 10:05:31 UTC
    const std::time_t summer = 1783332000;  // 2026-07-06 10:00:00 UTC
    EXPECT_EQ(CGameHistory::Timestamp(winter), "2026-03-14T11:05:31+01:00");
    EXPECT_EQ(CGameHistory::Timestamp(summer), "2026-07-06T12:00:00+02:00");
    setenv("TZ", "EST5", 1);
    tzset();
    EXPECT_EQ(CGameHistory::Timestamp(winter), "2026-03-14T05:05:31-05:00");
    if (previous) {
        setenv("TZ", kept.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    CGameHistory::Game read;
    EXPECT_TRUE(CGameHistory::ParseLine(CGameHistory::Timestamp(std::time(nullptr)) + "\t1_1\t6\t7", read));
}

TEST(GameHistory, AppendsInOrderAndAMissingFileHoldsNoGame) {
    ScratchFolder folder;
    const std::string path = folder.File("Ana.txt.history");
    EXPECT_TRUE(CGameHistory::Read(path).empty());
    const CGameHistory::Game first = GameOf("2026-03-14T10:05:31+01:00", MINIGAME_1_1, 7, 7);
    const CGameHistory::Game second = GameOf("2026-03-14T10:09:02+01:00", MINIGAME_1_1, 6, 7);
    const CGameHistory::Game third = GameOf("2026-03-21T09:30:00+01:00", MINIGAME_2_9, 2, 5);
    ASSERT_TRUE(CGameHistory::Append(path, {first}));
    ASSERT_TRUE(CGameHistory::Append(path, {second, third}));
    EXPECT_EQ(folder.Read("Ana.txt.history"),
              "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
              "2026-03-14T10:09:02+01:00\t1_1\t6\t7\n"
              "2026-03-21T09:30:00+01:00\t2_9\t2\t5\n");
    const std::vector<CGameHistory::Game> games = CGameHistory::Read(path);
    ASSERT_EQ(games.size(), 3u);
    ExpectSame(games[0], first);
    ExpectSame(games[1], second);
    ExpectSame(games[2], third);
    EXPECT_EQ(games[2].Date(), "2026-03-21");
}

// A write cut short by a power cut leaves a last line without its end:
// it is skipped, and the next game goes on a line of its own after it.
TEST(GameHistory, ATornLastLineIsSkippedAndTheNextGameStillReads) {
    ScratchFolder folder;
    const std::string path = folder.File("Ana.txt.history");
    folder.Write("Ana.txt.history",
                 "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
                 "2026-03-14T10:09:02+01:00\t1_");
    std::vector<CGameHistory::Game> games = CGameHistory::Read(path);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].score, 7);

    ASSERT_TRUE(CGameHistory::Append(path, {GameOf("2026-03-15T14:00:00+01:00", MINIGAME_1_2, 5, 8)}));
    EXPECT_EQ(folder.Read("Ana.txt.history"),
              "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
              "2026-03-14T10:09:02+01:00\t1_\n"
              "2026-03-15T14:00:00+01:00\t1_2\t5\t8\n");
    games = CGameHistory::Read(path);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].type, MINIGAME_1_1);
    EXPECT_EQ(games[1].type, MINIGAME_1_2);
    EXPECT_EQ(games[1].score, 5);
}

TEST(GameHistory, AWholeLastLineWithoutItsEndIsStillTorn) {
    ScratchFolder folder;
    // Every field is there, but the line end is not: the write was cut.
    folder.Write("Ana.txt.history", "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n2026-03-14T10:09:02+01:00\t1_1\t6\t7");
    const std::vector<CGameHistory::Game> games = CGameHistory::Read(folder.File("Ana.txt.history"));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].score, 7);
}

TEST(GameHistory, AFolderThatCannotBeWrittenFailsTheAppend) {
    ScratchFolder folder;
    EXPECT_FALSE(CGameHistory::Append(folder.File("Nowhere/Ana.txt.history"),
                                      {GameOf("2026-03-14T10:05:31+01:00", MINIGAME_1_1, 7, 7)}));
}

TEST(GameHistory, ANewHistoryIsAsWritableAsItsFolder) {
    ScratchFolder folder;
    const CGameHistory::Game game = GameOf("2026-03-14T10:05:31+01:00", MINIGAME_1_1, 7, 7);
    folder.MakeFolder("Own");
    chmod(folder.File("Own").c_str(), 0755);
    folder.MakeFolder("Shared");
    chmod(folder.File("Shared").c_str(), 0777);
    folder.MakeFolder("Group");
    chmod(folder.File("Group").c_str(), 02775);
    ASSERT_TRUE(CGameHistory::Append(folder.File("Own/Ana.txt.history"), {game}));
    ASSERT_TRUE(CGameHistory::Append(folder.File("Shared/Ana.txt.history"), {game}));
    ASSERT_TRUE(CGameHistory::Append(folder.File("Group/Ana.txt.history"), {game}));
    struct stat info;
    ASSERT_EQ(stat(folder.File("Own/Ana.txt.history").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u) << "nobody else adds to a learner's own history";
    ASSERT_EQ(stat(folder.File("Shared/Ana.txt.history").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u) << "every account of the centre adds its games";
    ASSERT_EQ(stat(folder.File("Group/Ana.txt.history").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
}
