#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Produce codes at the checkout scale.
class CMinigame3_4 : public CAbstractMinigame {
public:
    CMinigame3_4(CModel* model, MinigameType type);
    ~CMinigame3_4() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame3_4Controller = CMinigameController<CMinigame3_4, 3, true>;
