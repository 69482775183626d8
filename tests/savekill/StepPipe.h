#pragma once
#include <unistd.h>

#include <cstdlib>

// The helper's side of SteppedProcess: tells a step on fd 3, then waits
// for the go-ahead on fd 4. A test that is gone ends the helper.
inline void TellStepAndWait(int step) {
    const unsigned char told = static_cast<unsigned char>(step);
    if (write(3, &told, 1) != 1) std::_Exit(3);
    unsigned char go = 0;
    if (read(4, &go, 1) != 1) std::_Exit(4);
}
