#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/pizzeria/CSignHunt.h"

// Road signs: the learner clicks the sign whose meaning the bubble prints and a
// voice says, ten signs in all, laid out anew after each right answer.
class CMinigame2_3 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CSignHunt::kMaximum;

    CMinigame2_3(CModel* model, MinigameType type);
    ~CMinigame2_3() { Unload(); }

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

using CMinigame2_3Controller = CMinigameController<CMinigame2_3>;
