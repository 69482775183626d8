#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/COrderFormGame.h"

// The pizza order form that prices itself, the orders recorded in English.
class CMinigame2_6 : public COrderFormGame {
public:
    CMinigame2_6(CModel* model, MinigameType type);
};

using CMinigame2_6Controller = CMinigameController<CMinigame2_6>;
