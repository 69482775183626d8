#include <gtest/gtest.h>

#include "support/GlWindow.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    GlWindow::Use();  // every picture needs a current context
    return RUN_ALL_TESTS();
}
