#include "minigames/pizzeria/CMinigame2_3.h"

CMinigame2_3::CMinigame2_3(CModel* owner, MinigameType minigameType)
    : CSignHunt(owner, minigameType, "Icon_Minigame2_3.png", Signs::kRoadDeck) {}
