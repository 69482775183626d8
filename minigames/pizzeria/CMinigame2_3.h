#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Road signs: clicking the sign that a meaning names.
class CMinigame2_3 : public CAbstractMinigame {
public:
    CMinigame2_3(CModel* model, MinigameType type);
    ~CMinigame2_3() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_3Controller = CMinigameController<CMinigame2_3, 2, true>;
