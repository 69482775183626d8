#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Putting groceries away: shelf, refrigerator or freezer.
class CMinigame3_3 : public CAbstractMinigame {
public:
    CMinigame3_3(CModel* model, MinigameType type);
    ~CMinigame3_3() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame3_3Controller = CMinigameController<CMinigame3_3, 2, true>;
