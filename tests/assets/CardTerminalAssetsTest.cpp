// The card terminal's pictures and voices are made from the game's table:
// these tests catch a key drawn away from where the game listens for it, or
// a help page whose voice says something else.
#include <gtest/gtest.h>

#include <string>

#include "minigames/pizzeria/PaymentTerminal.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace PaymentTerminal;

TEST(CardTerminalAssets, EveryVoiceSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (const Page& page : kPages) {
        ASSERT_TRUE(lines.count(page.voice)) << page.voice;
        EXPECT_EQ(lines.at(page.voice), std::string("fr|") + page.text) << page.voice;
    }
    for (const ClickHelp& help : kClickHelp) EXPECT_EQ(lines.at(help.voice), std::string("fr|") + help.spoken);
    for (const Payment& payment : kPayments) {
        EXPECT_EQ(lines.at(payment.announce), std::string("fr|") + payment.announced) << payment.announce;
    }
    EXPECT_TRUE(lines.count("Intro2_5.mp3"));
}

// The terminal shows at its file size (scale 2 of half its size), centred
// at kTerminalAt: each key's cap is light where the game listens for it,
// and the dark body shows between two rows of keys.
TEST(CardTerminalAssets, TheKeysAreDrawnWhereTheGameListens) {
    const PicturePixels terminal(std::string(ZELK_GAME_DIR) + "/Images/DebitMachine0.png");
    ASSERT_NE(terminal.data, nullptr) << SOIL_last_result();
    auto at = [&](int dx, int dy) { return terminal.BrightnessAt(256 + dx - kTerminalAt.dx, 256 + dy - kTerminalAt.dy); };
    for (int k = 0; k < kKeyCount; ++k) {
        // Either side of the label, inside the reach the game gives a key.
        EXPECT_GT(at(kKeys[k].dx - 8, kKeys[k].dy - 6), 120) << "key " << k;
        EXPECT_GT(at(kKeys[k].dx + 8, kKeys[k].dy + 6), 120) << "key " << k;
    }
    EXPECT_LT(at(kKeys[1].dx, (kKeys[1].dy + kKeys[4].dy) / 2 + 2), 90);
    for (int line = 0; line < 4; ++line) EXPECT_GT(at(kMenuKeyX + 6, kScreenLineY[line] + kMenuKeyDy), 110) << line;
    // The screen is light where the game writes its lines.
    EXPECT_GT(at(kScreenLineX + 20, kScreenLineY[0] - 6), 150);
}

TEST(CardTerminalAssets, EachCardLiesWhereTheGameTakesIt) {
    const PicturePixels cards(std::string(ZELK_GAME_DIR) + "/Images/cards.png");
    ASSERT_NE(cards.data, nullptr);
    for (int t = 0; t < kPaymentCount; ++t) {
        const int x = 128 + kCards[t].dx - kCardsAt.dx, y = 256 + kCards[t].dy - kCardsAt.dy;
        EXPECT_GT(cards.At(x - 60, y + 40)[3], 200) << "card " << t;  // opaque card face
        EXPECT_GT(cards.At(x + 60, y - 40)[3], 200) << "card " << t;
    }
    // Between two cards, nothing.
    EXPECT_LT(cards.At(128, 256 + (kCards[0].dy + kCards[1].dy) / 2)[3], 60);
}
