#pragma once
#include "app/CPoint.h"

class CModel;

// The town map: pointing at a building chooses its workplace, a click opens it.
class CMainMenuController {
public:
    explicit CMainMenuController(CModel* owner) : model(owner) {}
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    CModel* model;
};
