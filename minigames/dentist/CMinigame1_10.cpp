#include "minigames/dentist/CMinigame1_10.h"

CMinigame1_10::CMinigame1_10(CModel* owner, MinigameType minigameType)
    : CAnsweringCalls(owner, minigameType, "Icon_Minigame1_10.png", PhoneCalls::kSheetCalls) {}
