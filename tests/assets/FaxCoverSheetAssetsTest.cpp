// The fax cover sheet's desk picture and voices are made from the game's
// field table: these tests catch a field printed away from where the game
// takes drops, and a recording that explains another field.
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/FaxCoverSheet.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace FaxCoverSheet;

TEST(FaxCoverSheetAssets, EveryExplanationSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const Field& field : kFields) {
        ASSERT_TRUE(lines.count(field.explanation)) << field.explanation;
        EXPECT_EQ(lines.at(field.explanation), std::string("fr|") + field.explains);
        // The explanation starts with the field's own label.
        const std::string label = field.label;
        EXPECT_EQ(std::string(field.explains).rfind(label.substr(0, label.find(" :")), 0), 0u) << field.label;
    }
    EXPECT_TRUE(lines.count("Intro1_4.mp3"));
    EXPECT_TRUE(lines.count("telecopie_instruction.mp3"));
}

// Each field's rule is printed just under where its snippet's centre
// belongs, on the sheet's white paper; the slot itself is left blank.
TEST(FaxCoverSheetAssets, TheFieldsArePrintedWhereTheGameTakesTheDrops) {
    const PicturePixels paper(std::string(ZELK_GAME_DIR) + "/Images/fax_paper.png", kReferenceWidth,
                              kReferenceHeight);
    ASSERT_NE(paper.data, nullptr);
    for (const Field& field : kFields) {
        EXPECT_GT(paper.BrightnessAt(field.x, field.y), 230) << field.label;
        EXPECT_LT(paper.BrightnessAt(field.x, field.y + 21), 200) << field.label;
        EXPECT_GT(paper.BrightnessAt(field.x, field.y - 14), 230) << field.label;
    }
    // The snippets start off the sheet, on the desk.
    for (const Field& field : kFields) EXPECT_GT(field.startX - 190, kSheetRight) << field.snippet;
}

// The two numbers look alike: their snippets carry the labels of the
// laboratory's letterhead, so the learner can tell the fax from the telephone.
TEST(FaxCoverSheetAssets, TheNumbersAreLabelledAsOnALetterhead) {
    EXPECT_STREQ(kFields[2].label, "Télécopieur :");
    EXPECT_STREQ(kFields[2].words, "Téléc. : (705) 232-2332");
    EXPECT_STREQ(kFields[3].label, "Téléphone :");
    EXPECT_STREQ(kFields[3].words, "Tél. : (705) 232-2300");
}
