#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/dentist/CGreetingCards.h"

// Choosing the greetings, in French, that are right for the office's telephone.
class CMinigame1_6 : public CAbstractMinigame {
public:
    CMinigame1_6(CModel* model, MinigameType type);
    ~CMinigame1_6() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint) {}
    void OnLButtonUp(CPoint point);

    const CGreetingCards& Cards() const { return cards; }

private:
    CGreetingCards cards;
};

using CMinigame1_6Controller = CMinigameController<CMinigame1_6>;
