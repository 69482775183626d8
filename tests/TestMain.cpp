#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "support/GlWindow.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The minigames draw their orders from ZELK_SEED: every run of the
    // suite plays the same games. Another seed is given the same way.
    setenv("ZELK_SEED", "20261210", 0);
    std::cout << "ZELK_SEED=" << std::getenv("ZELK_SEED") << std::endl;
    GlWindow::Use();  // every picture needs a current context
    return RUN_ALL_TESTS();
}
