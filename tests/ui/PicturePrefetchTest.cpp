// gtest first: X11 defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <fstream>

#include "app/DataFolder.h"
#include "support/GlWindow.h"
#include "support/PngWriter.h"
#include "support/ScratchFolder.h"
#include "ui/CClickableImage.h"
#include "ui/CPicturePrefetch.h"

namespace {

// The colours as the loader leaves them: scaled into 16 to 235.
int NtscSafe(int value) { return 16 + value * 219 / 255; }

class PicturePrefetch : public testing::Test {
protected:
    void SetUp() override {
        GlWindow::BeginFrame();
        folder.MakeFolder("Images");
        // 256 x 256 on file, seen only in the middle, where red tells the
        // column and green the row: a picture cut to its visible part and
        // moved within its own pixels must still put each texel in place.
        ASSERT_TRUE(WritePng(folder.File("Images/middle.png"), 256, 256, [](int x, int y) -> uint32_t {
            if (x < 96 || x >= 224 || y < 64 || y >= 192) return 0;
            return static_cast<uint32_t>(x) << 24 | static_cast<uint32_t>(y) << 16 | 0x40FF;
        }));
    }
    // Drawn at (400, 300), 128 x 128 on screen: file texel (x, y) shows at
    // (336 + x / 2, 236 + y / 2).
    static void ExpectTexelsInPlace(CClickableImage& image) {
        GlWindow::BeginFrame();
        image.SetPosition(400, 300);
        image.Draw();
        for (const CPoint file : {CPoint(100, 70), CPoint(220, 70), CPoint(100, 188), CPoint(160, 128)}) {
            const unsigned rgba = GlWindow::ReadPixel(336 + file.x / 2, 236 + file.y / 2);
            EXPECT_NEAR(static_cast<int>(rgba >> 24), NtscSafe(file.x), 3) << file.x << "," << file.y;
            EXPECT_NEAR(static_cast<int>(rgba >> 16 & 0xFF), NtscSafe(file.y), 3) << file.x << "," << file.y;
        }
        EXPECT_EQ(GlWindow::ReadPixel(336 + 20, 236 + 20), 0xFFFFFFFFu);  // the clear margin shows the white
    }
    ScratchFolder folder;
};

}  // namespace

TEST_F(PicturePrefetch, APictureDecodedAheadShowsAsOneDecodedOnTheSpot) {
    CClickableImage onTheSpot("middle.png");
    ExpectTexelsInPlace(onTheSpot);

    const int64_t taken = CPicturePrefetch::TakenCount();
    CPicturePrefetch::Request(DataFile("Images", "middle.png"));
    CPicturePrefetch::Request(DataFile("Images", "middle.png"));  // asked twice, decoded once
    CClickableImage ahead("middle.png");
    ExpectTexelsInPlace(ahead);
    EXPECT_EQ(CPicturePrefetch::TakenCount(), taken + 1);
    CPicturePrefetch::Pixels none;
    EXPECT_FALSE(CPicturePrefetch::Take(DataFile("Images", "middle.png"), none));  // taken once only
}

TEST_F(PicturePrefetch, WhatNobodyTakesIsLetGo) {
    for (int64_t i = 0; i <= CPicturePrefetch::kKeepTicks; ++i) CClickableImage::EndOfTick();  // what others left
    const int64_t dropped = CPicturePrefetch::DroppedCount();
    CPicturePrefetch::Request(DataFile("Images", "middle.png"));
    for (int64_t i = 0; i < CPicturePrefetch::kKeepTicks; ++i) CClickableImage::EndOfTick();
    EXPECT_EQ(CPicturePrefetch::DroppedCount(), dropped);
    CClickableImage::EndOfTick();
    EXPECT_EQ(CPicturePrefetch::DroppedCount(), dropped + 1);
    CPicturePrefetch::Pixels none;
    EXPECT_FALSE(CPicturePrefetch::Take(DataFile("Images", "middle.png"), none));
}

TEST_F(PicturePrefetch, AFileThatCannotBeDecodedAheadFailsAsItWouldHave) {
    std::ofstream(folder.File("Images/broken.png")) << "not a picture";
    CPicturePrefetch::Request(DataFile("Images", "broken.png"));
    testing::internal::CaptureStdout();
    CClickableImage broken("broken.png");
    broken.Draw();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("SOIL loading error: '"), std::string::npos) << printed;
    EXPECT_FALSE(broken.IsLoaded());
}
