#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/Signs.h"

class CModel;

// The sign hunt of the road-sign and information-sign minigames: ten signs
// stand in two rows; the bubble prints (and a voice says) the meaning of
// one of them and the learner clicks that sign. Each sign is asked once, in
// the deck's order; after every right answer the signs change places. A
// sign found at the first click earns its point. A game with misses ends on
// a review where the missed signs are stamped, then the score panel.
class CSignHunt {
public:
    static constexpr int kMaximum = Signs::kSignCount;

    CSignHunt(CModel* model, MinigameType type, const Signs::Deck& deck);
    ~CSignHunt() { Unload(); }
    CSignHunt(const CSignHunt&) = delete;
    CSignHunt& operator=(const CSignHunt&) = delete;

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // True when the learner leaves for the room: the minigame unloads.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetStep() const { return step; }
    // The sign the bubble asks for (the deck's index); -1 once all are found.
    int GetAskedSign() const { return step < Signs::kSignCount ? step : -1; }
    // Where sign i stands on screen now.
    CPoint GetSignLocation(int sign) const { return slotLocations[slotOfSign[sign]]; }
    int GetSlotOfSign(int sign) const { return slotOfSign[sign]; }
    bool IsStepFailed() const { return stepFailed; }
    bool WasMissed(int sign) const { return missed[sign]; }

private:
    // Deals the signs over the places anew, never as they stood before.
    void Shuffle();
    // The sign under the point, -1 for none.
    int SignAt(CPoint point) const;
    void PlayGame(CPoint point);
    void PlaceSigns();
    void DrawSigns();
    void DrawBubble();
    void FinishGame();

    CMinigameShell shell;
    CModel* model;
    const Signs::Deck& deck;
    CClickableImage* signImages[Signs::kSignCount] = {};
    CClickableImage* captionImages[Signs::kSignCount] = {};  // null for a sign only heard
    CClickableImage* bubbleImage = nullptr;
    CPoint slotLocations[Signs::kSignCount];
    CPoint bubbleLocation, captionLocation;
    int slotOfSign[Signs::kSignCount] = {};
    bool missed[Signs::kSignCount] = {};
    int step = 0;
    bool stepFailed = false;
    bool messagePlayed = false;
};
