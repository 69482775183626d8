#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/CMainFrame.h"
#include "support/GlWindow.h"

TEST(MainFrame, FullScreenRectanglePushesCaptionMenuAndBordersOffScreen) {
    EXPECT_EQ(CMainFrame::FullScreenRect(1024, 768, 4, 19, 19, 4), CRect(-4, -42, 1028, 772));
    // Without decorations the rectangle is the screen itself.
    EXPECT_EQ(CMainFrame::FullScreenRect(1366, 768, 0, 0, 0, 0), CRect(0, 0, 1366, 768));
}

namespace {
void Settle() {
    for (int i = 0; i < 20; ++i) glutMainLoopEvent();
}
}  // namespace

TEST(MainFrame, SecondToggleRestoresExactlyTheWindowedRectangle) {
    GlWindow::Use();
    glutInitWindowPosition(30, 40);
    CMainFrame frame;
    ASSERT_TRUE(frame.Create(640, 480));
    Settle();
    const CRect before = frame.GetWindowRect();
    ASSERT_EQ(before.Width(), 640);
    ASSERT_EQ(before.Height(), 480);

    frame.ToggleView();
    Settle();
    EXPECT_TRUE(frame.IsFullScreen());
    glutSetWindow(frame.GetWindow());
    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_SCREEN_WIDTH));
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), glutGet(GLUT_SCREEN_HEIGHT));

    frame.ToggleView();
    Settle();
    EXPECT_FALSE(frame.IsFullScreen());
    glutSetWindow(frame.GetWindow());
    EXPECT_EQ(frame.GetWindowRect(), before);

    frame.Destroy();
    Settle();
    glutInitWindowPosition(-1, -1);
    GlWindow::Use();
}
