#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/Greetings.h"
#include "ui/CCustomButton.h"

class CModel;

// Choosing how to answer the office's telephone: eight greeting cards lie
// face down in a new order each game; the pointer on a card turns it and
// speaks it; the learner presses the three that are right for a dentist's
// office and hands them in with the play button. A pressed card is tagged
// chosen, not judged, until the review. The French and the English games
// are this one set of cards with their own greetings.
class CGreetingCards : public CAbstractMinigame {
public:
    static constexpr int kMaximum = Greetings::kAcceptableCount;

    static bool closeEnough(CPoint a, CPoint b);

    const CMinigameShell& Shell() const { return shell; }
    // The card (0 to 7, in the table's order) lying in a slot, and back.
    int GetCardInSlot(int slot) const { return cardInSlot[slot]; }
    int GetSlotOfCard(int card) const;
    CPoint GetSlot(int slot) const { return slotTargets[slot]; }
    CPoint GetExample(int example) const { return exampleTargets[example]; }
    bool IsPressed(int slot) const { return greetingButtons[slot]->IsPressed(); }
    bool IsLit(int slot) const { return greetingButtons[slot]->GetLight(); }
    const std::vector<int>& GetAcceptableSlots() const { return acceptableSlots; }
    // What the set of pressed cards earns, wherever the cards lie: a point
    // for each acceptable card, one back for each other one, never below 0.
    int Score() const;
    // The card's choice was right: an acceptable one pressed, another left.
    bool IsSlotRight(int slot) const { return IsPressed(slot) == IsAcceptable(slot); }
    // Where the review's mark of a slot stands: on the card's left.
    CPoint MarkOf(int slot) const;
    // Where the "acceptable" tag stands: at the card's top right corner.
    CPoint TagOf(int slot) const;

protected:
    // lightAll: a move lights every card within reach (the English game)
    // rather than only the first one.
    CGreetingCards(CModel* model, MinigameType type, const char* icon, const MinigameSheet& sheet,
                   const Greetings::Language& language, bool lightAll);
    ~CGreetingCards() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawSheet(int width, int height);
    void DrawPlay(int width, int height);
    void DrawReview(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return handedIn; }
    bool AnyMissed() const;
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    bool OnPlayMove(CPoint point);
    bool OnSheetMove(CPoint point) const;
    bool IsAcceptable(int slot) const;
    void DrawCards();

    CMinigameShell shell;
    const Greetings::Language& language;
    bool lightAll;
    CClickableImage* acceptableLabel = nullptr;
    CClickableImage* chosenLabel = nullptr;
    CCustomButton* greetingButtons[Greetings::kCardCount] = {};
    const char* greetingSounds[Greetings::kCardCount] = {};
    int cardInSlot[Greetings::kCardCount] = {};
    std::vector<int> acceptableSlots;
    CPoint slotTargets[Greetings::kCardCount];
    CPoint exampleTargets[Greetings::kExampleCount];
    bool handedIn = false;
};
