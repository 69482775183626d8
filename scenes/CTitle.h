#pragma once
#include "app/CPoint.h"

class CModel;

enum TitleHit { TITLEHIT_LOGIN = 0, TITLEHIT_CREDITS = 1, TITLEHIT_EXIT = 2, TITLEHIT_NONE = 3 };

// The title: log in, credits, quit.
class CTitle {
public:
    explicit CTitle(CModel* model) : model(model) {}
    void Draw(int width, int height);
    TitleHit HitTest(CPoint point) const;
    void SetSelected(TitleHit hit);

private:
    CModel* model;
};
