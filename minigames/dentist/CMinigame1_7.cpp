#include "minigames/dentist/CMinigame1_7.h"

CMinigame1_7::CMinigame1_7(CModel* owner, MinigameType minigameType)
    : CAnsweringCalls(owner, minigameType, "Icon_Minigame1_7.png", PhoneCalls::kEverydayCalls) {}
