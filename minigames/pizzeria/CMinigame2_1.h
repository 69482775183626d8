#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/COrderFormGame.h"

// The pizza order form that prices itself, the orders recorded in French.
class CMinigame2_1 : public COrderFormGame {
public:
    CMinigame2_1(CModel* model, MinigameType type);
};

using CMinigame2_1Controller = CMinigameController<CMinigame2_1>;
