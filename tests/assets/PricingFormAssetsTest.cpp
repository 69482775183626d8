// The pricing game's pads and voices are made from its table: these tests
// catch a pad that shows other toppings than those priced, or a rule spoken
// differently from the table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "minigames/pizzeria/PricingForms.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

TEST(PricingFormAssets, EveryRuleIsSpokenAsTheTableSaysIt) {
    const auto lines = NarrationLines();
    for (const PriceLineInfo& line : kPriceLines) {
        ASSERT_TRUE(lines.count(line.help)) << line.help;
        EXPECT_EQ(lines.at(line.help), std::string("fr|") + line.spoken) << line.help;
    }
    EXPECT_EQ(lines.at(kToppingHelp), std::string("fr|") + kToppingHelpSpoken);
    EXPECT_TRUE(lines.count("Intro2_9.mp3"));
}

// The pen's cross meets in the middle of a ticked box; an unticked box is
// paper there. The pad shows at 0.75 of its file, centred.
TEST(PricingFormAssets, EachPadTicksExactlyTheToppingsItIsPricedFor) {
    for (const Form& form : kForms) {
        const PicturePixels pad(std::string(ZELK_GAME_DIR) + "/Images/" + form.picture);
        ASSERT_NE(pad.data, nullptr) << form.picture;
        std::set<int> ticked(std::begin(form.toppings), std::end(form.toppings));
        for (int line = kFirstTopping; line <= kLastTopping; ++line) {
            const Offset at = kLines[line];
            const int brightness = pad.BrightnessAt(512 + (at.dx + kTickDx[0] + 3.5) / 0.75, 512 + at.dy / 0.75);
            if (ticked.count(line)) {
                EXPECT_LT(brightness, 150) << form.picture << " line " << line;
            } else {
                EXPECT_GT(brightness, 200) << form.picture << " line " << line;
            }
        }
    }
}
