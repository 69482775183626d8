#pragma once
#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/Signs.h"

class CModel;

// The sign hunt of the road-sign and information-sign minigames: ten signs
// stand in two rows; the bubble prints (and a voice says) the meaning of
// one of them and the learner clicks that sign. Each sign is asked once, in
// the deck's order; after every right answer the signs change places. A
// sign found at the first click earns its point. A game with misses ends on
// a review of the ten signs in the deck's order, each with its meaning: a
// tick beside a sign found at once, a cross beside one missed.
class CSignHunt : public CAbstractMinigame {
public:
    static constexpr int kMaximum = Signs::kSignCount;

    const CMinigameShell& Shell() const { return shell; }
    int GetStep() const { return step; }
    // The sign the bubble asks for (the deck's index); -1 once all are found.
    int GetAskedSign() const { return step < Signs::kSignCount ? step : -1; }
    // Where sign i stands on screen now.
    CPoint GetSignLocation(int sign) const;
    int GetSlotOfSign(int sign) const { return slotOfSign[sign]; }
    bool IsStepFailed() const { return stepFailed; }
    bool WasMissed(int sign) const { return missed[sign]; }
    // The review's board: where sign i stands, and where its mark is.
    CPoint GetReviewLocation(int sign) const;
    CPoint GetReviewMarkLocation(int sign) const;

protected:
    CSignHunt(CModel* model, MinigameType type, const char* icon, const Signs::Deck& deck);
    ~CSignHunt() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return step >= Signs::kSignCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnReviewClick(CPoint point);
    void OnPlayStart();
    void OnResume() { messagePlayed = false; }
    void OnHelp() { messagePlayed = false; }
    bool OnPlayMove(CPoint point) const { return SignAt(point) >= 0; }

    // Deals the signs over the places anew, never as they stood before.
    void Shuffle();
    // The sign under the point, -1 for none.
    int SignAt(CPoint point) const;
    void PlaceSigns();
    void DrawBubble();

    CMinigameShell shell;
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
