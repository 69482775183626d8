#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/dentist/CAnsweringCalls.h"

// Answering the office telephone: four calls that need a sheet read (the
// opening hours, a colleague's schedule, the appointment book, a salary).
class CMinigame1_10 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = PhoneCalls::kPointCount;

    CMinigame1_10(CModel* model, MinigameType type);
    ~CMinigame1_10() { Unload(); }

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

using CMinigame1_10Controller = CMinigameController<CMinigame1_10>;
