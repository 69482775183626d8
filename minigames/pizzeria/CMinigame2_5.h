#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Card payments on the terminal: debit, credit, gift card.
class CMinigame2_5 : public CAbstractMinigame {
public:
    CMinigame2_5(CModel* model, MinigameType type);
    ~CMinigame2_5() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_5Controller = CMinigameController<CMinigame2_5, 4, true>;
