#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CGreetingCards.h"

// Choosing the greetings, in French, that are right for the office's telephone.
class CMinigame1_6 : public CGreetingCards {
public:
    CMinigame1_6(CModel* model, MinigameType type);
};

using CMinigame1_6Controller = CMinigameController<CMinigame1_6>;
