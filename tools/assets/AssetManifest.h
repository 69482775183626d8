#pragma once
#include <cstdio>
#include <string>
#include <vector>

// Every picture and sound the build makes for the game, by file name. The
// asset test checks that each one is made and loads, and that every name the
// game's code uses is among them. Add a name here when you add a picture
// (tools/art) or a sound (tools/sounds).
namespace AssetManifest {

// A file name the code builds with printf ("trophy%d.png"): for each of its
// %d, the indices it takes. A pattern may have several rows of ranges.
struct IndexRange {
    int first;
    int last;
};
struct Pattern {
    const char* format;
    std::vector<std::vector<IndexRange>> rows;
};

inline const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = {
        {"trophy%d.png", {{{0, 37}}}},
        {"logo%d.png", {{{1, 5}}}},
        {"Icon_Minigame%d_%d.png", {{{1, 1}, {1, 10}}, {{2, 2}, {1, 9}}, {{3, 3}, {1, 5}}}},
        {"minijeu1_1progress%d.png", {{{1, 8}}}},
        // the grocery's games: the strip and the scale's produce
        {"minijeu3_1progress%d.png", {{{1, 3}}}},
        {"FruitVeg%d.png", {{{1, 12}}}},
        {"receipt%d.png", {{{1, 5}}}},
        {"Item%d.png", {{{1, 8}}}},
        {"Item%dDate.png", {{{1, 8}}}},
        {"Today%d.png", {{{1, 5}}}},
        {"cold%d.png", {{{1, 5}}}},
        {"frozen%d.png", {{{1, 5}}}},
    };
    return patterns;
}

// Every name a pattern stands for.
inline std::vector<std::string> Expand(const Pattern& pattern) {
    std::vector<std::string> names;
    for (const auto& row : pattern.rows) {
        std::vector<int> at;
        for (const IndexRange& r : row) at.push_back(r.first);
        if (at.empty()) continue;
        while (true) {
            char name[256];
            switch (at.size()) {
                case 1: std::snprintf(name, sizeof name, pattern.format, at[0]); break;
                case 2: std::snprintf(name, sizeof name, pattern.format, at[0], at[1]); break;
                default: std::snprintf(name, sizeof name, pattern.format, at[0], at[1], at[2]); break;
            }
            names.push_back(name);
            size_t k = at.size();
            while (k > 0 && at[k - 1] == row[k - 1].last) {
                at[k - 1] = row[k - 1].first;
                --k;
            }
            if (k == 0) break;
            ++at[k - 1];
        }
    }
    return names;
}

inline std::vector<std::string> Pictures() {
    std::vector<std::string> names = {
        // title, splash and credits
        "title.png", "dark_wood_background.png", "title_login.png", "title_login_light.png", "title_exit.png",
        "title_exit_light.png", "credits_button.png", "CreditsBackground.png", "exit.png", "logo.png",
        // the town map
        "roadmapBackground.png", "BuildingDentist.png", "BuildingPizza.png", "BuildingGrocery.png", "vault.png",
        "clouds.png",
        // the workplaces' rooms
        "waitingroom.png", "pizzaria.png", "shelf_background.png", "loading.png",
        // the standard buttons
        "button_questionmark.png", "button_questionmark_light.png", "button_mute.png", "button_instruction.png",
        "button_instruction_light.png", "button_play.png", "button_play_light.png",
        // the score panel
        "button_reward_restart.png", "button_reward_restart_light.png", "button_reward_menu.png",
        "button_reward_menu_light.png", "MinijeuComplete.png", "scoreTitles.png", "gold_bullion.png",
        "gold_bullion_empty.png", "bullion_large.png",
        // the trophy house
        "RewardHouse.png", "victory.png",
        // widgets and category pictures
        "crosshair.png", "error.png", "dropdownbox.png", "dropdownbox_long.png", "CategoryDentistIcon.png",
        "CategoryPizzaIcon.png", "CategoryGroceryIcon.png",
        // the answering-machine lesson
        "phone_background.png", "phone_overlay.png", "consigne1_1.png", "instruction1_1a.png",
        "instruction1_1b.png", "instruction1_1c.png", "instruction1_1d.png", "instruction1_1e.png",
        "instruction1_1f.png", "instruction1_1g.png",
        // the grocery's counter, and the checkout scale (3_4)
        "stainless-steel.png", "FruitTable.png", "grocerymachine.png", "keypad2.png", "scale_overlay.png",
        "border.png", "borderB.png", "smallCircle.png", "smallCircleB.png", "consigne3_4.png",
        // the receipts (3_5)
        "receipt.png", "receipt_overlay.png", "smallOval.png", "consigne3_5.png", "2160.png", "2160-1.png",
        "690.png", "690-1.png", "724.png", "724-1.png", "2621.png", "2621-1.png", "317.png", "317-1.png",
        "question_total.png", "question_cash.png", "question_change.png",
        // the dated goods (3_1, 3_2)
        "dates_overlay.png", "formatLong.png", "DateRefChart.png", "shoppingcart.png", "trash.png", "consigne3_2.png",
        "format1.png", "format2.png", "format3.png", "format4.png", "conveyor.png", "consigne3_1.png",
        // putting goods away (3_3)
        "storage_overlay.png", "shelf.png", "fridge.png", "freezer.png", "bread.png", "milk.png", "icecream.png",
        "consigne3_3.png",
    };
    for (const Pattern& p : Patterns())
        for (const std::string& n : Expand(p)) names.push_back(n);
    return names;
}

inline std::vector<std::string> Sounds() {
    return {
        // spoken help
        "mainmenuInstruction.mp3", "submenuInstruction.mp3", "consigne_2_9.mp3",
        // the answering-machine lesson
        "Intro1_1.mp3", "Message1_1a.mp3", "Message1_1b.mp3", "Message1_1c.mp3", "Message1_1d.mp3",
        "Message1_1e.mp3", "Message1_1f.mp3", "Message1_1g.mp3", "RebobinerMessage.mp3", "RejouerMessage.mp3",
        "EffacerMessage.mp3", "AideMessage.mp3", "SauvegarderMessage.mp3", "ProchainMessage.mp3",
        "EcouterMessages.mp3", "AugmenterVolumeMessage.mp3", "HautParleurMessage.mp3", "RendreMuetMessage.mp3",
        // the checkout scale (3_4)
        "Intro3_4.mp3", "nr0.mp3", "nr1.mp3", "nr2.mp3", "nr3.mp3", "nr4.mp3", "nr5.mp3", "nr6.mp3", "nr7.mp3",
        "nr8.mp3", "nr9.mp3",
        // the receipts (3_5)
        "Intro3_5.mp3", "3_5_instructions.mp3", "total.mp3", "cash.mp3", "change.mp3", "question_total.mp3",
        "question_cash.mp3", "question_change.mp3",
        // the dated goods (3_1, 3_2)
        "Intro3_2.mp3", "expjan23.mp3", "ja2312bna.mp3", "230112.mp3", "BBMA2012JA23.mp3", "3_1_instructions.mp3",
        "Intro3_1.mp3",
        // putting goods away (3_3)
        "Intro3_3.mp3",
        // effects
        "beep.mp3", "error.mp3", "whip.mp3", "drop.mp3", "blingbling.mp3", "woosh.mp3", "chime.mp3",
        "phoneRing.mp3", "open.mp3", "close.mp3", "comic1.mp3",
        // music
        "SplashMusic.mp3", "Music2.mp3", "Music3.mp3", "musicRewards.mp3",
    };
}

}  // namespace AssetManifest
