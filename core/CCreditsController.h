#pragma once
#include "app/CPoint.h"

class CModel;

// The credits' way back to the title.
class CCreditsController {
public:
    explicit CCreditsController(CModel* owner) : model(owner) {}
    void OnLButtonUp(CPoint point);

private:
    CModel* model;
};
