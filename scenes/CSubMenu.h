#pragma once
#include "app/CPoint.h"

class CModel;

// 0 up to the number of minigames - 1: a minigame of the current category.
enum SubMenuHit { SUBMENUHIT_EXIT = 11, SUBMENUHIT_NONE = 12 };

// A workplace's own room with one icon per minigame.
class CSubMenu {
public:
    explicit CSubMenu(CModel* model) : model(model) {}
    void Reset();
    void Draw(int width, int height);
    int HitTest(CPoint point) const;
    int OnLButtonUp(CPoint point);
    void Transition(int destination) { transition = destination; }
    int GetTransition() const { return transition; }

private:
    CModel* model;
    int transition = SUBMENUHIT_NONE;
};
