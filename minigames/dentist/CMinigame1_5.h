#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigamePlaceholder.h"

// Sending a fax: the document in the machine, the number on its keypad.
class CMinigame1_5 : public CAbstractMinigame {
public:
    CMinigame1_5(CModel* model, MinigameType type);
    ~CMinigame1_5() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CMinigamePlaceholder* placeholder = nullptr;
};

using CMinigame1_5Controller = CMinigameController<CMinigame1_5, 4, true>;
