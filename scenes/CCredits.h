#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"

class CModel;

enum CreditsHit { CREDITSHIT_EXIT = 0, CREDITSHIT_NONE = 1 };

// Who made the game, and the way back to the title (bottom right).
class CCredits {
public:
    explicit CCredits(CModel* model) : model(model) {}
    ~CCredits();
    CCredits(const CCredits&) = delete;
    CCredits& operator=(const CCredits&) = delete;

    void Load();
    void Draw(int width, int height);
    CreditsHit HitTest(CPoint point) const;

private:
    CModel* model;
    CClickableImage* background = nullptr;
    CClickableImage* exitImage = nullptr;
};
