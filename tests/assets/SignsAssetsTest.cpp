// The sign hunts' faces and voices are made from the game's sign tables:
// these tests catch a recording that says another meaning, and a face that
// breaks the Canadian convention of its kind (a warning that is not a
// yellow diamond, a prohibition without its red ring).
#include <gtest/gtest.h>

#include <string>

#include "minigames/pizzeria/Signs.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace Signs;

namespace {

const Deck* const kDecks[] = {&kRoadDeck, &kInfoDeck};

std::string Image(const char* name) { return std::string(ZELK_GAME_DIR) + "/Images/" + name; }

bool IsYellow(const unsigned char* p) { return p[0] > 200 && p[1] > 160 && p[2] < 90; }
bool IsRed(const unsigned char* p) { return p[0] > 160 && p[1] < 70 && p[2] < 80; }
bool IsWhite(const unsigned char* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; }
bool IsGreen(const unsigned char* p) { return p[1] > 80 && p[0] < 40 && p[2] < 110; }
bool IsBlue(const unsigned char* p) { return p[2] > 120 && p[0] < 60; }

}  // namespace

TEST(SignsAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const Deck* deck : kDecks) {
        EXPECT_TRUE(lines.count(deck->intro)) << deck->intro;
        for (int i = 0; i < kSignCount; ++i) {
            const Sign& sign = deck->signs[i];
            ASSERT_TRUE(lines.count(sign.narration)) << sign.narration << " has no narration line";
            EXPECT_EQ(lines.at(sign.narration), std::string("fr|") + sign.spoken) << sign.narration;
        }
    }
}

// Each deck asks for ten different signs, and only the signs that are heard
// alone have no printed meaning.
TEST(SignsAssets, EachDeckHoldsTenDistinctSigns) {
    for (const Deck* deck : kDecks) {
        int heardOnly = 0;
        for (int i = 0; i < kSignCount; ++i) {
            heardOnly += deck->signs[i].caption == nullptr;
            for (int j = 0; j < i; ++j) {
                EXPECT_STRNE(deck->signs[i].picture, deck->signs[j].picture);
                EXPECT_STRNE(deck->signs[i].narration, deck->signs[j].narration);
            }
        }
        EXPECT_EQ(heardOnly, 1) << deck->overlay;
    }
}

// The faces are 256-pixel squares; the points below are on them.
TEST(SignsAssets, EveryFaceFollowsItsKindsShapeAndColour) {
    for (const Deck* deck : kDecks) {
        for (int i = 0; i < kSignCount; ++i) {
            const Sign& sign = deck->signs[i];
            const PicturePixels face(Image(sign.picture));
            ASSERT_NE(face.data, nullptr) << sign.picture;
            const unsigned char* corner = face.At(4, 4);
            switch (sign.kind) {
                case KIND_WARNING:
                    EXPECT_TRUE(IsYellow(face.At(128, 40))) << sign.picture << " is not yellow";
                    EXPECT_LT(corner[3], 60) << sign.picture << " is not a diamond";
                    break;
                case KIND_PROHIBITION:
                    EXPECT_TRUE(IsWhite(face.At(30, 30))) << sign.picture;
                    EXPECT_TRUE(IsRed(face.At(128, 36))) << sign.picture << " has no red ring";
                    break;
                case KIND_REGULATORY:
                    EXPECT_TRUE(IsRed(face.At(128, 40))) << sign.picture;
                    break;
                case KIND_GUIDE: EXPECT_TRUE(IsGreen(face.At(24, 128))) << sign.picture; break;
                case KIND_SERVICE: EXPECT_TRUE(IsBlue(face.At(24, 128))) << sign.picture; break;
                case KIND_ROUTE: EXPECT_TRUE(IsWhite(face.At(64, 110))) << sign.picture; break;
                case KIND_INFORMATION: EXPECT_TRUE(IsWhite(face.At(30, 128))) << sign.picture; break;
            }
        }
    }
}
