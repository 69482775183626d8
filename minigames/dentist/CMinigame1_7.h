#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CAnsweringCalls.h"

// Answering the office telephone: four everyday calls (the opening hours,
// a transfer, a colleague who is out, a doctor's number), each with its
// sheet beside the telephone.
class CMinigame1_7 : public CAnsweringCalls {
public:
    static constexpr int kMaximum = PhoneCalls::kPointCount;

    CMinigame1_7(CModel* model, MinigameType type);
};

using CMinigame1_7Controller = CMinigameController<CMinigame1_7>;
