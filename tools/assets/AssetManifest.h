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
        // answering calls (1_7 and 1_10)
        {"minijeu1_7progress%d.png", {{{1, 6}}}},
        {"minijeu1_10progress%d.png", {{{1, 6}}}},
        // the fax cover sheet (1_4)
        {"minijeu1_4progress%d.png", {{{1, 3}}}},
        // sending a fax (1_5)
        {"minijeu1_5progress%d.png", {{{1, 5}}}},
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
        // answering calls (1_7 and 1_10)
        "red_wood_background.png", "phone.png", "phoneOverlay.png", "phone_microphone.png",
        "phone_microphone2.png", "cartoon_bubble.png", "callsReview.png", "consigne1_7.png", "consigne1_10.png",
        "HoursOfOperation.png", "extenstionNumbers.png", "InOrOut.png", "YellowPages.png", "Ouverture.png",
        "horaire.png", "verify.png", "salaire.png",
        // the fax cover sheet (1_4)
        "fax_paper.png", "fax_overlay.png", "addressPlaceholder.png", "companyPlaceholder.png", "consigne1_4.png",
        "CompanyName.png", "address.png", "faxNumber.png", "phoneNumber.png", "tornPaper.png", "le17novembre.png",
        "six.png", "RencontreDeDemain.png", "messageBonjour.png",
        // sending a fax (1_5)
        "fax_background.png", "faxMachine.png", "faxMachine2.png", "keypad.png", "faxOverlay.png", "paper1.png",
        "paper2.png", "paperFlip.png", "Fax_Instruction.png", "consigne1_5.png",
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
        // answering calls (1_7 and 1_10)
        "Intro1_7.mp3", "Intro1_10.mp3", "microphone.mp3", "receiver.mp3", "salutationComplete.mp3",
        "salutationBonjour.mp3", "salutationBureau.mp3", "quellesontvosheuresdouverture.mp3",
        "reponse1_7a1.mp3", "reponse1_7a2.mp3", "reponse1_7a3.mp3", "appel1_7b.mp3", "reponse1_7b1.mp3",
        "reponse1_7b2.mp3", "reponse1_7b3.mp3", "appel1_7c.mp3", "reponse1_7c1.mp3", "reponse1_7c2.mp3",
        "reponse1_7c3.mp3", "appel1_7d.mp3", "reponse1_7d1.mp3", "reponse1_7d2.mp3", "reponse1_7d3.mp3",
        "reponse1_10a1.mp3", "reponse1_10a2.mp3", "reponse1_10a3.mp3", "appel1_10b.mp3", "reponse1_10b1.mp3",
        "reponse1_10b2.mp3", "reponse1_10b3.mp3", "appel1_10c.mp3", "reponse1_10c1.mp3", "reponse1_10c2.mp3",
        "reponse1_10c3.mp3", "QuoiSalaire.mp3", "reponse1_10d1.mp3", "reponse1_10d2.mp3", "reponse1_10d3.mp3",
        // the fax cover sheet (1_4)
        "Intro1_4.mp3", "telecopie_instruction.mp3", "entreprise.mp3", "address.mp3", "telecopie.mp3",
        "phonedestinaire.mp3", "delapartdetelecopie.mp3", "date.mp3", "numberOfPages.mp3", "objet.mp3",
        "commentaires.mp3",
        // sending a fax (1_5)
        "Intro1_5.mp3", "clavier.mp3", "document.mp3", "ecran.mp3", "envoiTelecopie.mp3", "nr0.mp3", "nr1.mp3",
        "nr2.mp3", "nr3.mp3", "nr4.mp3", "nr5.mp3", "nr6.mp3", "nr7.mp3", "nr8.mp3", "nr9.mp3",
    };
}

}  // namespace AssetManifest
