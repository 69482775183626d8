#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Choosing the acceptable telephone greetings (English).
class CMinigame1_9 : public CAbstractMinigame {
public:
    CMinigame1_9(CModel* model, MinigameType type);
    ~CMinigame1_9() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_9Controller = CMinigameController<CMinigame1_9, 8, true>;
