#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Choosing the acceptable telephone greetings (French).
class CMinigame1_6 : public CAbstractMinigame {
public:
    CMinigame1_6(CModel* model, MinigameType type);
    ~CMinigame1_6() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_6Controller = CMinigameController<CMinigame1_6, 5, true>;
