#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/pizzeria/CSignHunt.h"

// Information signs: the same hunt as the road signs, over ten information
// signs of the road and the street.
class CMinigame2_7 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CSignHunt::kMaximum;

    CMinigame2_7(CModel* model, MinigameType type);
    ~CMinigame2_7() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint) {}  // a sign is chosen when the button comes up
    void OnLButtonUp(CPoint point);

    const CSignHunt& Game() const { return game; }

private:
    CSignHunt game;
};

using CMinigame2_7Controller = CMinigameController<CMinigame2_7>;
