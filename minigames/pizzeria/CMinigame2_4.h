#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
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
    ~CMinigame2_4() { CMinigameFlow<CMinigame2_4>::Unload(*this); }

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
    // The review's row of a delivery: where its mark stands, and what it
    // says (the name, then the directory's line and the button it leads to).
    CPoint GetReviewMark(int visitor) const;
    static std::string ReviewName(int visitor);
    static std::string ReviewAnswer(int visitor);

private:
    friend class CMinigameFlow<CMinigame2_4>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int width, int height);
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return step >= LobbyDirectory::kVisitorCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point) const;
    // Whether a point is on the part of the directory at t.
    bool OnPart(CPoint point, CPoint t) const;
    void OnPlayStart();
    void OnResume();
    void OnHelp() { messagePlayed = false; }  // the name again, after the instruction
    bool OnPlayMove(CPoint point);

    int ButtonAt(CPoint point) const;  // the floor under the point, -1 for none

    CMinigameShell shell;
    CClickableImage* chartImage = nullptr;
    CClickableImage* panelImage = nullptr;
    CClickableImage* namesImage = nullptr;
    CClickableImage* smallPanelImage = nullptr;
    CClickableImage* bubbleImage = nullptr;
    CPoint panelCentre, bubbleLocation, reviewCorner;
    CPoint partLocations[LobbyDirectory::kPartCount];
    int step = 0;
    bool stepFailed = false;
    bool messagePlayed = false;
    bool missed[LobbyDirectory::kVisitorCount] = {};
    int hoveredButton = -1;
    int selectedPart = -1;
};

using CMinigame2_4Controller = CMinigameController<CMinigame2_4>;
