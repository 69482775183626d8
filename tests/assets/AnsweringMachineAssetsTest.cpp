// The answering-machine lesson's pictures and voices are made from the
// game's key table: these tests catch a picture or a narration line that
// has drifted from it.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/AnsweringMachine.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace AnsweringMachine;


TEST(AnsweringMachineAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    ASSERT_FALSE(lines.empty());
    for (const KeyInfo& key : kKeys) {
        ASSERT_TRUE(lines.count(key.explanation)) << key.explanation << " has no narration line";
        EXPECT_EQ(lines.at(key.explanation), std::string("fr|") + key.spoken) << key.explanation;
    }
    for (const Step& step : kSteps) {
        ASSERT_TRUE(lines.count(step.message)) << step.message << " has no narration line";
        EXPECT_EQ(lines.at(step.message), std::string("fr|") + step.text) << step.message;
    }
    EXPECT_TRUE(lines.count("Intro1_1.mp3"));
}

// Each key's cap is light (or coloured) on the dark machine: on both sides
// of its pictogram, at the table's position, the picture shows a cap; the
// body between two keys of a column stays dark.
TEST(AnsweringMachineAssets, TheKeysAreDrawnWhereTheGameLooksForThem) {
    const PicturePixels office(std::string(ZELK_GAME_DIR) + "/Images/phone_background.png", kReferenceWidth,
                              kReferenceHeight);
    ASSERT_NE(office.data, nullptr) << SOIL_last_result();
    ASSERT_EQ(office.width, 2048);
    for (int k = 0; k < kKeyCount; ++k) {
        const double side = k == KEY_LISTEN ? 22 : 12;
        EXPECT_GT(office.BrightnessAt(kKeys[k].x - side, kKeys[k].y - 1), 110) << kKeys[k].label;
        EXPECT_GT(office.BrightnessAt(kKeys[k].x + side, kKeys[k].y - 1), 110) << kKeys[k].label;
    }
    // Between rewind and replay, and between save and next.
    EXPECT_LT(office.BrightnessAt(kKeys[KEY_REWIND].x, (kKeys[KEY_REWIND].y + kKeys[KEY_REPLAY].y) / 2.0 + 2), 90);
    EXPECT_LT(office.BrightnessAt(kKeys[KEY_SAVE].x, (kKeys[KEY_SAVE].y + kKeys[KEY_NEXT].y) / 2.0 + 2), 90);
}
