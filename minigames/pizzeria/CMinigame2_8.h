#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Entering a delivery address in the GPS, French labels.
class CMinigame2_8 : public CAbstractMinigame {
public:
    CMinigame2_8(CModel* model, MinigameType type);
    ~CMinigame2_8() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_8Controller = CMinigameController<CMinigame2_8, 7, true>;
