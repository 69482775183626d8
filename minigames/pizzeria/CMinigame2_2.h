#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/CGpsEntry.h"

// The delivery GPS in English: the learner enters the sticky note's address
// (city, street, house number) on the van's navigator and starts the route.
class CMinigame2_2 : public CGpsEntry {
public:
    CMinigame2_2(CModel* model, MinigameType type);
};

using CMinigame2_2Controller = CMinigameController<CMinigame2_2>;
