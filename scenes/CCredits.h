#pragma once
#include "app/CPoint.h"

class CModel;

enum CreditsHit { CREDITSHIT_EXIT = 0, CREDITSHIT_NONE = 1 };

// Who made the game, and the way back to the title.
class CCredits {
public:
    explicit CCredits(CModel* model) : model(model) {}
    void Draw(int width, int height);
    CreditsHit HitTest(CPoint point) const;

private:
    CModel* model;
};
