// Appends one game after another to a history until it is killed, each
// game numbered by the lines already there (HistoryLoopGame). Before each
// step of an append goes on it tells the step on fd 3 and waits for a byte
// on fd 4: the history-killed test stops it at the step it chose.
#include <cstdio>

#include "savekill/HistoryGames.h"
#include "savekill/StepPipe.h"

namespace {

void ReportAndWait(CGameHistory::AppendStep step) { TellStepAndWait(step); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HISTORY (steps told on fd 3, go-ahead read on fd 4)\n", argv[0]);
        return 2;
    }
    CGameHistory::ObserveAppendSteps(ReportAndWait);
    for (int n = static_cast<int>(CGameHistory::Read(argv[1]).size());; ++n) {
        // An append that fails ends the loop: the test sees it was not killed.
        if (!CGameHistory::Append(argv[1], {HistoryLoopGame(n)})) return 1;
    }
}
