#pragma once
#include "app/CPoint.h"
#include "core/CCreditsController.h"
#include "core/CMainMenuController.h"
#include "core/CSubMenuController.h"
#include "core/CTitleController.h"
#include "core/MinigameDispatch.h"

class CModel;

// Routes the three mouse events, by the model's game state, category and
// minigame type, to the one controller of the scene on screen. It keeps no
// state between events: a state change routes the very next event anew.
class CController {
public:
    explicit CController(CModel* model);
    ~CController();
    CController(const CController&) = delete;
    CController& operator=(const CController&) = delete;

    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

private:
    // Calls route(controller) with the controller of the minigame on
    // screen; drops the event when the category and type name none.
    template <class Route>
    void RouteInGame(Route&& route);

    CModel* model;
    CTitleController* titleController;
    CMainMenuController* mainMenuController;
    CSubMenuController* subMenuController;
    CCreditsController* creditsController;
    CMinigame1_1Controller* minigame1_1Controller;
    CMinigame1_2Controller* minigame1_2Controller;
    CMinigame1_3Controller* minigame1_3Controller;
    CMinigame1_4Controller* minigame1_4Controller;
    CMinigame1_5Controller* minigame1_5Controller;
    CMinigame1_6Controller* minigame1_6Controller;
    CMinigame1_7Controller* minigame1_7Controller;
    CMinigame1_8Controller* minigame1_8Controller;
    CMinigame1_9Controller* minigame1_9Controller;
    CMinigame1_10Controller* minigame1_10Controller;
    CMinigame2_1Controller* minigame2_1Controller;
    CMinigame2_2Controller* minigame2_2Controller;
    CMinigame2_3Controller* minigame2_3Controller;
    CMinigame2_4Controller* minigame2_4Controller;
    CMinigame2_5Controller* minigame2_5Controller;
    CMinigame2_6Controller* minigame2_6Controller;
    CMinigame2_7Controller* minigame2_7Controller;
    CMinigame2_8Controller* minigame2_8Controller;
    CMinigame2_9Controller* minigame2_9Controller;
    CMinigame3_1Controller* minigame3_1Controller;
    CMinigame3_2Controller* minigame3_2Controller;
    CMinigame3_3Controller* minigame3_3Controller;
    CMinigame3_4Controller* minigame3_4Controller;
    CMinigame3_5Controller* minigame3_5Controller;
    CMinigameRewardsController* rewardsController;
};
