#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Answering telephone calls: picking up, greeting, replying.
class CMinigame1_7 : public CAbstractMinigame {
public:
    CMinigame1_7(CModel* model, MinigameType type);
    ~CMinigame1_7() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_7Controller = CMinigameController<CMinigame1_7, 6, true>;
