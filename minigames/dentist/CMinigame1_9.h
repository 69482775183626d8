#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CGreetingCards.h"

// Choosing the greetings, in English, that are right for the office's telephone.
class CMinigame1_9 : public CGreetingCards {
public:
    CMinigame1_9(CModel* model, MinigameType type);
};

using CMinigame1_9Controller = CMinigameController<CMinigame1_9>;
