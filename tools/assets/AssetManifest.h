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
        // the call transfers (1_8)
        {"minijeu1_8progress%d.png", {{{1, 7}}}},
        {"message1_8_%d.png", {{{1, 6}}}},
        // the message forms (1_2, 1_3)
        {"minijeu1_2progress%d.png", {{{1, 3}}}},
        // the greetings (1_6, 1_9)
        {"minijeu1_6progress%d.png", {{{1, 3}}}},
        {"greeting%d.png", {{{1, 8}}}},
        {"greeting_%d_EN.png", {{{1, 8}}}},
        // the sign hunts (2_3, 2_7)
        {"minijeu2_3progress%d.png", {{{1, 11}}}},
        {"minijeu2_7progress%d.png", {{{1, 11}}}},
        // the delivery GPS (2_2, 2_8)
        {"minijeu2_2progress%d.png", {{{1, 5}}}},
        {"minijeu2_8progress%d.png", {{{1, 5}}}},
        // the office building's lobby (2_4)
        {"minijeu2_4progress%d.png", {{{1, 6}}}},
        // the grocery's games: the strip and the scale's produce
        {"minijeu3_1progress%d.png", {{{1, 3}}}},
        {"FruitVeg%d.png", {{{1, 12}}}},
        {"receipt%d.png", {{{1, 5}}}},
        {"Item%d.png", {{{1, 8}}}},
        {"Item%dDate.png", {{{1, 8}}}},
        {"Today%d.png", {{{1, 5}}}},
        {"cold%d.png", {{{1, 5}}}},
        {"frozen%d.png", {{{1, 5}}}},
        // answering calls (1_7 and 1_10)
        {"minijeu1_7progress%d.png", {{{1, 6}}}},
        {"minijeu1_10progress%d.png", {{{1, 6}}}},
        // the fax cover sheet (1_4)
        {"minijeu1_4progress%d.png", {{{1, 3}}}},
        // sending a fax (1_5)
        {"minijeu1_5progress%d.png", {{{1, 5}}}},
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
        "button_questionmark.png", "button_questionmark_light.png", "button_mute.png", "button_muted.png", "button_subtitles.png", "button_subtitles_off.png", "button_slow.png", "button_slow_on.png", "button_instruction.png",
        "button_instruction_light.png", "button_play.png", "button_play_light.png",
        // the score panel
        "button_reward_practice.png", "button_reward_practice_light.png", "button_reward_restart.png", "button_reward_restart_light.png", "button_reward_menu.png",
        "button_reward_menu_light.png", "MinijeuComplete.png", "scoreTitles.png", "gold_bullion.png",
        "gold_bullion_empty.png", "bullion_large.png",
        // the trophy house
        "RewardHouse.png", "victory.png", "count_glyphs.png",
        // widgets and category pictures
        "crosshair.png", "error.png", "review_missed.png", "strip_missed.png", "review_legend.png", "review_legend_en.png", "review_legend_two_lines.png", "dropdownbox.png", "dropdownbox_long.png", "CategoryDentistIcon.png",
        "CategoryPizzaIcon.png", "CategoryGroceryIcon.png",
        // the answering-machine lesson
        "phone_background.png", "phone_overlay.png", "consigne1_1.png", "instruction1_1a.png",
        "instruction1_1b.png", "instruction1_1c.png", "instruction1_1d.png", "instruction1_1e.png",
        "instruction1_1f.png", "instruction1_1g.png",
        // the call transfers (1_8)
        "organigramme_overlay.png", "consigne1_8.png",
        // the message forms (1_2, 1_3)
        "red_wood_background.png", "french_message.png", "english_message.png", "french_message_overlay.png",
        "consigne1_2.png", "consigne1_3.png",
        // the greetings (1_6, 1_9)
        "greeting_empty.png", "acceptable.png", "chosen.png", "chosen_en.png", "greetings_overlay.png", "greetings_overlay_english.png",
        "consigne1_6.png", "consigne1_9.png",
        // the sign hunts (2_3, 2_7)
        "sign_doNotEnter.png", "sign_lightsAhead.png", "sign_noBikes.png", "sign_noLeftTurn.png",
        "sign_noParking.png", "sign_pedestrianCrossing.png", "sign_roadToGravel.png", "sign_sharpRight.png",
        "sign_windingRoad.png", "sign_yield.png", "sign_911.png", "sign_bumpy.png", "sign_etcc.png",
        "sign_height.png", "sign_otterlake.png", "sign_ouestest.png", "sign_remaining.png", "sign_slope.png",
        "sign_via.png", "sign_laneEnding.png", "signs1.png", "signs2.png", "signs3.png", "signs4.png",
        "signs5.png", "signs6.png", "signs7.png", "signs8.png", "signs9.png", "signs10.png", "signs11.png",
        "signs13.png", "signs14.png", "signs15.png", "signs16.png", "signs17.png", "signs18.png", "signs19.png",
        "signs20.png", "overlaysigns.png", "overlaysigns2.png", "comicBubble.png", "consigne2_3.png",
        "consigne2_7.png",
        // the delivery GPS (2_2, 2_8)
        "GPS_1.png", "GPS_2.png", "GPS_3.png", "GPS_4.png", "GPS_5.png", "GPS_6.png", "GPS_7.png", "GPS_8.png",
        "GPS_1_FR.png", "GPS_2_FR.png", "GPS_3_FR.png", "GPS_4_FR.png", "GPS_5_FR.png", "GPS_6_FR.png",
        "GPS_7_FR.png", "GPS_8_FR.png", "gps_overlay.png", "gps_overlay_FR.png", "pizzaSticky.png",
        "pizzaSticky_FR.png", "consigne2_2.png", "consigne2_8.png",
        // the office building's lobby (2_4)
        "elevator.png", "elevatorTutorial.png", "nameChart.png", "elevatorButtons.png", "namesSmall.png",
        "elevatorButtonsSmall.png", "consigne2_4.png",
        // the grocery's counter, and the checkout scale (3_4)
        "FruitTable.png", "grocerymachine.png", "keypad2.png", "scale_overlay.png",
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
        // answering calls (1_7 and 1_10)
        "phone.png", "phoneOverlay.png", "phone_microphone.png",
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
        // the order form (2_1, 2_6)
        "stainless-steel.png", "pizzaOrderForm.png", "pizzaOverlay.png", "message_de_la_repondeuse.png",
        "consigne2_1.png", "consigne2_6.png",
        // card payments on the terminal (2_5)
        "DebitMachine0.png", "cards.png", "interac_overlay.png", "cartoon_bubble_long.png", "consigne2_5.png",
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
        // the call transfers (1_8)
        "Intro1_8.mp3", "message1_8_b.mp3", "message1_8_c.mp3", "message1_8_d.mp3", "message1_8_e.mp3",
        "message1_8_f.mp3", "message1_8_g.mp3",
        // the digits of every keypad (1_5, 1_8, 2_5, 3_4)
        "nr0.mp3", "nr1.mp3", "nr2.mp3", "nr3.mp3", "nr4.mp3", "nr5.mp3", "nr6.mp3", "nr7.mp3", "nr8.mp3", "nr9.mp3",
        // the message forms (1_2, 1_3)
        "Intro1_2.mp3", "Intro1_3.mp3", "french_message1.mp3", "french_message2.mp3", "english_message1.mp3",
        "english_message2.mp3", "date.mp3", "destinaire.mp3", "delapartde.mp3", "message.mp3", "votreNom.mp3",
        "temps.mp3", "numeroDeTelephone.mp3", "Urgent.mp3", "correspondence1.mp3", "correspondence2.mp3",
        "correspondence3.mp3", "correspondence4.mp3", "correspondence5.mp3", "correspondence6.mp3",
        "correspondence01.mp3", "correspondence02.mp3", "correspondence03.mp3", "correspondence04.mp3",
        "correspondence05.mp3", "correspondence06.mp3",
        // the greetings (1_6, 1_9)
        "Intro1_6.mp3", "Intro1_9.mp3", "Intro1_6b.mp3", "ellenestpasici.mp3", "ellenestpasdisponible.mp3",
        "hold.mp3", "enattente.mp3", "uninstant.mp3", "vousaider.mp3", "daide.mp3", "calendrier.mp3",
        "audio_english_1.mp3", "audio_english_2.mp3", "audio_english_3.mp3", "audio_english_4.mp3",
        "audio_english_5.mp3", "audio_english_6.mp3", "audio_english_7.mp3", "audio_english_8.mp3",
        "juliealappareil.mp3", "icijulie.mp3", "prendreunmessage.mp3", "bonjour1.mp3", "veuxtudelaide.mp3",
        "pasici.mp3", "helloyouvereached.mp3", "goodmorning.mp3", "imsorry.mp3", "hello.mp3",
        "hicanihelpyou.mp3", "sorryshesnothere.mp3",
        // the sign hunts (2_3, 2_7)
        "Intro2_3.mp3", "Intro2_7.mp3", "sign_feudecirculation.mp3", "sign_bicyclettes.mp3", "sign_gauche.mp3",
        "sign_defensedentrer.mp3", "sign_stationnement.mp3", "sign_pietons.mp3", "sign_gravillons.mp3",
        "sign_droite.mp3", "sign_virages.mp3", "sign_cedez.mp3", "sign_911.mp3", "sign_bosses.mp3", "sign_69.mp3",
        "sign_44.mp3", "sign_forestFire.mp3", "sign_EstOuest.mp3", "sign_distances.mp3", "sign_incline.mp3",
        "sign_commercial.mp3", "sign_merge.mp3",
        // the delivery GPS (2_2, 2_8)
        "Intro2_2.mp3", "Intro2_8.mp3", "NavigateTo.mp3", "AddressGPS.mp3", "StreetAndHouseNumber.mp3",
        "naviguerVers.mp3", "adresse.mp3", "rueEtNumeroDeRue.mp3", "City.mp3", "Street.mp3", "HouseNumber.mp3",
        "224.mp3",
        // the office building's lobby (2_4)
        "Intro2_4.mp3", "visiteur1.mp3", "visiteur2.mp3", "visiteur3.mp3", "visiteur4.mp3", "visiteur5.mp3",
        "prenom.mp3", "surnom.mp3", "integer.mp3", "button.mp3",
        // the checkout scale (3_4)
        "Intro3_4.mp3",
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
        "phonedestinaire.mp3", "delapartdetelecopie.mp3", "numberOfPages.mp3", "objet.mp3",
        "commentaires.mp3",
        // sending a fax (1_5)
        "Intro1_5.mp3", "clavier.mp3", "document.mp3", "ecran.mp3", "envoiTelecopie.mp3", "nrEtoile.mp3",
        "nrCarre.mp3", "faxPasDeDocument.mp3", "faxPasDeNumero.mp3", "faxMauvaisNumero.mp3",
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
