#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CMessageForm.h"

// Taking a recorded message in French on the telephone-message pad.
class CMinigame1_2 : public CMessageForm {
public:
    CMinigame1_2(CModel* model, MinigameType type);
};

using CMinigame1_2Controller = CMinigameController<CMinigame1_2>;
