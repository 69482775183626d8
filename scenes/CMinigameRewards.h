#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"

// The trophy house: points buy trophies dragged onto the house.
class CMinigameRewards : public CAbstractMinigame {
public:
    CMinigameRewards(CModel* model, MinigameType type);
    ~CMinigameRewards() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);
};

using CMinigameRewardsController = CMinigameController<CMinigameRewards, 0, true>;
