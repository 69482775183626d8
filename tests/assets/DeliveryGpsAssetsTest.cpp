// The delivery GPS's screens and voices are made from the game's GPS table:
// these tests catch a key drawn away from where the game looks for it, a
// list drawn on a step that shows none, and a recording that says another
// word or another house number than the table.
#include <gtest/gtest.h>

#include <string>

#include "minigames/pizzeria/DeliveryGps.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace DeliveryGps;

namespace {

const Language* const kLanguages[] = {&kEnglish, &kFrench};

std::string Image(const char* name) { return std::string(ZELK_GAME_DIR) + "/Images/" + name; }

// A screen stretched from the 1362 x 726 reference.
struct ScreenPixels : PicturePixels {
    explicit ScreenPixels(const char* name) : PicturePixels(Image(name), 1362, 726) {}
};

bool IsPinRed(const unsigned char* p) { return p[0] > 180 && p[1] < 110 && p[2] < 100; }

}  // namespace

TEST(DeliveryGpsAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const Language* language : kLanguages) {
        EXPECT_TRUE(lines.count(language->intro)) << language->intro;
        for (int i = 0; i < kMenuCount; ++i) {
            ASSERT_TRUE(lines.count(language->menuSounds[i])) << language->menuSounds[i];
            EXPECT_EQ(lines.at(language->menuSounds[i]), std::string(language->voice) + "|" + language->menuSpoken[i]);
        }
        for (const char* stage : language->stageSounds) EXPECT_TRUE(lines.count(stage)) << stage;
        const std::string number = lines.at(language->stageSounds[FIELD_NUMBER]);
        EXPECT_NE(number.find(language->houseNumberWords), std::string::npos)
            << language->stageSounds[FIELD_NUMBER] << " does not say " << language->houseNumber;
    }
}

// Key faces are dark on the light screen: dark at each key's centre side,
// light in the gap between two keys of a row.
TEST(DeliveryGpsAssets, KeysAndPadAreDrawnWhereTheGameLooksForThem) {
    for (const Language* language : kLanguages) {
        for (int n = 0; n < kStepCount; ++n) {
            const ScreenPixels screen(language->screens[n]);
            ASSERT_NE(screen.data, nullptr) << language->screens[n];
            if (kSteps[n].kind == STEP_NUMBER) {
                for (int d = 0; d <= 9; ++d) {
                    const Spot at = DigitSpot(d);
                    EXPECT_LT(screen.BrightnessAt(at.x - kPadHalfWidth + 12, at.y), 100) << d;
                }
                const unsigned char* go = screen.At(kGoX - kGoHalfWidth + 12, kGoY);
                EXPECT_TRUE(go[1] > go[0] + 40 && go[1] > go[2] + 40) << "Go is not green";
                continue;
            }
            for (const char* row : kKeyRows) {
                for (const char* c = row; *c; ++c) {
                    const Spot at = KeySpot(*c);
                    EXPECT_LT(screen.BrightnessAt(at.x - kKeyHalfWidth + 8, at.y + 12), 100)
                        << language->screens[n] << " key " << *c;
                    if (c[1]) {
                        EXPECT_GT(screen.BrightnessAt(at.x + kKeyStep / 2.0, at.y), 180) << *c;
                    }
                }
            }
            EXPECT_LT(screen.BrightnessAt(KeySpot(' ').x - kSpaceHalfWidth + 10, kSpaceY), 100);
            // A list shows its five rows, each with its pin; no list, no pin.
            for (int r = 0; r < kSuggestionCount; ++r) {
                const Spot row = SuggestionSpot(r);
                EXPECT_EQ(IsPinRed(screen.At(kScreenLeft + 40, row.y - 3)), kSteps[n].shown != nullptr)
                    << language->screens[n] << " row " << r;
            }
        }
    }
}

TEST(DeliveryGpsAssets, TheStepsPickWhatTheListsOffer) {
    for (const Step& step : kSteps) {
        if (step.kind != STEP_PICK) continue;
        ASSERT_NE(step.shown, nullptr);
        EXPECT_GE(step.pick, 0);
        EXPECT_LT(step.pick, kSuggestionCount);
    }
    EXPECT_STREQ(kCity, "Sudbury, ON");
    EXPECT_STREQ(kStreet, "Westmount St.");
}
