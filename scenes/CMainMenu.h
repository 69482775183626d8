#pragma once
#include "app/CPoint.h"

class CModel;

enum MainMenuHit {
    MAINMENUHIT_DENTIST = 0,
    MAINMENUHIT_PIZZA = 1,
    MAINMENUHIT_GROCERY = 2,
    MAINMENUHIT_VAULT = 3,
    MAINMENUHIT_EXIT = 4,
    MAINMENUHIT_NONE = 5,
};

enum MainMenuState { MAINMENU_IDLE = 0, MAINMENU_LEAVING = 1 };

// The town map: one building per workplace and the vault.
class CMainMenu {
public:
    explicit CMainMenu(CModel* model) : model(model) {}
    void Draw(int width, int height);
    MainMenuHit HitTest(CPoint point) const;
    void HandleAudio(CPoint point);
    void SetState(MainMenuState state) { menuState = state; }
    MainMenuState GetState() const { return menuState; }

private:
    CModel* model;
    MainMenuState menuState = MAINMENU_IDLE;
};
