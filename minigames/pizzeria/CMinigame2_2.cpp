#include "minigames/pizzeria/CMinigame2_2.h"

CMinigame2_2::CMinigame2_2(CModel* owner, MinigameType minigameType)
    : CGpsEntry(owner, minigameType, "Icon_Minigame2_2.png", DeliveryGps::kEnglish) {}
