#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/CZelkView.h"
#include "core/CModel.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

TEST(View, TheFirstFrameCreatesTheModelAndShowsOnlyWhite) {
    ScratchFolder folder;
    GlWindow::Use();
    CZelkView view;
    view.OnSize(GlWindow::kWidth, GlWindow::kHeight);
    // Before the first tick there is no controller: the mouse is ignored.
    view.OnMouseMove(CPoint(5, 5));
    view.OnLButtonDown(CPoint(5, 5));
    view.OnLButtonUp(CPoint(5, 5));
    EXPECT_EQ(view.GetModel(), nullptr);

    view.OnTimer();
    ASSERT_NE(view.GetModel(), nullptr);
    EXPECT_NE(view.GetController(), nullptr);
    EXPECT_FALSE(view.IsFirstTime());
    EXPECT_EQ(view.GetModel()->GetGameState(), GAMESTATE_SPLASH);
    view.OnLButtonUp(CPoint(5, 5));  // reaches the controller, which drops it on the splash

    view.OnDestroy();
    EXPECT_EQ(view.GetModel(), nullptr);
    EXPECT_EQ(view.GetController(), nullptr);
}

TEST(View, AZeroHeightLeavesTheProjectionAlone) {
    GlWindow::Use();
    CZelkView view;
    view.OnSize(400, 300);
    view.OnSize(400, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 400);
    EXPECT_EQ(viewport[3], 300);
    GlWindow::Use();
}
