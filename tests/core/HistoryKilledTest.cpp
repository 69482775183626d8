#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "savekill/HistoryGames.h"
#include "support/ScratchFolder.h"
#include "support/SteppedProcess.h"

namespace {

const char* const kStepNames[] = {"opened", "ends checked", "line written", "flushed", "closed"};
static_assert(sizeof kStepNames / sizeof kStepNames[0] == CGameHistory::APPEND_STEP_COUNT, "a name a step");

// The games HistoryLoop wrote, n of them, as its lines.
std::string LinesOfGames(int from, int to) {
    std::string lines;
    for (int n = from; n < to; ++n) lines += CGameHistory::Line(HistoryLoopGame(n));
    return lines;
}

}  // namespace

// A real process appending games is killed at each step of an append in
// turn, of its first and its second append, on a history whose last line
// is whole and then on one whose last line a cut write left torn. Whatever
// the step, every line before stays byte for byte, the game being written
// is there whole or not at all, and reading skips the torn line.
TEST(HistoryKilled, AtEveryStepOfAnAppendTheEarlierLinesStayAndTheNewOneIsWholeOrAbsent) {
    ScratchFolder folder;
    const std::string fileName = "J\xC3\xA9r\xC3\xB4me.txt.history";
    const std::string path = folder.File(fileName);
    int games = 0;            // whole lines on disk
    std::string onDisk;       // the file's bytes
    for (int torn = 0; torn < 2; ++torn) {
        for (int append = 0; append < 2; ++append) {
            for (int target = 0; target < CGameHistory::APPEND_STEP_COUNT; ++target) {
                if (torn == 1) {
                    // The tail of a write cut short, never read as a game.
                    onDisk += "2026-03-14T10:05:31+01:00\t1_1\t4";
                    folder.Write(fileName, onDisk);
                }
                const std::string context = std::string(torn ? "after a torn line, " : "") + "append " +
                                            std::to_string(append + 1) + ", killed at '" + kStepNames[target] + "'";
                SteppedProcess appending(ZELK_HISTORY_LOOP, {path});
                ASSERT_TRUE(appending.Started()) << context;
                for (int passed = 0; passed < append * CGameHistory::APPEND_STEP_COUNT + target; ++passed) {
                    ASSERT_EQ(appending.NextStep(), passed % CGameHistory::APPEND_STEP_COUNT) << context;
                    ASSERT_TRUE(appending.GoOn()) << context;
                }
                ASSERT_EQ(appending.NextStep(), target) << context;
                ASSERT_TRUE(appending.KillHere()) << context;

                const std::string stored = folder.Read(fileName);
                ASSERT_EQ(stored.compare(0, onDisk.size(), onDisk), 0) << context << ": an earlier byte changed";
                // The appends that ran to their end, then the one killed.
                std::string expected = onDisk;
                const bool wasTorn = !onDisk.empty() && onDisk.back() != '\n';
                if (append == 1 || target >= CGameHistory::APPEND_ENDS_CHECKED) {
                    if (wasTorn) expected += "\n";
                }
                expected += LinesOfGames(games, games + append);
                const int whole = games + append + (target >= CGameHistory::APPEND_LINE_WRITTEN ? 1 : 0);
                expected += LinesOfGames(games + append, whole);
                ASSERT_EQ(stored, expected) << context;

                const std::vector<CGameHistory::Game> read = CGameHistory::Read(path);
                ASSERT_EQ(static_cast<int>(read.size()), whole) << context;
                for (int n = 0; n < whole; ++n) {
                    EXPECT_EQ(read[n].score, n) << context;
                    EXPECT_EQ(read[n].type, HistoryLoopGame(n).type) << context;
                }
                games = whole;
                onDisk = stored;
            }
        }
    }
    // A round: the first append's kills keep 0, 0, 1, 1, 1 lines; the second's 1, 1, 2, 2, 2.
    EXPECT_EQ(games, 22);
}
