#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/pizzeria/CGpsEntry.h"

// The delivery GPS in French: the same address entry on a navigator that
// speaks French.
class CMinigame2_8 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CGpsEntry::kMaximum;

    CMinigame2_8(CModel* model, MinigameType type);
    ~CMinigame2_8() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint) {}  // a key is typed when the button comes up
    void OnLButtonUp(CPoint point);

    const CGpsEntry& Game() const { return game; }

private:
    CGpsEntry game;
};

using CMinigame2_8Controller = CMinigameController<CMinigame2_8>;
