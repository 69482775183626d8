#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/dentist/CMessageForm.h"

// Taking a recorded message in French on the telephone-message pad.
class CMinigame1_2 : public CAbstractMinigame {
public:
    CMinigame1_2(CModel* model, MinigameType type);
    ~CMinigame1_2() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMessageForm& Form() const { return form; }

private:
    CMessageForm form;
};

using CMinigame1_2Controller = CMinigameController<CMinigame1_2>;
