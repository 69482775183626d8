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
        // the order form (2_1, 2_6) and its pricing game (2_9)
        {"minijeu2_1progress%d.png", {{{1, 3}}}},
        // card payments on the terminal (2_5)
        {"minijeu2_5progress%d.png", {{{1, 5}}}},
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
        // the order form (2_1, 2_6)
        "stainless-steel.png", "pizzaOrderForm.png", "pizzaOverlay.png", "message_de_la_repondeuse.png",
        "consigne2_1.png", "consigne2_6.png",
        // card payments on the terminal (2_5)
        "DebitMachine0.png", "cards.png", "interac_overlay.png", "cartoon_bubble.png", "consigne2_5.png",
        "interac_help0.png", "interac_help1.png", "interac_help2.png", "interac_help3.png",
        // pricing the order form (2_9)
        "pizzaOrderForm0.png", "pizzaOrderForm1.png", "pizzaOrderForm2.png", "pizzaOrderForm3.png",
        "pizzaOverlay2.png", "instruction_recu.png", "consigne2_9.png",
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
        // effects
        "beep.mp3", "error.mp3", "whip.mp3", "drop.mp3", "blingbling.mp3", "woosh.mp3", "chime.mp3",
        "phoneRing.mp3", "open.mp3", "close.mp3", "comic1.mp3",
        // music
        "SplashMusic.mp3", "Music2.mp3", "Music3.mp3", "musicRewards.mp3",
        // the order form (2_1, 2_6)
        "Intro2_1.mp3", "Intro2_6.mp3", "Order1_FR.mp3", "Order2_FR.mp3", "Order3_FR.mp3", "Order4_FR.mp3",
        "Order1_EN.mp3", "Order2_EN.mp3", "Order3_EN.mp3", "Order4_EN.mp3", "Mozzarella.mp3", "Boconccini.mp3",
        "feta.mp3", "pepperoni.mp3", "ham.mp3", "baccon.mp3", "sausage.mp3", "chicken.mp3", "GreenPeppers.mp3",
        "redPeppers.mp3", "roastedRedPeppers.mp3", "hotPeppers.mp3", "mushrooms.mp3", "pineapple.mp3",
        "onions.mp3", "anchovies.mp3", "greenOlives.mp3", "blackOlives.mp3", "broccoli.mp3", "tomatoes.mp3",
        "beef.mp3", "nomduclient.mp3", "taillePizza.mp3", "pizza1.mp3", "pizza2.mp3",
        // card payments on the terminal (2_5)
        "Intro2_5.mp3", "debit.mp3", "credit.mp3", "cadeau.mp3", "interacHelp0.mp3", "interacHelp1.mp3",
        "interacHelp2.mp3", "interacHelp3.mp3", "interacErase.mp3", "interacEnter.mp3",
        // pricing the order form (2_9)
        "Intro2_9.mp3", "prixdelapizzasansgarnitures.mp3", "lenombredegarnituresmoins3foisundollar.mp3",
        "prixdebaseplusprixdesgarnitures.mp3", "soustotalfois0point13.mp3", "soustotalplustaxtvh.mp3",
        "garniture.mp3",
    };
}

}  // namespace AssetManifest
