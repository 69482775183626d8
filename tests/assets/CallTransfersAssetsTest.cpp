// The call transfers' voices and pictures are made from the game's call and
// keypad tables: these tests catch a recording or a key that has drifted.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/CallTransfers.h"
#include "minigames/dentist/TelephoneKeypad.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace CallTransfers;
using namespace TelephoneKeypad;

TEST(CallTransfersAssets, EveryCallSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (int call = 0; call < kCallCount; ++call) {
        const char* recording = kCalls[call].recording;
        ASSERT_TRUE(lines.count(recording)) << recording << " has no narration line";
        // The intro goes on with the first call.
        const std::string words =
            call == 0 ? std::string(kIntroText) + " " + kCalls[0].request : std::string(kCalls[call].request);
        EXPECT_EQ(lines.at(recording), "fr|" + words) << recording;
    }
    ASSERT_TRUE(lines.count(kReminder));
    EXPECT_EQ(lines.at(kReminder), std::string("fr|") + kReminderText);
    for (int digit = 0; digit < kDigitCount; ++digit) {
        ASSERT_TRUE(lines.count(kKeys[digit].sound)) << kKeys[digit].sound;
        EXPECT_EQ(lines.at(kKeys[digit].sound), std::string("fr|") + kDigitWords[digit]);
    }
}

TEST(CallTransfersAssets, EveryExtensionIsOnTheChartOnceAndEveryCallHasOne) {
    for (int a = 0; a < kPersonCount; ++a) {
        for (int b = a + 1; b < kPersonCount; ++b) EXPECT_STRNE(kStaff[a].extension, kStaff[b].extension);
        for (const char* c = kStaff[a].extension; *c; ++c) EXPECT_TRUE(*c >= '0' && *c <= '9') << kStaff[a].name;
    }
    const char* const expected[kCallCount] = {"11", "12", "13", "0", "41", "431"};
    for (int call = 0; call < kCallCount; ++call) EXPECT_STREQ(Extension(call), expected[call]);
}

// Every key of the dial pad shows a light cap where the game looks for it,
// on the desk and on the chart's sheet; the machine's body between two rows
// stays dark.
TEST(CallTransfersAssets, TheDialPadIsDrawnWhereTheGameLooksForIt) {
    const std::string images = std::string(ZELK_GAME_DIR) + "/Images/";
    const PicturePixels desk(images + "phone_background.png", kReferenceWidth, kReferenceHeight);
    const PicturePixels chart(images + "organigramme_overlay.png", kReferenceWidth, kReferenceHeight);
    ASSERT_NE(desk.data, nullptr);
    ASSERT_NE(chart.data, nullptr);
    for (const KeyInfo& key : kKeys) {
        for (int side : {-12, 12}) {
            EXPECT_GT(desk.BrightnessAt(key.x + side, key.y - 1), 110) << key.symbol;
            EXPECT_GT(chart.BrightnessAt(key.x + side, key.y), 110) << key.symbol;
            EXPECT_GT(chart.At(key.x + side, key.y)[3], 200) << key.symbol;
        }
    }
    EXPECT_LT(desk.BrightnessAt(kKeys[KEY_2].x, (kKeys[KEY_2].y + kKeys[KEY_5].y) / 2.0 - 4), 90);
    EXPECT_LT(chart.BrightnessAt(kKeys[KEY_8].x, (kKeys[KEY_8].y + kKeys[KEY_0].y) / 2.0 - 2), 90);
}
