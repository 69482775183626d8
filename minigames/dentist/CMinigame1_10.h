#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Answering telephone calls, a second set of calls.
class CMinigame1_10 : public CAbstractMinigame {
public:
    CMinigame1_10(CModel* model, MinigameType type);
    ~CMinigame1_10() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_10Controller = CMinigameController<CMinigame1_10, 9, true>;
