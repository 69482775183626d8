#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Entering a delivery address in the van's GPS.
class CMinigame2_2 : public CAbstractMinigame {
public:
    CMinigame2_2(CModel* model, MinigameType type);
    ~CMinigame2_2() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_2Controller = CMinigameController<CMinigame2_2, 1, true>;
