#include <gtest/gtest.h>

#include <vector>

#include "support/GlWindow.h"
#include "support/ScratchFolder.h"
#include "ui/CAnimation.h"
#include "ui/CCrosshairsIcon.h"
#include "ui/CCustomButton.h"
#include "ui/CDropDownMenu.h"

namespace {

unsigned Red(unsigned rgba) { return rgba >> 24; }
unsigned Blue(unsigned rgba) { return (rgba >> 8) & 0xFF; }

class Widgets : public testing::Test {
protected:
    void SetUp() override { GlWindow::BeginFrame(); }
    ScratchFolder folder;
};

}  // namespace

TEST_F(Widgets, APressedButtonStaysLitAfterRelease) {
    CCustomButton button("normal.png", "lit.png");
    EXPECT_FALSE(button.GetLight());
    button.SetIsPressed(true);
    button.Draw();
    button.SetIsPressed(false);
    EXPECT_TRUE(button.GetLight());
    button.SetLight(false);
    EXPECT_FALSE(button.GetLight());
}

TEST_F(Widgets, TheLitPictureLiesUnderTheNormalOneUnlessDual) {
    folder.AddPicture("blue.png", 64, 64, 0x0000FFFF);
    folder.AddPicture("red.png", 128, 128, 0xFF0000FF);
    CCustomButton button("blue.png", "red.png");
    button.SetPosition(300, 300);
    button.SetLight(true);
    button.Draw();
    EXPECT_GT(Blue(GlWindow::ReadPixel(300, 300)), 180u);  // normal on top
    EXPECT_GT(Red(GlWindow::ReadPixel(330, 300)), 180u);   // lit glows around it

    GlWindow::BeginFrame();
    button.SetDualImage(true);
    button.Draw();
    EXPECT_GT(Red(GlWindow::ReadPixel(300, 300)), 180u);
    EXPECT_LT(Blue(GlWindow::ReadPixel(300, 300)), 60u);
}

TEST_F(Widgets, AnUnlitButtonDrawsItsNormalPictureTwiceUnlessDual) {
    folder.AddPicture("shade.png", 64, 64, 0x00000080);  // half-transparent black
    CCustomButton button("shade.png", "shade.png");
    button.SetPosition(300, 300);
    button.Draw();
    const unsigned twice = Red(GlWindow::ReadPixel(300, 300));
    GlWindow::BeginFrame();
    button.SetDualImage(true);
    button.Draw();
    const unsigned once = Red(GlWindow::ReadPixel(300, 300));
    // Half-transparent shade over white darkens by d once, by 1.5 d twice.
    const double once_dark = 255.0 - once, twice_dark = 255.0 - twice;
    EXPECT_GT(once_dark, 80.0);
    EXPECT_NEAR(twice_dark, 1.5 * once_dark, 6.0);
    EXPECT_TRUE(button.HitTest(CPoint(300, 300)));
}

TEST_F(Widgets, DropDownSelectionFollowsTheRowUnderTheClick) {
    folder.AddPicture("dropdownbox.png", 256, 1024);  // 128 x 512, at scale 2 twice that
    CDropDownMenu menu(nullptr);
    for (const char* item : {"Lundi", "Mardi", "Mercredi"}) menu.AddItem(item);
    EXPECT_EQ(menu.GetSelectedItem(), "");
    menu.SetPosition(CPoint(400, 300));  // the panel: x 420 to 645, y 266 to 517

    EXPECT_FALSE(menu.HitTest(CPoint(450, 250)));  // above the panel: nothing chosen
    EXPECT_EQ(menu.GetSelectedIndex(), -1);
    EXPECT_TRUE(menu.HitTest(CPoint(450, 360)));  // the third row: 352 to 391
    EXPECT_EQ(menu.GetSelectedItem(), "Mercredi");
    menu.HitTest(CPoint(450, 250));  // above the panel keeps a choice made
    EXPECT_EQ(menu.GetSelectedIndex(), 2);
    menu.HitTest(CPoint(450, 310));  // the first row: 266 to 311
    EXPECT_EQ(menu.GetSelectedItem(), "Lundi");
    EXPECT_FALSE(menu.HitTest(CPoint(450, 500)));  // the sixth row holds no entry
    EXPECT_EQ(menu.GetSelectedItem(), "Lundi");
    menu.HitTest(CPoint(900, 360));  // outside the panel: no change
    EXPECT_EQ(menu.GetSelectedIndex(), 0);
}

