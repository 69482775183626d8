#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Transferring calls to the right extension with the organisation chart.
class CMinigame1_8 : public CAbstractMinigame {
public:
    CMinigame1_8(CModel* model, MinigameType type);
    ~CMinigame1_8() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_8Controller = CMinigameController<CMinigame1_8, 7, false>;
