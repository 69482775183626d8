// The checkout scale's pictures and voices are made from the game's
// produce table: these tests catch a key drawn off its place, a chart that
// gives a code the scale does not take, or a digit that says another digit.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "minigames/grocery/ProduceCodes.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace ProduceCodes;

TEST(ProduceScaleAssets, EveryDigitSaysItsOwnNameAndTheIntroIsThere) {
    const auto lines = NarrationLines();
    for (int d = 0; d < 10; ++d) {
        const std::string file = kDigitSounds[d];
        ASSERT_TRUE(lines.count(file)) << file;
        EXPECT_EQ(lines.at(file), std::string("fr|") + kDigitWords[d]);
    }
    EXPECT_TRUE(lines.count("Intro3_4.mp3"));
}

TEST(ProduceScaleAssets, CodesAreFourDigitsAndNoTwoItemsShareOne) {
    std::set<int> codes;
    for (const Produce& p : kProduce) {
        EXPECT_GE(p.code, 1000);
        EXPECT_LE(p.code, 9999);
        codes.insert(p.code);
        int rebuilt = 0;
        for (int k = 0; k < kCodeDigits; ++k) rebuilt = rebuilt * 10 + Digit(p.code, k);
        EXPECT_EQ(rebuilt, p.code);
    }
    EXPECT_EQ(codes.size(), size_t(kItemCount));
}

// A key's cap is light beside its digit; the plate between two keys is dark.
TEST(ProduceScaleAssets, TheKeysAreDrawnWhereTheGameLooksForThem) {
    for (const char* name : {"grocerymachine.png", "keypad2.png"}) {
        const PicturePixels scale(std::string(ZELK_GAME_DIR) + "/Images/" + name, kReferenceWidth,
                                  kReferenceHeight);
        ASSERT_NE(scale.data, nullptr) << name;
        for (int d = 0; d < 10; ++d) {
            EXPECT_GT(scale.BrightnessAt(Key(d).x - 16, Key(d).y), 150) << name << " key " << d;
            EXPECT_GT(scale.BrightnessAt(Key(d).x + 16, Key(d).y), 150) << name << " key " << d;
        }
        EXPECT_LT(scale.BrightnessAt((Key(1).x + Key(2).x) / 2.0, Key(1).y), 90) << name;
        EXPECT_LT(scale.BrightnessAt(Key(5).x, (Key(5).y + Key(8).y) / 2.0), 90) << name;
    }
}

// Each cell of the chart holds its item's picture (not the paper's white)
// in its upper part, and the chart's paper lies under every cell.
TEST(ProduceScaleAssets, EveryCellOfTheChartShowsItsItem) {
    const PicturePixels chart(std::string(ZELK_GAME_DIR) + "/Images/FruitTable.png", kReferenceWidth,
                              kReferenceHeight);
    ASSERT_NE(chart.data, nullptr);
    for (int i = 0; i < kItemCount; ++i) {
        const Box c = Cell(i);
        EXPECT_EQ(chart.At(c.left + 4, c.bottom - 4)[3], 255) << i;
        int coloured = 0;
        for (int dx = -24; dx <= 24; dx += 6)
            for (int dy = -24; dy <= 24; dy += 6) {
                const unsigned char* p = chart.At(c.CentreX() + dx, c.top + 40 + dy);
                if (std::abs(p[0] - p[2]) > 40 || std::abs(p[1] - p[2]) > 40) ++coloured;
            }
        EXPECT_GE(coloured, 12) << kProduce[i].name;  // of 81 points
    }
}
