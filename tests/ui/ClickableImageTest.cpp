// gtest first: X11 defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glx.h>

#include "support/GlWindow.h"
#include "support/PngWriter.h"
#include "support/ScratchFolder.h"
#include "ui/CClickableImage.h"

namespace {

unsigned Red(unsigned rgba) { return rgba >> 24; }
unsigned Green(unsigned rgba) { return (rgba >> 16) & 0xFF; }
bool IsWhite(unsigned rgba) { return Red(rgba) > 245 && Green(rgba) > 245 && ((rgba >> 8) & 0xFF) > 245; }
bool IsRed(unsigned rgba) { return Red(rgba) > 180 && Green(rgba) < 60 && ((rgba >> 8) & 0xFF) < 60; }

class ClickableImage : public testing::Test {
protected:
    void SetUp() override { GlWindow::BeginFrame(); }
    ScratchFolder folder;
};

}  // namespace

TEST_F(ClickableImage, SizeIsHalfThePowerOfTwoRoundedFileSize) {
    folder.AddPicture("a.png", 256, 128);
    folder.AddPicture("b.png", 200, 100);
    folder.AddPicture("c.png", 800, 600);
    CClickableImage a("a.png"), b("b.png"), c("c.png");
    EXPECT_EQ(a.GetWidth(), 128);
    EXPECT_EQ(a.GetHeight(), 64);
    EXPECT_EQ(b.GetWidth(), 128);
    EXPECT_EQ(b.GetHeight(), 64);
    EXPECT_EQ(c.GetWidth(), 512);
    EXPECT_EQ(c.GetHeight(), 512);
    EXPECT_NE(a.GetTexture(), 0u);
}

TEST_F(ClickableImage, MissingFileReportsOnStandardOutputAndHasNoSize) {
    testing::internal::CaptureStdout();
    CClickableImage missing("nowhere.png");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed.rfind("SOIL loading error: '", 0), 0u) << printed;
    EXPECT_EQ(missing.GetTexture(), 0u);
    EXPECT_EQ(missing.GetWidth(), 0);
    EXPECT_EQ(missing.GetHeight(), 0);
    EXPECT_FALSE(missing.HitTest(CPoint(0, 0)));
    missing.Draw();  // an untextured, empty quad: nothing to see, nothing to crash

    CClickableImage none(nullptr);
    EXPECT_EQ(none.GetTexture(), 0u);
    EXPECT_FLOAT_EQ(none.GetAlpha(), 1.0f);
    EXPECT_FLOAT_EQ(none.GetScale(), 1.0f);
}

TEST_F(ClickableImage, WithoutAGlContextNothingIsLoadedAndNothingCrashes) {
    folder.AddPicture("a.png", 64, 64);
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    const GLXContext context = glXGetCurrentContext();
    ASSERT_NE(context, nullptr);
    glXMakeCurrent(display, None, nullptr);
    testing::internal::CaptureStdout();
    {
        CClickableImage image("a.png");
        EXPECT_EQ(image.GetTexture(), 0u);
        EXPECT_EQ(image.GetWidth(), 0);
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    glXMakeCurrent(display, drawable, context);
    EXPECT_NE(printed.find("SOIL loading error"), std::string::npos);
}

TEST_F(ClickableImage, HitTestIsStrictOnAllFourBorders) {
    folder.AddPicture("a.png", 256, 128);  // 128 x 64 on screen
    CClickableImage image("a.png");
    image.SetPosition(400, 300);
    EXPECT_TRUE(image.HitTest(CPoint(400, 300)));
    EXPECT_TRUE(image.HitTest(CPoint(463, 331)));
    EXPECT_FALSE(image.HitTest(CPoint(464, 300)));
    EXPECT_FALSE(image.HitTest(CPoint(336, 300)));
    EXPECT_TRUE(image.HitTest(CPoint(337, 269)));
    EXPECT_FALSE(image.HitTest(CPoint(400, 268)));
    EXPECT_FALSE(image.HitTest(CPoint(400, 332)));
    // Scale 2 doubles the rectangle about the same centre.
    image.SetScale(2.0f);
    EXPECT_TRUE(image.HitTest(CPoint(527, 300)));
    EXPECT_FALSE(image.HitTest(CPoint(528, 300)));
    EXPECT_TRUE(image.HitTest(CPoint(273, 363)));
    EXPECT_FALSE(image.HitTest(CPoint(272, 300)));
    // Transparency does not matter to the hit test.
    image.SetAlpha(0.0f);
    EXPECT_TRUE(image.HitTest(CPoint(400, 300)));
}

TEST_F(ClickableImage, APictureOneUnitWideCanNeverBeHit) {
    folder.AddPicture("thin.png", 2, 64);  // 1 x 32 on screen
    CClickableImage image("thin.png");
    ASSERT_EQ(image.GetWidth(), 1);
    image.SetPosition(100, 100);
    image.SetScale(4.0f);
    EXPECT_FALSE(image.HitTest(CPoint(100, 100)));
}

TEST_F(ClickableImage, DrawsCentredOnItsPositionWithItsScale) {
    folder.AddPicture("red.png", 64, 64, 0xFF0000FF);  // 32 x 32 on screen
    CClickableImage image("red.png");
    image.SetPosition(200, 150);
    image.Draw();
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(200, 150)));
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(185, 135)));
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(214, 164)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(217, 150)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(200, 132)));

    GlWindow::BeginFrame();
    image.SetScale(2.0f);
    image.Draw();
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(230, 150)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(234, 150)));

    GlWindow::BeginFrame();
    image.SetAlpha(0.0f);
    image.Draw();
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(200, 150)));
}

