#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/CSignHunt.h"

// Information signs: the same hunt as the road signs, over ten information
// signs of the road and the street.
class CMinigame2_7 : public CSignHunt {
public:
    CMinigame2_7(CModel* model, MinigameType type);
};

using CMinigame2_7Controller = CMinigameController<CMinigame2_7>;
