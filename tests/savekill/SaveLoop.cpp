// Saves profile B then A over a login's profile, again and again, until it
// is killed: the save-killed test stops it at random moments.
#include <cstdio>

#include "savekill/SaveProfiles.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER LOGIN\n", argv[0]);
        return 2;
    }
    const CProfile a = SaveLoopProfileA();
    const CProfile b = SaveLoopProfileB();
    for (;;) {
        // A save that fails ends the loop: the test sees it was not killed.
        if (!b.SaveTo(argv[1], argv[2]) || !a.SaveTo(argv[1], argv[2])) return 1;
    }
}
