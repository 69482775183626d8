#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// The pizza order form that prices itself (orders recorded in English).
class CMinigame2_6 : public CAbstractMinigame {
public:
    CMinigame2_6(CModel* model, MinigameType type);
    ~CMinigame2_6() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_6Controller = CMinigameController<CMinigame2_6, 5, false>;
