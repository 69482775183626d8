#include "core/MinigameNames.h"

namespace MinigameNames {

namespace {
constexpr const char* kFrench = "en français";
constexpr const char* kEnglish = "en anglais";
}  // namespace

Name Of(int type) {
    switch (type) {
        case MINIGAME_1_1: return {"Le répondeur", ""};
        case MINIGAME_1_2: return {"Prendre un message", kFrench};
        case MINIGAME_1_3: return {"Prendre un message", kEnglish};
        case MINIGAME_1_4: return {"La page couverture de télécopie", ""};
        case MINIGAME_1_5: return {"Envoyer une télécopie", ""};
        case MINIGAME_1_6: return {"Saluer au téléphone", kFrench};
        case MINIGAME_1_7: return {"Répondre aux appels (1)", ""};
        case MINIGAME_1_8: return {"Transférer les appels", ""};
        case MINIGAME_1_9: return {"Saluer au téléphone", kEnglish};
        case MINIGAME_1_10: return {"Répondre aux appels (2)", ""};
        case MINIGAME_2_1: return {"Prendre une commande", kFrench};
        case MINIGAME_2_2: return {"Le GPS de livraison", kEnglish};
        case MINIGAME_2_3: return {"Les panneaux de la route", ""};
        case MINIGAME_2_4: return {"Le hall de l'immeuble", ""};
        case MINIGAME_2_5: return {"Les paiements par carte", ""};
        case MINIGAME_2_6: return {"Prendre une commande", kEnglish};
        case MINIGAME_2_7: return {"Les panneaux d'information", ""};
        case MINIGAME_2_8: return {"Le GPS de livraison", kFrench};
        case MINIGAME_2_9: return {"Calculer le prix d'une commande", ""};
        case MINIGAME_3_1: return {"Les dates sur le tapis", ""};
        case MINIGAME_3_2: return {"Trier selon la date", ""};
        case MINIGAME_3_3: return {"Ranger l'épicerie", ""};
        case MINIGAME_3_4: return {"Les codes des fruits et légumes", ""};
        case MINIGAME_3_5: return {"Lire les reçus de caisse", ""};
        default: return {"", ""};
    }
}

}  // namespace MinigameNames
