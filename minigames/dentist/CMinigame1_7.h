#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/dentist/CAnsweringCalls.h"

// Answering the office telephone: four everyday calls (the opening hours,
// a transfer, a colleague who is out, a doctor's number), each with its
// sheet beside the telephone.
class CMinigame1_7 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = PhoneCalls::kPointCount;

    CMinigame1_7(CModel* model, MinigameType type);
    ~CMinigame1_7() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height) { calls.LoadButtonLocations(width, height); }
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    const CAnsweringCalls& Calls() const { return calls; }

private:
    CAnsweringCalls calls;
};

using CMinigame1_7Controller = CMinigameController<CMinigame1_7>;
