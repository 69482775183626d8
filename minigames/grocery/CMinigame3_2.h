#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Sorting goods by their best-before date.
class CMinigame3_2 : public CAbstractMinigame {
public:
    CMinigame3_2(CModel* model, MinigameType type);
    ~CMinigame3_2() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame3_2Controller = CMinigameController<CMinigame3_2, 1, true>;
