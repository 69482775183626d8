// Saves profile B then A over a login's profile, again and again, until it
// is killed. Before each step of a save goes on it tells the step on fd 3
// and waits for a byte on fd 4: the save-killed test stops it at the step
// it chose.
#include <cstdio>

#include "savekill/SaveProfiles.h"
#include "savekill/StepPipe.h"

namespace {

void ReportAndWait(CProfile::SaveStep step) { TellStepAndWait(step); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER LOGIN (steps told on fd 3, go-ahead read on fd 4)\n", argv[0]);
        return 2;
    }
    CProfile::ObserveSaveSteps(ReportAndWait);
    const CProfile a = SaveLoopProfileA();
    const CProfile b = SaveLoopProfileB();
    for (;;) {
        // A save that fails ends the loop: the test sees it was not killed.
        if (!b.SaveTo(argv[1], argv[2]) || !a.SaveTo(argv[1], argv[2])) return 1;
    }
}
