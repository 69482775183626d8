#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/OrderFormReview.h"
#include "minigames/pizzeria/PizzaOrderForm.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "ui/CClickableImage.h"
#include "ui/CDropDownMenu.h"

class CModel;

// What the French and the English order games differ in.
struct OrderFormVersion {
    MinigameSheet sheet;
    const char* icon;
    const char* recordings[PizzaOrderForm::kOrderCount];  // orders 1 to 4
    int startStrip;          // the strip's picture at Load
    int endStrip;            // when the order is taken
    bool endStripOnFailure;  // the review shows the end strip too
};

// Taking a telephone order on the order pad: the order plays on the shop's
// answering machine, the learner picks the customer's name from the list
// and marks the size and the toppings of each pizza; the pad prices itself
// meanwhile. The play button checks it: a point for the name and for each
// size or topping of the order, one back for each line marked that the
// order did not ask for. Only a perfect pad (7) goes straight to the panel.
class COrderFormGame : public CAbstractMinigame {
public:
    static constexpr int kMaximum = PizzaOrderForm::kLinePoints + 1;
    static constexpr int kMachineHold = 200;

    static bool closeEnough(CPoint click, CPoint line);
    static bool closeEnoughLong(CPoint click, CPoint line);

    const CMinigameShell& Shell() const { return shell; }
    int GetOrderIndex() const { return orderIndex; }
    CPoint GetLinePos(int line) const { return linePos[line]; }
    bool IsMarked(int line) const { return lineMarked[line]; }
    bool IsNameListOpen() const { return nameListOpen; }
    CString GetSelectedName() const;
    int GetSelectedButton() const { return selectedButton; }
    PizzaPrice Price(int pizza) const { return PizzaPrice::OfPad(lineMarked, pizza); }
    // The review's items, in reading order, and where their marks stand.
    std::vector<OrderFormReview::Item> ReviewItems() const;
    std::vector<OrderFormReview::Row> ReviewRows() const;

protected:
    COrderFormGame(CModel* model, MinigameType type, const OrderFormVersion& version);
    ~COrderFormGame() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawBackground(int width, int height);
    void DrawSheet(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point) const {
        return CMinigameShell::OverAnyTarget(point, linePos, ExploredLineCount(), closeEnough);
    }
    // Reopened during play, only the top of the pad answers.
    static constexpr int kHelpLinesInInstructions = 14;
    int ExploredLineCount() const { return played ? kHelpLinesInInstructions : PizzaOrderForm::kLineCount; }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return handedIn; }
    bool AnyMissed() const { return !perfect; }
    void DrawReview(int width, int height);
    void OnPlayStart();
    void OnInstructions();
    void OnResume() {
        selectedButton = -1;
        onSheet = false;
    }
    void OnHelp();
    bool OnPlayMove(CPoint point);
    void CloseLists() { CloseNameList(); }

    const PizzaOrderForm::Order& Order() const { return PizzaOrderForm::kOrders[orderIndex]; }
    void HandIn();
    void OpenNameList(int line);
    void CloseNameList();
    bool OverNameList(CPoint p) const;
    void ToggleSize(int line);
    void ToggleLine(int line);
    void DrawPad();

    CMinigameShell shell;
    OrderFormVersion version;
    int orderIndex = 0;
    bool lineMarked[PizzaOrderForm::kLineCount] = {};
    CPoint linePos[PizzaOrderForm::kLineCount];
    int selectedButton = -1;
    bool messagePlayed = false;
    bool handedIn = false;
    bool onSheet = true;  // the sheet is up: the intro's, or reopened
    bool played = false;  // play has begun: the reopened sheet answers on the top of the pad only
    bool perfect = false;
    const char* orderSound = nullptr;
    CString dateText;
    bool nameListOpen = false;
    CClickableImage* formImage = nullptr;
    CClickableImage* machineImage = nullptr;
    CDropDownMenu* nameList = nullptr;
};
