// The fax machine's pictures and voices are made from the game's machine
// table: these tests catch a key drawn away from where a click dials it,
// and a digit or a part explained by the wrong words.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/FaxMachine.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace FaxMachine;

TEST(FaxMachineAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const PartInfo& part : kParts) {
        ASSERT_TRUE(lines.count(part.explanation)) << part.explanation;
        EXPECT_EQ(lines.at(part.explanation), std::string("fr|") + part.explains);
    }
    for (const Key& key : kKeys) {
        ASSERT_TRUE(lines.count(key.sound)) << key.sound;
        EXPECT_EQ(lines.at(key.sound), std::string("fr|") + kDigitWords[key.digit - '0']) << key.sound;
        EXPECT_EQ(std::string(key.sound), std::string("nr") + key.digit + ".mp3");
    }
    EXPECT_TRUE(lines.count("Intro1_5.mp3"));
}

// The keypad picture is centred on the keypad's place and shown at its
// file size: each key's cap is light at the key's own offset, and the gap
// between two keys of a column is not a cap.
TEST(FaxMachineAssets, TheKeysAreDrawnWhereTheGameDialsThem) {
    const PicturePixels keypad(std::string(ZELK_GAME_DIR) + "/Images/keypad.png");
    ASSERT_NE(keypad.data, nullptr);
    const Offset c = kParts[PART_KEYPAD].at;
    auto file = [&](int dx, int dy) { return std::make_pair(128.0 + dx - c.dx, 128.0 + dy - c.dy); };
    for (const Key& key : kKeys) {
        const auto at = file(key.at.dx + 10, key.at.dy - 8);  // beside the digit, on the cap
        EXPECT_GT(keypad.BrightnessAt(at.first, at.second), 180) << key.digit;
        EXPECT_EQ(keypad.At(at.first, at.second)[3], 255) << key.digit;
    }
    const auto gap = file(kKeys[0].at.dx, (kKeys[0].at.dy + kKeys[3].at.dy) / 2 + 3);
    EXPECT_LT(keypad.At(gap.first, gap.second)[3], 200);

    const PicturePixels machine(std::string(ZELK_GAME_DIR) + "/Images/faxMachine.png");
    ASSERT_NE(machine.data, nullptr);
    const unsigned char* send = machine.At(512 + kSendKey.dx - 18, 256 + kSendKey.dy - 12);
    EXPECT_GT(send[1], send[0]) << "the send key is green";
}

// "*" and "#" are live keys, drawn light like the digits, and say their
// names; what the machine says when it cannot send is what its table says.
TEST(FaxMachineAssets, TheSignKeysAndTheNoticesAreDrawnAndSpokenFromTheTable) {
    const auto lines = NarrationLines();
    for (const SignKey& sign : kSignKeys) {
        ASSERT_TRUE(lines.count(sign.key.sound)) << sign.key.sound;
        EXPECT_EQ(lines.at(sign.key.sound), std::string("fr|") + sign.words);
    }
    EXPECT_STREQ(kSignKeys[0].words, "étoile");
    EXPECT_STREQ(kSignKeys[1].words, "carré");
    for (const NoticeInfo& notice : kNotices) {
        ASSERT_TRUE(lines.count(notice.recording)) << notice.recording;
        EXPECT_EQ(lines.at(notice.recording), std::string("fr|") + notice.spoken);
    }
    const PicturePixels keypad(std::string(ZELK_GAME_DIR) + "/Images/keypad.png");
    ASSERT_NE(keypad.data, nullptr);
    const Offset c = kParts[PART_KEYPAD].at;
    for (const SignKey& sign : kSignKeys) {
        const double x = 128.0 + sign.key.at.dx + 10 - c.dx, y = 128.0 + sign.key.at.dy - 8 - c.dy;
        EXPECT_GT(keypad.BrightnessAt(x, y), 180) << sign.key.digit;
    }
}
