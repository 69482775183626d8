#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/Greetings.h"
#include "ui/CCustomButton.h"

class CModel;

// Choosing how to answer the office's telephone: eight greeting cards lie
// face down in a new order each game; the pointer on a card turns it and
// speaks it; the learner presses the three that are right for a dentist's
// office and hands them in with the play button. The French and the
// English games are this one set of cards with their own greetings.
class CGreetingCards {
public:
    static constexpr int kMaximum = Greetings::kAcceptableCount;

    // lightAll: a move lights every card within reach (the English game)
    // rather than only the first one.
    CGreetingCards(CModel* model, MinigameType type, const MinigameSheet& sheet, const Greetings::Language& language,
                   bool lightAll);
    ~CGreetingCards() { Unload(); }
    CGreetingCards(const CGreetingCards&) = delete;
    CGreetingCards& operator=(const CGreetingCards&) = delete;

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // False when the learner leaves: the owner then unloads and goes to its room.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    // The card (0 to 7, in the table's order) lying in a slot, and back.
    int GetCardInSlot(int slot) const { return cardInSlot[slot]; }
    int GetSlotOfCard(int card) const;
    CPoint GetSlot(int slot) const { return slotTargets[slot]; }
    CPoint GetExample(int example) const { return exampleTargets[example]; }
    bool IsPressed(int slot) const { return greetingButtons[slot]->IsPressed(); }
    bool IsLit(int slot) const { return greetingButtons[slot]->GetLight(); }
    const std::vector<int>& GetAcceptableSlots() const { return acceptableSlots; }
    // The running score of the pressed cards in slot order.
    int Score() const;

private:
    void Judge();
    void PlayExamplesNear(CPoint point);
    void DrawCards();
    void DrawFeedbackAnimation();
    CPoint TagOf(int slot) const;

    CModel* model;
    CMinigameShell shell;
    const Greetings::Language& language;
    bool lightAll;
    CClickableImage* acceptableLabel = nullptr;
    CCustomButton* greetingButtons[Greetings::kCardCount] = {};
    const char* greetingSounds[Greetings::kCardCount] = {};
    int cardInSlot[Greetings::kCardCount] = {};
    std::vector<int> acceptableSlots;
    CPoint slotTargets[Greetings::kCardCount];
    CPoint exampleTargets[Greetings::kExampleCount];
    bool judgeRequested = false;
};
