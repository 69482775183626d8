#pragma once
#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/CCallBubble.h"
#include "minigames/dentist/CCallLists.h"
#include "minigames/dentist/PhoneCalls.h"
#include "ui/CClickableImage.h"
#include "ui/CCustomButton.h"

class CModel;

// Answering the office telephone, four calls in a row: the learner picks up
// (the receiver button), chooses the greeting from a list, hears the
// caller's question, and chooses the reply with the call's reference sheet
// on screen. A right greeting and a right reply earn a point each. The two
// games of calls are this one with their own table.
class CAnsweringCalls : public CAbstractMinigame {
public:
    static constexpr int LIST_GREETING = CCallLists::LIST_GREETING;
    static constexpr int LIST_REPLY = CCallLists::LIST_REPLY;
    static constexpr int LIST_NONE = CCallLists::LIST_NONE;

    static bool closeEnough(CPoint a, CPoint b);

    const CMinigameShell& Shell() const { return shell; }
    int GetCallIndex() const { return callIndex; }
    bool IsGreetingChosen() const { return greetingChosen; }
    int GetOpenList() const { return lists.GetOpenList(); }
    int GetPoint(int n) const { return points[n]; }
    CPoint GetReceiverLocation() const { return receiverButton->GetPosition(); }
    CPoint GetHandsetLocation() const;
    // Where the pointer goes to hover row `row` of the open list.
    CPoint GetRowLocation(int row) const { return lists.GetRowLocation(row); }
    // Where the review writes row n (a call's greeting, then its reply), and its mark.
    CPoint ReviewRowOf(int n) const;
    CPoint ReviewMarkOf(int n) const;

protected:
    CAnsweringCalls(CModel* model, MinigameType type, const char* icon, const PhoneCalls::CallGame& game);
    ~CAnsweringCalls() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawUnderSheet(int, int);
    void DrawSheet(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    void DrawReview(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return callIndex > PhoneCalls::kCallCount; }
    bool AnyMissed() const { return Total() < PhoneCalls::kPointCount; }
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    void OnResume() { shell.crosshairs->SetPosition(CPoint(-100, -100)); }
    bool OnPlayMove(CPoint point);
    bool OnSheetMove(CPoint point) const;
    void CloseLists() { lists.Close(); }

    // The call under way; the last one once all are answered.
    const PhoneCalls::Call& CurrentCall() const {
        return game.calls[(callIndex <= PhoneCalls::kCallCount ? callIndex : PhoneCalls::kCallCount) - 1];
    }
    int Total() const;
    void UpdateScore();
    void EndCall();
    void MoveOn() { EndCall(); }

    CMinigameShell shell;
    const PhoneCalls::CallGame& game;
    CCallLists lists;
    CCallBubble bubble;

    CClickableImage* phoneImage = nullptr;
    CCustomButton* receiverButton = nullptr;
    CClickableImage* references[PhoneCalls::kCallCount] = {};
    CClickableImage* reviewCard = nullptr;
    bool greetingChosen = false;
    int callIndex = 1;  // 1 to 4; 5 once all are answered
    int points[PhoneCalls::kPointCount] = {};
};
