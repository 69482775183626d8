#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Reading best-before dates on a moving belt.
class CMinigame3_1 : public CAbstractMinigame {
public:
    CMinigame3_1(CModel* model, MinigameType type);
    ~CMinigame3_1() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame3_1Controller = CMinigameController<CMinigame3_1, 0, true>;
