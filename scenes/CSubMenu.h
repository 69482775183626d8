#pragma once
#include <string>

#include "app/CPoint.h"
#include "ui/CClickableImage.h"
#include "ui/CToggleButton.h"

class CModel;

// 0 up to the number of minigames - 1: a minigame of the current category.
enum SubMenuHit { SUBMENUHIT_EXIT = 11, SUBMENUHIT_NONE = 12 };

// A workplace's room with one icon per minigame. A click on an icon runs a
// dark curtain across the screen, then starts that minigame; the exit runs
// it back to the town map.
class CSubMenu {
public:
    explicit CSubMenu(CModel* model) : model(model) {}
    ~CSubMenu() { Unload(); }
    CSubMenu(const CSubMenu&) = delete;
    CSubMenu& operator=(const CSubMenu&) = delete;

    void Load();
    void Unload();
    // Every entry into the room: fresh pictures, no curtain, its music.
    void Reset();
    void Draw(int width, int height);
    // The icon under the point, the last one first; none otherwise.
    int HitTest(CPoint point) const;
    // The corner buttons: exit is returned, help and mute act here.
    int OnLButtonUp(CPoint point);
    void Transition(int destination) { transition = destination; }
    // The icon under the pointer (or none): its activity's name shows by it.
    void SetHovered(int icon) { hovered = icon; }
    // The name shown for the hovered icon, "Name (en anglais)" style, in
    // UTF-8; empty when no name shows.
    std::string HoveredLabel() const;
    int GetTransition() const { return transition; }
    int GetCurtain() const { return curtain; }
    void LoadIconPositions(int width, int height);
    void DrawLoadingScreen(int width, int height);

private:
    // The minigame chosen, or the map, once the curtain has closed.
    void Enter();
    // The minigame the curtain leads to; -1 for the map or none.
    int Destination() const;
    void DrawHoveredLabel(int width, int height);

    CModel* model;
    CClickableImage* background = nullptr;
    CClickableImage* exitImage = nullptr;
    CClickableImage* helpImage = nullptr;
    CToggleButton* muteImage = nullptr;
    CToggleButton* subtitlesButton = nullptr;
    CClickableImage* loadingImage = nullptr;
    int curtain = 0;
    int decodedAheadFor = -1;  // the minigame whose pictures the curtain asked for
    int transition = SUBMENUHIT_NONE;
    int hovered = SUBMENUHIT_NONE;
    int iconsWidth = -1;  // the view size the icons were last placed for
    int iconsHeight = -1;
};
