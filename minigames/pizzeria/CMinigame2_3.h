#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/CSignHunt.h"

// Road signs: the learner clicks the sign whose meaning the bubble prints and a
// voice says, ten signs in all, laid out anew after each right answer.
class CMinigame2_3 : public CSignHunt {
public:
    CMinigame2_3(CModel* model, MinigameType type);
};

using CMinigame2_3Controller = CMinigameController<CMinigame2_3>;
