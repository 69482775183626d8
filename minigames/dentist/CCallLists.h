#pragma once
#include "app/CPoint.h"
#include "minigames/dentist/PhoneCalls.h"
#include "ui/CDropDownMenu.h"

class CModel;

// The two lists of a call beside the receiver: the greetings, then the
// replies to the caller's question. One is open at a time; the row under
// the pointer is spoken and lit, and only a click on a row chooses it.
class CCallLists {
public:
    // Which list is open.
    enum OpenList { LIST_GREETING = 7, LIST_REPLY = 8, LIST_NONE = 9 };

    explicit CCallLists(CModel* model) : model(model) {}
    ~CCallLists() { Free(); }
    CCallLists(const CCallLists&) = delete;
    CCallLists& operator=(const CCallLists&) = delete;

    // Fresh lists for a call, both closed.
    void Make(const PhoneCalls::Call& call);
    void Free();
    // The spot beside the receiver; an open list follows it.
    void Place(CPoint spot);
    void Open(OpenList which);
    // Both closed; what was chosen stays.
    void Close();
    // A click while a list is open closes it; true when it was on an
    // entry, which is then chosen.
    bool Choose(CPoint click);
    // The pointer over the open list: a row newly under it is spoken.
    void Hover(CPoint point);
    void Draw();

    int GetOpenList() const { return open; }
    bool IsRightGreetingPicked() const;
    bool IsRightReplyPicked() const;
    // A point on the words of row `row` of the open list.
    CPoint GetRowLocation(int row) const;

private:
    CDropDownMenu* ListOf(OpenList which) const;

    CModel* model;
    const PhoneCalls::Call* call = nullptr;
    CDropDownMenu* greetings = nullptr;
    CDropDownMenu* replies = nullptr;
    CPoint spot;
    OpenList open = LIST_NONE;
    int hoveredRow = -1;  // the open list's row last spoken
};
