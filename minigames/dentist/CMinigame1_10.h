#pragma once
#include "minigames/CMinigameController.h"
#include "minigames/dentist/CAnsweringCalls.h"

// Answering the office telephone: four calls that need a sheet read (the
// opening hours, a colleague's schedule, the appointment book, a salary).
class CMinigame1_10 : public CAnsweringCalls {
public:
    static constexpr int kMaximum = PhoneCalls::kPointCount;

    CMinigame1_10(CModel* model, MinigameType type);
};

using CMinigame1_10Controller = CMinigameController<CMinigame1_10>;
