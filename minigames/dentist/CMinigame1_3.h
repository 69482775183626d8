#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CMessageForm.h"

// Taking a recorded message in English, taken down in French on the telephone-message pad.
class CMinigame1_3 : public CMessageForm {
public:
    CMinigame1_3(CModel* model, MinigameType type);
};

using CMinigame1_3Controller = CMinigameController<CMinigame1_3>;
