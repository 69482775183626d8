#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/pizzeria/CGpsEntry.h"

// The delivery GPS in French: the same address entry on a navigator that
// speaks French.
class CMinigame2_8 : public CGpsEntry {
public:
    CMinigame2_8(CModel* model, MinigameType type);
};

using CMinigame2_8Controller = CMinigameController<CMinigame2_8>;
