#pragma once
#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "minigames/pizzeria/PricingForms.h"
#include "ui/CDropDownMenu.h"

// Pricing the order form: a filled-in pad is shown, and the learner writes
// its five price lines. The base price and the toppings are chosen from a
// list; the subtotal, the HST and the total are typed in the value dialog,
// which can open a calculator beside it. The play button checks: a point a
// right line, to the cent.
class CMinigame2_9 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = PricingForms::kPriceLineCount;

    CMinigame2_9(CModel* model, MinigameType type);
    ~CMinigame2_9() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint line, CPoint click);
    void PlayGame(CPoint click);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetFormIndex() const { return formIndex; }
    CPoint GetLinePos(int line) const { return linePos[line]; }
    bool IsFilled(int line) const { return filled[line]; }
    long GetAmountCents(int line) const { return amountCents[line]; }
    bool IsListOpen() const { return openList >= 0; }
    int GetSelectedButton() const { return selectedButton; }
    // The right amount of a line, in cents, by the pad's price rule.
    long RightCents(int line) const;
    static PizzaPrice PriceOf(int form);

private:
    void OpenList(int line);
    void CloseList();
    bool OverList(CPoint p) const;
    void TypeAmount(int line);
    void Check();
    void DrawPrices(bool review);
    void Leave();

    CMinigameShell shell;
    int formIndex = 0;
    CPoint linePos[PricingForms::kPriceLineCount];
    CPoint helpPos[PricingForms::kPriceLineCount + 1];
    bool filled[PricingForms::kPriceLineCount] = {};
    long amountCents[PricingForms::kPriceLineCount] = {};
    int openList = -1;  // the chosen line whose list is open
    int selectedButton = -1;
    CString dateText;
    CClickableImage* formImage = nullptr;
    CDropDownMenu* lists[2] = {nullptr, nullptr};  // base prices, toppings
};

using CMinigame2_9Controller = CMinigameController<CMinigame2_9>;
