#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Information signs: clicking the sign that a meaning names.
class CMinigame2_7 : public CAbstractMinigame {
public:
    CMinigame2_7(CModel* model, MinigameType type);
    ~CMinigame2_7() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame2_7Controller = CMinigameController<CMinigame2_7, 6, true>;
