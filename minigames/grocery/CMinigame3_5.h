#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Reading receipts: the amount that a receipt asks for.
class CMinigame3_5 : public CAbstractMinigame {
public:
    CMinigame3_5(CModel* model, MinigameType type);
    ~CMinigame3_5() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame3_5Controller = CMinigameController<CMinigame3_5, 4, true>;
