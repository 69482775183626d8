#include "core/CMainMenuController.h"

#include "core/CModel.h"
#include "scenes/CMainMenu.h"

void CMainMenuController::OnMouseMove(CPoint point) {
    CMainMenu* menu = model->GetMainMenu();
    // The clicked workplace stays chosen while the map takes its leave.
    if (menu->GetState() == MAINMENU_LEAVING) return;
    const MainMenuHit hit = menu->HitTest(point);
    if (hit <= MAINMENUHIT_VAULT) {
        model->SetCurrentCategory(static_cast<CategoryType>(hit));
        model->SetCursor(CURSOR_HAND);
    } else {
        model->SetCurrentCategory(CATEGORY_NONE);
        model->SetCursor(CURSOR_ARROW);
    }
}

void CMainMenuController::OnLButtonUp(CPoint point) {
    CMainMenu* menu = model->GetMainMenu();
    if (menu->GetState() == MAINMENU_LEAVING) return;
    const MainMenuHit hit = menu->HitTest(point);
    menu->HandleAudio(point);
    switch (hit) {
        case MAINMENUHIT_DENTIST:
        case MAINMENUHIT_PIZZA:
        case MAINMENUHIT_GROCERY:
            model->SetCurrentCategory(static_cast<CategoryType>(hit));
            menu->SetState(MAINMENU_LEAVING);
            break;
        case MAINMENUHIT_VAULT:
            model->SetCurrentCategory(CATEGORY_REWARDS);
            model->SetMinigameType(MINIGAME_REWARDS);
            model->SetGameState(GAMESTATE_INGAME);
            break;
        case MAINMENUHIT_EXIT: model->SetGameState(GAMESTATE_TITLE); break;
        default: break;
    }
}
