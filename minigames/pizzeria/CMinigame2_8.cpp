#include "minigames/pizzeria/CMinigame2_8.h"

CMinigame2_8::CMinigame2_8(CModel* owner, MinigameType minigameType)
    : CGpsEntry(owner, minigameType, "Icon_Minigame2_8.png", DeliveryGps::kFrench) {}
