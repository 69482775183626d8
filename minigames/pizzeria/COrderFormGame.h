#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CMinigameShell.h"
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
class COrderFormGame {
public:
    static constexpr int kMaximum = PizzaOrderForm::kLinePoints + 1;
    static constexpr int kMachineHold = 200;

    COrderFormGame(CModel* model, MinigameType type, const OrderFormVersion& version);

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint click, CPoint line);
    static bool closeEnoughLong(CPoint click, CPoint line);
    void PlayHelpSounds();
    void PlayGame(CPoint click);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // False when the learner left for the room: the minigame unloads.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetOrderIndex() const { return orderIndex; }
    CPoint GetLinePos(int line) const { return linePos[line]; }
    bool IsMarked(int line) const { return lineMarked[line]; }
    bool IsNameListOpen() const { return nameListOpen; }
    CString GetSelectedName() const;
    int GetSelectedButton() const { return selectedButton; }
    PizzaPrice Price(int pizza) const { return PizzaPrice::OfPad(lineMarked, pizza); }
    // Where the review's stamps fall: on the name and on every line of a point given.
    std::vector<CPoint> RightAnswers() const;

private:
    void Check();
    void OpenNameList(int line);
    void CloseNameList();
    bool OverNameList(CPoint p) const;
    void ToggleSize(int line);
    void ToggleLine(int line);
    void Explore(CPoint click, int lineCount);
    bool PointMet(const PizzaOrderForm::Point& point) const;
    bool IsPointLine(int line) const;
    void DrawForm(int width, int height);
    void DrawMarks();
    void DrawTexts();
    void DrawPrices();
    void DrawRing(int line, PizzaOrderForm::Offset from, PizzaOrderForm::Offset to);

    CModel* model;
    OrderFormVersion version;
    CMinigameShell shell;
    int orderIndex = 0;
    bool lineMarked[PizzaOrderForm::kLineCount] = {};
    CPoint linePos[PizzaOrderForm::kLineCount];
    int selectedButton = -1;
    bool messagePlayed = false;
    const char* orderSound = nullptr;
    CString dateText;
    bool nameListOpen = false;
    CClickableImage* formImage = nullptr;
    CClickableImage* machineImage = nullptr;
    CDropDownMenu* nameList = nullptr;
};
