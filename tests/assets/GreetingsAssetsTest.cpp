// The greetings' recordings say the words of the game's greeting table,
// and the intro sheets put their examples where the game listens for them.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/Greetings.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace Greetings;

TEST(GreetingsAssets, EveryCardAndExampleSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const Language* language : {&kFrench, &kEnglish}) {
        const std::string voice = language->english ? "en-us|" : "fr|";
        int acceptable = 0;
        for (int card = 0; card < kCardCount; ++card) {
            const Greeting& g = language->cards[card];
            ASSERT_TRUE(lines.count(g.recording)) << g.recording;
            EXPECT_EQ(lines.at(g.recording), voice + g.text) << g.recording;
            acceptable += g.acceptable;
        }
        EXPECT_EQ(acceptable, kAcceptableCount);
        for (int i = 0; i < kExampleCount; ++i) {
            const Example& e = language->examples[i];
            ASSERT_TRUE(lines.count(e.recording)) << e.recording;
            EXPECT_EQ(lines.at(e.recording), voice + e.text) << e.recording;
        }
    }
    EXPECT_EQ(lines.at("Intro1_9.mp3").rfind("en-us|", 0), 0u);
}

// On each sheet, the middle of every example is its white bubble, and the
// sheet between two examples of a column is not.
TEST(GreetingsAssets, TheExamplesStandWhereTheGameListens) {
    for (const Language* language : {&kFrench, &kEnglish}) {
        const PicturePixels sheet(std::string(ZELK_GAME_DIR) + "/Images/" + language->overlay);
        ASSERT_NE(sheet.data, nullptr) << language->overlay;
        const double mx = sheet.width / 2.0 - kSheetDx, my = sheet.height / 2.0 - kSheetDy;
        for (int i = 0; i < kExampleCount; ++i) {
            // Right of the words, inside the bubble's edge.
            const unsigned char* p = sheet.At(mx + kExampleDx[i] + 140, my + kExampleDy[i] + 40);
            EXPECT_GT(p[0] + p[1] + p[2], 3 * 250) << language->overlay << " example " << i;
            EXPECT_EQ(p[3], 255);
        }
        const unsigned char* between = sheet.At(mx + kExampleDx[0], my + (kExampleDy[0] + kExampleDy[1]) / 2.0);
        EXPECT_LT(between[2], 240) << "the cream sheet, not a bubble";
    }
}
