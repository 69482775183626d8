#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"
#include "ui/CToggleButton.h"

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

// The town map: the dentist's office, the pizzeria, the grocery and the
// vault. The building under the pointer lights up; a click on a workplace
// opens its room after a short delay, the vault opens the trophy house.
class CMainMenu {
public:
    explicit CMainMenu(CModel* model) : model(model) {}
    ~CMainMenu() { Unload(); }
    CMainMenu(const CMainMenu&) = delete;
    CMainMenu& operator=(const CMainMenu&) = delete;

    void Load();
    void Unload();
    void Draw(int width, int height);
    MainMenuHit HitTest(CPoint point) const;
    static bool closeEnough(CPoint a, CPoint b);
    // The question mark speaks the map's help; the speaker mutes.
    void HandleAudio(CPoint point);
    void SetState(MainMenuState state) { menuState = state; }
    MainMenuState GetState() const { return menuState; }
    bool IsLoaded() const { return exitImage != nullptr; }
    double GetCloudOffset() const { return cloudOffset; }

private:
    void DrawClouds(int width, int height);

    int lastWidth = -1;
    int lastHeight = -1;
    CModel* model;
    CClickableImage* exitImage = nullptr;
    CClickableImage* background = nullptr;
    CClickableImage* dentistOverlay = nullptr;
    CClickableImage* pizzaOverlay = nullptr;
    CClickableImage* groceryOverlay = nullptr;
    CClickableImage* vaultOverlay = nullptr;
    CClickableImage* helpImage = nullptr;
    CToggleButton* muteImage = nullptr;
    CToggleButton* subtitlesButton = nullptr;
    double cloudOffset = 0.0;
    CClickableImage* clouds = nullptr;
    MainMenuState menuState = MAINMENU_IDLE;
    int leaveCounter = 0;
};
