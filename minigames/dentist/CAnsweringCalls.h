#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/PhoneCalls.h"
#include "ui/CClickableImage.h"
#include "ui/CCustomButton.h"
#include "ui/CDropDownMenu.h"

class CModel;

// Answering the office telephone, four calls in a row: the learner picks up
// (the receiver button), chooses the greeting from a list, hears the
// caller's question, and chooses the reply with the call's reference sheet
// on screen. A right greeting and a right reply earn a point each. The two
// games of calls hold one of these each and differ only in their table.
class CAnsweringCalls {
public:
    // Which list is open.
    enum OpenList { LIST_GREETING = 7, LIST_REPLY = 8, LIST_NONE = 9 };

    CAnsweringCalls(CModel* model, MinigameType type, const PhoneCalls::CallGame& game);
    ~CAnsweringCalls() { Unload(); }
    CAnsweringCalls(const CAnsweringCalls&) = delete;
    CAnsweringCalls& operator=(const CAnsweringCalls&) = delete;

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // The lists choose on the release; a press changes nothing.
    void OnLButtonDown(CPoint) {}
    // False when the exit button was clicked: the minigame then leaves.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetCallIndex() const { return callIndex; }
    bool IsGreetingChosen() const { return greetingChosen; }
    int GetOpenList() const { return openList; }
    int GetPoint(int n) const { return points[n]; }
    CPoint GetReceiverLocation() const { return receiverButton->GetPosition(); }
    CPoint GetHandsetLocation() const;
    // Where the pointer goes to hover row `row` of the open list.
    CPoint GetRowLocation(int row) const;

private:
    // The call under way; the last one once all are answered.
    const PhoneCalls::Call& CurrentCall() const {
        return game.calls[(callIndex <= PhoneCalls::kCallCount ? callIndex : PhoneCalls::kCallCount) - 1];
    }
    void MakeLists();
    void OpenAt(CDropDownMenu* list, OpenList which);
    void CloseLists();
    void UpdateScore();
    void EndCall();
    void EndGame();
    void Explain(CPoint point);
    void DrawBubble();
    void DrawReview(int width, int height);

    CMinigameShell shell;
    CModel* model;
    const PhoneCalls::CallGame& game;

    CClickableImage* phoneImage = nullptr;
    CCustomButton* receiverButton = nullptr;
    CClickableImage* bubbleImage = nullptr;
    CClickableImage* references[PhoneCalls::kCallCount] = {};
    CClickableImage* reviewCard = nullptr;
    CDropDownMenu* greetingList = nullptr;
    CDropDownMenu* replyList = nullptr;
    CPoint listSpot;
    int openList = LIST_NONE;
    int hoveredRow = -1;  // the open list's row last spoken
    bool greetingChosen = false;
    int callIndex = 1;    // 1 to 4; 5 once all are answered
    int points[PhoneCalls::kPointCount] = {};
};
