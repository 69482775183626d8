#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// The answering-machine lesson: the keys of the office's machine, one step at a time.
class CMinigame1_1 : public CAbstractMinigame {
public:
    CMinigame1_1(CModel* model, MinigameType type);
    ~CMinigame1_1() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_1Controller = CMinigameController<CMinigame1_1, 0, false>;
