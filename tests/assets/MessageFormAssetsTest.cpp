// The message forms' recordings are spoken from the right entries of the
// game's judging table, and the pads are drawn on its targets: these tests
// catch a recording that says another name, date or number than the one
// judged right, and a box drawn away from where the game toggles it.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/MessageForm.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace MessageForm;

namespace {

// The recording's words: its script with each right entry spoken.
std::string Spoken(const Recording& r, const Language& language) {
    static const struct {
        const char* key;
        List list;
    } kSlots[] = {{"{date}", LIST_DATE},       {"{time}", LIST_TIME},       {"{recipient}", LIST_RECIPIENT},
                  {"{caller}", LIST_CALLER},   {"{message}", LIST_MESSAGE}, {"{phone}", LIST_PHONE}};
    std::string text = r.script;
    for (const auto& slot : kSlots) {
        const size_t at = text.find(slot.key);
        if (r.right[slot.list] == kNone) {
            EXPECT_EQ(at, std::string::npos) << r.file << " speaks of " << slot.key << ", which is judged empty";
            continue;
        }
        EXPECT_NE(at, std::string::npos) << r.file << " never says its " << slot.key;
        if (at == std::string::npos) continue;
        const Item& item = ListItems(slot.list, language)[r.right[slot.list]];
        text.replace(at, std::string(slot.key).size(), language.english ? item.english : item.french);
    }
    return text;
}

}  // namespace

TEST(MessageFormAssets, EachRecordingSaysTheRightEntriesOfItsTable) {
    const auto lines = NarrationLines();
    for (const Language* language : {&kFrenchForm, &kEnglishForm}) {
        for (int variant = 0; variant < 2; ++variant) {
            const Recording& r = language->recordings[variant];
            ASSERT_TRUE(lines.count(r.file)) << r.file << " has no narration line";
            const std::string voice = language->english ? "en-us|" : "fr|";
            EXPECT_EQ(lines.at(r.file), voice + Spoken(r, *language)) << r.file;
        }
    }
    for (const Target& t : kTargets) {
        EXPECT_EQ(lines.count(t.explanation), 1u) << t.explanation;
        if (t.englishExplanation) {
            EXPECT_EQ(lines.at(t.englishExplanation).rfind("en-us|", 0), 0u) << t.englishExplanation;
        }
    }
    EXPECT_EQ(lines.at("Intro1_2.mp3").rfind("fr|", 0), 0u);
    EXPECT_EQ(lines.at("Intro1_3.mp3").rfind("en-us|", 0), 0u);
}

// Each box is an empty square with a dark edge at the game's target, on both
// pads; the pad is drawn around the middle of the view.
TEST(MessageFormAssets, TheBoxesAreDrawnWhereTheGameTogglesThem) {
    for (const Language* language : {&kFrenchForm, &kEnglishForm}) {
        const PicturePixels pad(std::string(ZELK_GAME_DIR) + "/Images/" + language->form);
        ASSERT_NE(pad.data, nullptr) << language->form;
        ASSERT_EQ(pad.width, 1024);
        const double cx = pad.width / 2.0, cy = pad.height / 2.0;
        for (const Box& box : kBoxes) {
            EXPECT_GT(pad.BrightnessAt(cx + box.dx, cy + box.dy), 240) << box.french;
            EXPECT_LT(pad.BrightnessAt(cx + box.dx - 8, cy + box.dy), 170) << box.french;
            EXPECT_LT(pad.BrightnessAt(cx + box.dx + 8, cy + box.dy), 170) << box.french;
        }
        EXPECT_GT(pad.At(cx - 330, cy - 200)[3], 250);  // the sheet reaches the corners of the targets
        EXPECT_EQ(pad.At(20, 20)[3], 0);
    }
}
