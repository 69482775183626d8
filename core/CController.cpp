#include "core/CController.h"

#include "core/CCategory.h"
#include <type_traits>

#include "core/CModel.h"

CController::CController(CModel* owner)
    : model(owner),
      titleController(new CTitleController(owner)),
      mainMenuController(new CMainMenuController(owner)),
      subMenuController(new CSubMenuController(owner)),
      creditsController(new CCreditsController(owner)),
      minigame1_1Controller(new CMinigame1_1Controller(owner)),
      minigame1_2Controller(new CMinigame1_2Controller(owner)),
      minigame1_3Controller(new CMinigame1_3Controller(owner)),
      minigame1_4Controller(new CMinigame1_4Controller(owner)),
      minigame1_5Controller(new CMinigame1_5Controller(owner)),
      minigame1_6Controller(new CMinigame1_6Controller(owner)),
      minigame1_7Controller(new CMinigame1_7Controller(owner)),
      minigame1_8Controller(new CMinigame1_8Controller(owner)),
      minigame1_9Controller(new CMinigame1_9Controller(owner)),
      minigame1_10Controller(new CMinigame1_10Controller(owner)),
      minigame2_1Controller(new CMinigame2_1Controller(owner)),
      minigame2_2Controller(new CMinigame2_2Controller(owner)),
      minigame2_3Controller(new CMinigame2_3Controller(owner)),
      minigame2_4Controller(new CMinigame2_4Controller(owner)),
      minigame2_5Controller(new CMinigame2_5Controller(owner)),
      minigame2_6Controller(new CMinigame2_6Controller(owner)),
      minigame2_7Controller(new CMinigame2_7Controller(owner)),
      minigame2_8Controller(new CMinigame2_8Controller(owner)),
      minigame2_9Controller(new CMinigame2_9Controller(owner)),
      minigame3_1Controller(new CMinigame3_1Controller(owner)),
      minigame3_2Controller(new CMinigame3_2Controller(owner)),
      minigame3_3Controller(new CMinigame3_3Controller(owner)),
      minigame3_4Controller(new CMinigame3_4Controller(owner)),
      minigame3_5Controller(new CMinigame3_5Controller(owner)),
      rewardsController(new CMinigameRewardsController(owner)) {}

CController::~CController() {
    delete titleController;
    delete mainMenuController;
    delete subMenuController;
    delete creditsController;
    delete minigame1_1Controller;
    delete minigame1_2Controller;
    delete minigame1_3Controller;
    delete minigame1_4Controller;
    delete minigame1_5Controller;
    delete minigame1_6Controller;
    delete minigame1_7Controller;
    delete minigame1_8Controller;
    delete minigame1_9Controller;
    delete minigame1_10Controller;
    delete minigame2_1Controller;
    delete minigame2_2Controller;
    delete minigame2_3Controller;
    delete minigame2_4Controller;
    delete minigame2_5Controller;
    delete minigame2_6Controller;
    delete minigame2_7Controller;
    delete minigame2_8Controller;
    delete minigame2_9Controller;
    delete minigame3_1Controller;
    delete minigame3_2Controller;
    delete minigame3_3Controller;
    delete minigame3_4Controller;
    delete minigame3_5Controller;
    delete rewardsController;
}

template <class Route>
void CController::RouteInGame(Route&& route) {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return;
    const CategoryType categoryType = category->GetCategoryType();
    const MinigameType type = model->GetMinigameType();
    if (categoryType == CATEGORY_REWARDS) {
        route(rewardsController);
        return;
    }
    if (MinigameCategory(type) != categoryType) return;
    switch (type) {
        case MINIGAME_1_1: route(minigame1_1Controller); break;
        case MINIGAME_1_2: route(minigame1_2Controller); break;
        case MINIGAME_1_3: route(minigame1_3Controller); break;
        case MINIGAME_1_4: route(minigame1_4Controller); break;
        case MINIGAME_1_5: route(minigame1_5Controller); break;
        case MINIGAME_1_6: route(minigame1_6Controller); break;
        case MINIGAME_1_7: route(minigame1_7Controller); break;
        case MINIGAME_1_8: route(minigame1_8Controller); break;
        case MINIGAME_1_9: route(minigame1_9Controller); break;
        case MINIGAME_1_10: route(minigame1_10Controller); break;
        case MINIGAME_2_1: route(minigame2_1Controller); break;
        case MINIGAME_2_2: route(minigame2_2Controller); break;
        case MINIGAME_2_3: route(minigame2_3Controller); break;
        case MINIGAME_2_4: route(minigame2_4Controller); break;
        case MINIGAME_2_5: route(minigame2_5Controller); break;
        case MINIGAME_2_6: route(minigame2_6Controller); break;
        case MINIGAME_2_7: route(minigame2_7Controller); break;
        case MINIGAME_2_8: route(minigame2_8Controller); break;
        case MINIGAME_2_9: route(minigame2_9Controller); break;
        case MINIGAME_3_1: route(minigame3_1Controller); break;
        case MINIGAME_3_2: route(minigame3_2Controller); break;
        case MINIGAME_3_3: route(minigame3_3Controller); break;
        case MINIGAME_3_4: route(minigame3_4Controller); break;
        case MINIGAME_3_5: route(minigame3_5Controller); break;
        default: break;
    }
}

void CController::OnMouseMove(CPoint point) {
    switch (model->GetGameState()) {
        case GAMESTATE_TITLE: titleController->OnMouseMove(point); break;
        case GAMESTATE_MAINMENU: mainMenuController->OnMouseMove(point); break;
        case GAMESTATE_SUBMENU: subMenuController->OnMouseMove(point); break;
        case GAMESTATE_INGAME:
            RouteInGame([point](auto* controller) { controller->OnMouseMove(point); });
            break;
        default: break;  // splash, credits
    }
}

void CController::OnLButtonDown(CPoint point) {
    switch (model->GetGameState()) {
        case GAMESTATE_TITLE: titleController->OnLButtonDown(point); break;
        case GAMESTATE_INGAME:
            // Only the minigames that take presses get them.
            RouteInGame([point](auto* controller) {
                if constexpr (std::decay_t<decltype(*controller)>::takesPress) {
                    controller->OnLButtonDown(point);
                }
            });
            break;
        default: break;
    }
}

void CController::OnLButtonUp(CPoint point) {
    switch (model->GetGameState()) {
        case GAMESTATE_TITLE: titleController->OnLButtonUp(point); break;
        case GAMESTATE_CREDITS: creditsController->OnLButtonUp(point); break;
        case GAMESTATE_MAINMENU: mainMenuController->OnLButtonUp(point); break;
        case GAMESTATE_SUBMENU: subMenuController->OnLButtonUp(point); break;
        case GAMESTATE_INGAME:
            RouteInGame([point](auto* controller) { controller->OnLButtonUp(point); });
            break;
        default: break;
    }
}
