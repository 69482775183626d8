#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/GameRandom.h"

TEST(GameRandom, DistinctDrawsDifferentNumbersInRangeAndAllOfThemWhenAsked) {
    std::srand(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<int> drawn = GameRandom::Distinct(4, 12);
        ASSERT_EQ(drawn.size(), 4u);
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(std::adjacent_find(drawn.begin(), drawn.end()), drawn.end());
        EXPECT_GE(drawn.front(), 0);
        EXPECT_LT(drawn.back(), 12);
    }
    std::vector<int> all = GameRandom::Distinct(9, 9);  // an order of every one
    std::sort(all.begin(), all.end());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(all[i], i);
    EXPECT_EQ(GameRandom::Distinct(5, 3).size(), 3u);  // never more than there are
}
