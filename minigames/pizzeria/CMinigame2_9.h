#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Calculating the prices on a filled-in order form.
class CMinigame2_9 : public CAbstractMinigame {
public:
    CMinigame2_9(CModel* model, MinigameType type);
    ~CMinigame2_9() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_9Controller = CMinigameController<CMinigame2_9, 8, false>;
