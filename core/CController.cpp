#include "core/CController.h"

#include "core/CCategory.h"
#include "core/CModel.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/MinigameTable.h"

CController::CController(CModel* owner)
    : model(owner),
      titleController(new CTitleController(owner)),
      mainMenuController(new CMainMenuController(owner)),
      subMenuController(new CSubMenuController(owner)),
      creditsController(new CCreditsController(owner)) {}

CController::~CController() {
    delete titleController;
    delete mainMenuController;
    delete subMenuController;
    delete creditsController;
}

CAbstractMinigame* CController::InGameTarget() const {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return nullptr;
    std::vector<CAbstractMinigame*>* games = category->GetMinigames();
    // The trophy house is alone in its category, whatever the type says.
    if (category->GetCategoryType() == CATEGORY_REWARDS) return games->at(0);
    const MinigameType type = model->GetMinigameType();
    if (MinigameCategory(type) != category->GetCategoryType()) return nullptr;
    // Range-tested: a position past the list throws std::out_of_range.
    return games->at(MinigamePosition(type));
}

bool CController::TakesPresses() const {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return false;
    const int type = category->GetCategoryType() == CATEGORY_REWARDS ? MINIGAME_REWARDS : model->GetMinigameType();
    const MinigameOps* ops = MinigameOpsFor(type);
    return ops != nullptr && ops->buttonDown != nullptr;
}

void CController::OnMouseMove(CPoint point) {
    switch (model->GetGameState()) {
        case GAMESTATE_TITLE: titleController->OnMouseMove(point); break;
        case GAMESTATE_MAINMENU: mainMenuController->OnMouseMove(point); break;
        case GAMESTATE_SUBMENU: subMenuController->OnMouseMove(point); break;
        case GAMESTATE_INGAME:
            if (CAbstractMinigame* game = InGameTarget()) MinigameOpsFor(game->GetType())->mouseMove(game, point);
            break;
        default: break;  // splash, credits
    }
}

void CController::OnLButtonDown(CPoint point) {
    switch (model->GetGameState()) {
        case GAMESTATE_TITLE: titleController->OnLButtonDown(point); break;
        case GAMESTATE_INGAME:
            // Only the minigames that take presses get them.
            if (TakesPresses()) {
                if (CAbstractMinigame* game = InGameTarget()) MinigameOpsFor(game->GetType())->buttonDown(game, point);
            }
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
            if (CAbstractMinigame* game = InGameTarget()) MinigameOpsFor(game->GetType())->buttonUp(game, point);
            break;
        default: break;
    }
}
