#pragma once
#include "app/CPoint.h"

class CModel;

// A workplace's room: a click on an icon runs the curtain into its minigame.
class CSubMenuController {
public:
    explicit CSubMenuController(CModel* owner) : model(owner) {}
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CModel* model;
};