TEST_F(Widgets, MakingADropDownLongSwapsTheBoxAndClearsTheChoice) {
    folder.AddPicture("dropdownbox.png", 256, 256);
    folder.AddPicture("dropdownbox_long.png", 512, 256);
    CDropDownMenu menu(nullptr);
    menu.AddItem("Oui");
    menu.SetPosition(CPoint(400, 300));
    menu.HitTest(CPoint(450, 310));
    ASSERT_EQ(menu.GetSelectedItem(), "Oui");
    menu.MakeItLong();
    EXPECT_EQ(menu.GetSelectedIndex(), -1);
    EXPECT_EQ(menu.GetPosition(), CPoint(-800, -800));
    menu.SetPosition(CPoint(400, 300));
    menu.HitTest(CPoint(700, 310));  // only the long box reaches this far
    EXPECT_EQ(menu.GetSelectedItem(), "Oui");
    menu.Draw();
}

namespace {
std::vector<unsigned> FramesShown(CAnimation& animation, int draws) {
    std::vector<unsigned> shown;
    for (int i = 0; i < draws; ++i) {
        shown.push_back(animation.GetFrame());
        animation.Draw();
    }
    return shown;
}
}  // namespace

TEST_F(Widgets, AnAnimationStopsOnItsLastPicture) {
    CAnimation animation(0, 0, 1.0f, 0.0f, 2, false);
    for (const char* name : {"a.png", "b.png", "c.png"}) animation.AddImage(name);
    EXPECT_EQ(FramesShown(animation, 3), (std::vector<unsigned>{0, 0, 1}));
    EXPECT_FALSE(animation.IsFinished());
    animation.Draw();  // the fourth draw moves to the last picture
    EXPECT_TRUE(animation.IsFinished());
    EXPECT_EQ(FramesShown(animation, 4), (std::vector<unsigned>{2, 2, 2, 2}));
}

TEST_F(Widgets, ALoopingAnimationStartsOver) {
    CAnimation animation(0, 0, 1.0f, 0.0f, 2, true);
    for (const char* name : {"a.png", "b.png", "c.png"}) animation.AddImage(name);
    EXPECT_EQ(FramesShown(animation, 8), (std::vector<unsigned>{0, 0, 1, 1, 2, 2, 0, 0}));
}

TEST_F(Widgets, AnAnimationWithoutPicturesOrWithAZeroCountIsHarmless) {
    CAnimation empty(0, 0, 1.0f, 0.0f, 3, false);
    empty.Draw();
    EXPECT_FALSE(empty.IsFinished());
    CAnimation fast(0, 0, 1.0f, 0.0f, 0, false);
    fast.AddImage("a.png");
    fast.AddImage("b.png");
    EXPECT_EQ(FramesShown(fast, 3), (std::vector<unsigned>{0, 1, 1}));
}

TEST_F(Widgets, TheCrosshairPulsesAroundItsBaseScale) {
    CCrosshairsIcon crosshair;
    EXPECT_EQ(crosshair.GetPosition(), CPoint(-100, -100));
    crosshair.Draw();
    EXPECT_FLOAT_EQ(crosshair.GetDrawnScale(), 1.5f);
    float lowest = 10.0f, highest = 0.0f;
    int restarts = 0;
    for (int i = 1; i < 1000; ++i) {
        crosshair.Draw();
        lowest = std::min(lowest, crosshair.GetDrawnScale());
        highest = std::max(highest, crosshair.GetDrawnScale());
        if (crosshair.GetDrawnScale() == 1.5f) ++restarts;
    }
    EXPECT_NEAR(lowest, 1.3f, 0.001f);
    EXPECT_NEAR(highest, 1.7f, 0.001f);
    EXPECT_EQ(restarts, 1);  // the phase wraps at 90 radians, once in 900 draws

    crosshair.SetScale(3.0f);
    crosshair.SetPosition(CPoint(10, 20));
    crosshair.Draw();
    EXPECT_NEAR(crosshair.GetDrawnScale(), 3.0f, 0.2001f);
    EXPECT_EQ(crosshair.GetPosition(), CPoint(10, 20));
}
