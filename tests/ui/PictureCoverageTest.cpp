#include "ui/PictureCoverage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An RGBA picture, clear everywhere but where painted.
struct Picture {
    int width, height;
    std::vector<unsigned char> rgba;
    Picture(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
    void Paint(int x0, int y0, int x1, int y1, unsigned char alpha) {
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] = alpha;
        }
    }
    PictureCoverage Coverage() const { return FindCoverage(rgba.data(), width, height, 4); }
};

bool Covers(const PictureCoverage& c, int x, int y) {
    for (const CoverageRect& r : c.rects) {
        if (r.x0 <= x && x < r.x1 && r.y0 <= y && y < r.y1) return true;
    }
    return false;
}

}  // namespace

TEST(PictureCoverage, AnOpaquePictureIsOneOpaqueRectangle) {
    Picture picture(128, 64);
    picture.Paint(0, 0, 128, 64, 255);
    const PictureCoverage c = picture.Coverage();
    ASSERT_EQ(c.rects.size(), 1u);
    EXPECT_TRUE(c.rects[0].opaque);
    EXPECT_EQ(c.rects[0].x0, 0);
    EXPECT_EQ(c.rects[0].y0, 0);
    EXPECT_EQ(c.rects[0].x1, 128);
    EXPECT_EQ(c.rects[0].y1, 64);
}

TEST(PictureCoverage, AClearPictureHasNothingToDraw) {
    Picture picture(64, 64);
    const PictureCoverage c = picture.Coverage();
    EXPECT_TRUE(c.rects.empty());
    EXPECT_EQ(c.x1 - c.x0, 0);
}

TEST(PictureCoverage, OnlyTheTilesAroundWhatShowsAreKept) {
    Picture picture(128, 128);
    picture.Paint(70, 70, 80, 80, 200);
    const PictureCoverage c = picture.Coverage();
    ASSERT_EQ(c.rects.size(), 1u);
    EXPECT_FALSE(c.rects[0].opaque);
    EXPECT_EQ(c.x0, 64);
    EXPECT_EQ(c.y0, 64);
    EXPECT_EQ(c.x1, 96);
    EXPECT_EQ(c.y1, 96);
}

TEST(PictureCoverage, ATileNextToAVisibleTexelIsKeptForFiltering) {
    Picture picture(128, 64);
    picture.Paint(96, 10, 97, 11, 255);  // the first texel of the fourth tile
    const PictureCoverage c = picture.Coverage();
    EXPECT_TRUE(Covers(c, 95, 10));  // a filtered sample there reads it
    EXPECT_TRUE(Covers(c, 96, 10));
    EXPECT_FALSE(Covers(c, 10, 10));
    EXPECT_EQ(c.x0, 64);
}

TEST(PictureCoverage, AHoleMakesItsTilesBlendedAndTheRestStaysOpaque) {
    Picture picture(128, 128);
    picture.Paint(0, 0, 128, 128, 255);
    picture.Paint(40, 40, 41, 41, 0);
    const PictureCoverage c = picture.Coverage();
    bool sawOpaque = false, sawBlended = false;
    for (const CoverageRect& r : c.rects) {
        const bool holdsHole = r.x0 <= 40 && 40 < r.x1 && r.y0 <= 40 && 40 < r.y1;
        if (holdsHole) {
            EXPECT_FALSE(r.opaque);
        }
        sawOpaque = sawOpaque || r.opaque;
        sawBlended = sawBlended || !r.opaque;
    }
    EXPECT_TRUE(sawOpaque);
    EXPECT_TRUE(sawBlended);
    // Every texel is covered exactly once.
    for (int y = 0; y < 128; y += 7) {
        for (int x = 0; x < 128; x += 7) {
            int count = 0;
            for (const CoverageRect& r : c.rects) count += r.x0 <= x && x < r.x1 && r.y0 <= y && y < r.y1;
            EXPECT_EQ(count, 1) << x << "," << y;
        }
    }
}

TEST(PictureCoverage, PicturesWithoutAlphaAreOpaque) {
    std::vector<unsigned char> rgb(64 * 32 * 3, 0);
    const PictureCoverage c = FindCoverage(rgb.data(), 64, 32, 3);
    ASSERT_EQ(c.rects.size(), 1u);
    EXPECT_TRUE(c.rects[0].opaque);
}