TEST_F(ClickableImage, FillScreenCoversOnePixelBeyondEachEdge) {
    folder.AddPicture("red.png", 16, 16, 0xFF0000FF);
    CClickableImage image("red.png");
    image.FillScreen(100, 50);  // from (0, 0) to (101, 51)
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(0, 0)));
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(100, 50)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(101, 25)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(50, 51)));

    GlWindow::BeginFrame();
    image.FillScreen(GlWindow::kWidth, GlWindow::kHeight);
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(GlWindow::kWidth - 1, GlWindow::kHeight - 1)));
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(0, GlWindow::kHeight / 2)));  // no faded fringe

    GlWindow::BeginFrame();
    image.SetPosition(300, 200);  // the position is the top-left corner here
    image.FillScreen(10, 10);
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(305, 205)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(299, 205)));
}

TEST_F(ClickableImage, DestroyingAPictureFreesItsTexture) {
    folder.AddPicture("a.png", 32, 32);
    GLuint name = 0;
    {
        CClickableImage image("a.png");
        name = image.GetTexture();
        ASSERT_TRUE(glIsTexture(name));
    }
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(ClickableImage, ThePixelsLoadWhenThePictureFirstShowsAndGoWhenItHasNotShownForAWhile) {
    folder.AddPicture("a.png", 256, 128, 0xFF0000FF);
    CClickableImage image("a.png");
    EXPECT_EQ(image.GetWidth(), 128);  // from the file's header
    EXPECT_FALSE(image.IsLoaded());
    image.SetAlpha(0.0f);
    image.Draw();
    EXPECT_FALSE(image.IsLoaded());  // nothing to see: nothing loaded
    image.SetAlpha(1.0f);
    image.SetPosition(400, 300);
    image.Draw();
    ASSERT_TRUE(image.IsLoaded());
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(400, 300)));

    for (int64_t i = 0; i < CClickableImage::kKeepTicks; ++i) CClickableImage::EndOfTick();
    EXPECT_TRUE(image.IsLoaded());
    CClickableImage::EndOfTick();
    EXPECT_FALSE(image.IsLoaded());

    GlWindow::BeginFrame();
    image.Draw();  // back again
    EXPECT_TRUE(image.IsLoaded());
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(400, 300)));
}

TEST_F(ClickableImage, OnlyTheVisiblePartIsDrawnWhereItWasInTheWholePicture) {
    // 256 x 256 on file, 128 x 128 on screen; red in the file's lower-right
    // quarter only, a see-through blue stripe at its left edge.
    folder.MakeFolder("Images");
    ASSERT_TRUE(WritePng(folder.File("Images/corner.png"), 256, 256, [](int x, int y) -> uint32_t {
        if (x >= 128 && y >= 128) return 0xFF0000FF;
        if (x < 16) return 0x0000FF80;
        return 0x00000000;
    }));
    CClickableImage image("corner.png");
    image.SetPosition(400, 300);  // covers (336, 236) to (464, 364)
    image.Draw();
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(430, 330)));
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(402, 302)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(398, 330)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(430, 298)));
    const unsigned stripe = GlWindow::ReadPixel(338, 250);
    EXPECT_LT(Red(stripe), 200u);  // blue blended over white
    EXPECT_GT(stripe >> 8 & 0xFF, 200u);

    GlWindow::BeginFrame();
    image.SetPosition(0, 0);
    image.FillScreen(GlWindow::kWidth, GlWindow::kHeight);  // stretched: red from the middle on
    EXPECT_TRUE(IsRed(GlWindow::ReadPixel(GlWindow::kWidth / 2 + 5, GlWindow::kHeight / 2 + 5)));
    EXPECT_TRUE(IsWhite(GlWindow::ReadPixel(GlWindow::kWidth / 2 - 5, GlWindow::kHeight / 2 + 5)));
}
