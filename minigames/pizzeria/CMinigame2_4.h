#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// The office building's directory and its elevator buttons.
class CMinigame2_4 : public CAbstractMinigame {
public:
    CMinigame2_4(CModel* model, MinigameType type);
    ~CMinigame2_4() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_4Controller = CMinigameController<CMinigame2_4, 3, true>;
