#pragma once
#include "app/CPoint.h"
#include "core/GameTypes.h"

class CAbstractMinigame;
class CModel;

// What the model and the controller can do with any minigame, whatever its
// class: plain functions, one set a class, each calling that class directly.
struct MinigameOps {
    CAbstractMinigame* (*create)(CModel* model, MinigameType type);
    void (*destroy)(CAbstractMinigame* game);
    void (*load)(CAbstractMinigame* game);
    void (*unload)(CAbstractMinigame* game);
    void (*draw)(CAbstractMinigame* game, int width, int height);
    void (*mouseMove)(CAbstractMinigame* game, CPoint point);
    void (*buttonDown)(CAbstractMinigame* game, CPoint point);  // null: takes no presses
    void (*buttonUp)(CAbstractMinigame* game, CPoint point);
    int maximum;  // the class's kMaximum (0 for the trophy house)
};

// The set for a type (the trophy house's included); null for a value that
// names no minigame.
const MinigameOps* MinigameOpsFor(int type);

// The most points one game of a type can bring: its class's kMaximum, the
// number its score panel shows slots for. 0 for the trophy house and for a
// value that names no minigame.
int MinigameMaximum(int type);
