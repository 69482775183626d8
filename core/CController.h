#pragma once
#include "app/CPoint.h"
#include "core/CCreditsController.h"
#include "core/CMainMenuController.h"
#include "core/CSubMenuController.h"
#include "core/CTitleController.h"

class CAbstractMinigame;
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
    // The minigame on screen, or null when the category and type name none.
    CAbstractMinigame* InGameTarget() const;
    // Whether the minigame on screen takes button presses.
    bool TakesPresses() const;

    CModel* model;
    CTitleController* titleController;
    CMainMenuController* mainMenuController;
    CSubMenuController* subMenuController;
    CCreditsController* creditsController;
};
