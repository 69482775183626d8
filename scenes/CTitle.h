#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"
#include "ui/CCustomButton.h"

class CModel;

enum TitleHit { TITLEHIT_LOGIN = 0, TITLEHIT_CREDITS = 1, TITLEHIT_EXIT = 2, TITLEHIT_NONE = 3 };

// The title screen: log in, credits, quit. The button under the pointer
// lights up.
class CTitle {
public:
    explicit CTitle(CModel* model) : model(model) {}
    ~CTitle() { Unload(); }
    CTitle(const CTitle&) = delete;
    CTitle& operator=(const CTitle&) = delete;

    void Load();
    void Unload();
    void Draw(int width, int height);
    // None until the first frame has placed the buttons.
    TitleHit HitTest(CPoint point) const;
    void SetSelected(TitleHit hit);

    CCustomButton* GetButton(TitleHit hit) const;

private:
    CModel* model;
    CCustomButton* loginButton = nullptr;
    CCustomButton* exitButton = nullptr;
    CCustomButton* creditsButton = nullptr;
    CClickableImage* titleImage = nullptr;
    CClickableImage* background = nullptr;
};
