#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/pizzeria/CGpsEntry.h"

// The delivery GPS in English: the learner enters the sticky note's address
// (city, street, house number) on the van's navigator and starts the route.
class CMinigame2_2 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CGpsEntry::kMaximum;

    CMinigame2_2(CModel* model, MinigameType type);
    ~CMinigame2_2() { Unload(); }

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

using CMinigame2_2Controller = CMinigameController<CMinigame2_2>;
