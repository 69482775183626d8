#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/LobbyDirectory.h"

// The office building's lobby: a voice says whom each pizza is for; the
// learner finds the surname on the directory, reads the floor or the suite
// and presses that floor's elevator button. Five deliveries; a button
// pressed right the first time earns its point. The tutorial explains the
// parts of a name and the buttons; a button chimes under the pointer.
class CMinigame2_4 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = LobbyDirectory::kVisitorCount;

    CMinigame2_4(CModel* model, MinigameType type);
    ~CMinigame2_4() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint) {}  // a button is taken when the mouse comes up
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetStep() const { return step; }
    bool IsStepFailed() const { return stepFailed; }
    bool WasMissed(int visitor) const { return missed[visitor]; }
    int GetHoveredButton() const { return hoveredButton; }
    int GetSelectedPart() const { return selectedPart; }
    // Screen positions: the elevator button of a floor, a tutorial part.
    CPoint GetButtonLocation(int floor) const;
    CPoint GetPartLocation(int part) const { return partLocations[part]; }
    CPoint GetBubbleLocation() const { return bubbleLocation; }

private:
    int ButtonAt(CPoint point) const;  // the floor under the point, -1 for none
    void PlayGame(CPoint point);
    void ExploreParts(CPoint point);
    void Leave();

    CMinigameShell shell;
    CClickableImage* chartImage = nullptr;
    CClickableImage* panelImage = nullptr;
    CClickableImage* namesImage = nullptr;
    CClickableImage* smallPanelImage = nullptr;
    CClickableImage* bubbleImage = nullptr;
    CPoint panelCentre, bubbleLocation;
    CPoint partLocations[LobbyDirectory::kPartCount];
    int step = 0;
    bool stepFailed = false;
    bool messagePlayed = false;
    bool missed[LobbyDirectory::kVisitorCount] = {};
    int hoveredButton = -1;
    int selectedPart = -1;
};

using CMinigame2_4Controller = CMinigameController<CMinigame2_4>;
