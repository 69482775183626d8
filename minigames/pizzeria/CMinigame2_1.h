#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/pizzeria/COrderFormGame.h"

// The pizza order form that prices itself, the orders recorded in French.
class CMinigame2_1 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = COrderFormGame::kMaximum;

    CMinigame2_1(CModel* model, MinigameType type);
    ~CMinigame2_1() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

    const COrderFormGame& Game() const { return game; }

private:
    COrderFormGame game;
};

using CMinigame2_1Controller = CMinigameController<CMinigame2_1>;
