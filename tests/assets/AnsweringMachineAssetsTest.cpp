// The answering-machine lesson's pictures and voices are made from the
// game's key table: these tests catch a picture or a narration line that
// has drifted from it.
#include <gtest/gtest.h>

#include <SOIL/SOIL.h>

#include <fstream>
#include <map>
#include <string>

#include "minigames/dentist/AnsweringMachine.h"

using namespace AnsweringMachine;

namespace {

// narration.txt as file name -> "language|text".
std::map<std::string, std::string> Narration() {
    std::ifstream in(std::string(ZELK_SOURCE_DIR) + "/tools/sounds/narration.txt");
    std::map<std::string, std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        const size_t bar = line.find('|');
        if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
        lines[line.substr(0, bar)] = line.substr(bar + 1);
    }
    return lines;
}

struct Pixels {
    int width = 0, height = 0;
    unsigned char* data = nullptr;
    explicit Pixels(const std::string& path) {
        int channels = 0;
        data = SOIL_load_image(path.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
    }
    ~Pixels() { SOIL_free_image_data(data); }
    // Brightness 0..255 at a point of the key table's reference picture.
    int BrightnessAt(double refX, double refY) const {
        const int x = static_cast<int>(refX * width / kReferenceWidth);
        const int y = static_cast<int>(refY * height / kReferenceHeight);
        const unsigned char* p = data + 4 * (static_cast<size_t>(y) * width + x);
        return (p[0] * 3 + p[1] * 6 + p[2]) / 10;
    }
};

}  // namespace

TEST(AnsweringMachineAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = Narration();
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
    const Pixels office(std::string(ZELK_GAME_DIR) + "/Images/phone_background.png");
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
