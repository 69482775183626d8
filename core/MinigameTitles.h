#pragma once
// What each place and each minigame is called, in French, as a learner
// meets it in the rooms (the name shown under the pointer) and as a tutor
// reads it in the progress report. The most points one game can bring is
// the minigame's own (MinigameMaximum), not written here. The "EN" and "FR"
// activities say in which language their recordings are. In the order of
// the rooms' icons.

#include <string>

#include "core/GameTypes.h"

inline constexpr const char* kInFrench = "en français";
inline constexpr const char* kInEnglish = "en anglais";

struct MinigameTitle {
    MinigameType type;
    const char* name;      // UTF-8
    const char* language;  // kInFrench, kInEnglish, or "" for one-language activities
};

inline constexpr int kMinigameTitleCount = 24;

inline constexpr MinigameTitle kMinigameTitles[kMinigameTitleCount] = {
    {MINIGAME_1_1, "Le répondeur", ""},
    {MINIGAME_1_2, "Prendre un message", kInFrench},
    {MINIGAME_1_3, "Prendre un message", kInEnglish},
    {MINIGAME_1_4, "La page de couverture d'une télécopie", ""},
    {MINIGAME_1_5, "Envoyer une télécopie", ""},
    {MINIGAME_1_6, "Saluer au téléphone", kInFrench},
    {MINIGAME_1_7, "Répondre aux appels 1", ""},
    {MINIGAME_1_8, "Transférer les appels", ""},
    {MINIGAME_1_9, "Saluer au téléphone", kInEnglish},
    {MINIGAME_1_10, "Répondre aux appels 2", ""},
    {MINIGAME_2_1, "Le bon de commande", kInFrench},
    {MINIGAME_2_2, "Le GPS", kInEnglish},
    {MINIGAME_2_3, "Les panneaux routiers", ""},
    {MINIGAME_2_4, "L'ascenseur de l'immeuble", ""},
    {MINIGAME_2_5, "Le paiement par carte", ""},
    {MINIGAME_2_6, "Le bon de commande", kInEnglish},
    {MINIGAME_2_7, "Les panneaux d'information", ""},
    {MINIGAME_2_8, "Le GPS", kInFrench},
    {MINIGAME_2_9, "Le calcul du prix", ""},
    {MINIGAME_3_1, "Les dates « meilleur avant »", ""},
    {MINIGAME_3_2, "Trier selon la date", ""},
    {MINIGAME_3_3, "Ranger l'épicerie", ""},
    {MINIGAME_3_4, "Les codes des fruits et légumes", ""},
    {MINIGAME_3_5, "Lire un reçu", ""},
};

// The name with its language, as the report and the rooms write it:
// "Prendre un message en anglais".
inline std::string FullName(const MinigameTitle& title) {
    return *title.language ? std::string(title.name) + " " + title.language : std::string(title.name);
}

// The title of a minigame type; null for a value that names none.
inline const MinigameTitle* TitleOf(int type) {
    for (const MinigameTitle& title : kMinigameTitles) {
        if (title.type == type) return &title;
    }
    return nullptr;
}

// The workplace's name, UTF-8; "" for the trophy house and none.
inline const char* WorkplaceName(CategoryType category) {
    switch (category) {
        case CATEGORY_DENTIST: return "Bureau du dentiste";
        case CATEGORY_PIZZA: return "Pizzeria";
        case CATEGORY_GROCERY: return "Épicerie";
        case CATEGORY_REWARDS:
        case CATEGORY_NONE: break;
    }
    return "";
}
