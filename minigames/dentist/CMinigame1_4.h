#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Filling in a fax cover sheet by dragging its pieces onto the fields.
class CMinigame1_4 : public CAbstractMinigame {
public:
    CMinigame1_4(CModel* model, MinigameType type);
    ~CMinigame1_4() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_4Controller = CMinigameController<CMinigame1_4, 3, true>;
