#include "minigames/pizzeria/CMinigame2_7.h"

CMinigame2_7::CMinigame2_7(CModel* owner, MinigameType minigameType)
    : CSignHunt(owner, minigameType, "Icon_Minigame2_7.png", Signs::kInfoDeck) {}
