#pragma once
#include <string>

#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/CPriceLists.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "minigames/pizzeria/PricingForms.h"
#include "minigames/pizzeria/PricingReview.h"

// Pricing the order form: a filled-in pad is shown, and the learner writes
// its five price lines. The base price and the toppings are chosen from a
// list; the subtotal, the HST and the total are typed in the value dialog,
// which can open a calculator beside it. The play button checks: a point a
// right line, to the cent, each sum judged from the learner's own lines
// above it (PricingReview::Lines).
class CMinigame2_9 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = PricingForms::kPriceLineCount;

    CMinigame2_9(CModel* model, MinigameType type);
    ~CMinigame2_9() { CMinigameFlow<CMinigame2_9>::Unload(*this); }

    static bool closeEnough(CPoint line, CPoint click);

    const CMinigameShell& Shell() const { return shell; }
    int GetFormIndex() const { return formIndex; }
    CPoint GetLinePos(int line) const { return linePos[line]; }
    bool IsFilled(int line) const { return filled[line]; }
    long GetAmountCents(int line) const { return amountCents[line]; }
    bool IsListOpen() const { return lists.OpenLine() >= 0; }
    int GetSelectedButton() const { return selectedButton; }
    // The right amount of a line, in cents, by the pad's price rule.
    long RightCents(int line) const;
    static PizzaPrice PriceOf(int form);
    // The review's row of a line: its mark, what was written, the right amount of a miss.
    CPoint GetReviewMark(int line) const { return PricingReview::MarkAt(viewWidth, viewHeight, line); }
    std::string ReviewWritten(int line) const { return PricingReview::Written(ReviewLines(), line); }
    std::string ReviewAnswer(int line) const { return PricingReview::Answer(ReviewLines(), line); }

private:
    friend class CMinigameFlow<CMinigame2_9>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawBackground(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint click);
    bool Finished() const { return checked; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point) const;
    void OnPlayStart();
    void OnInstructions();
    void OnResume() { selectedButton = -1; }
    bool OnPlayMove(CPoint point);
    void CloseLists() { lists.Close(); }

    void TypeAmount(int line);
    void Check();
    void DrawPrices(bool review);
    PricingReview::Lines ReviewLines() const;

    CMinigameShell shell;
    int formIndex = 0;
    CPoint linePos[PricingForms::kPriceLineCount];
    CPoint helpPos[PricingForms::kPriceLineCount + 1];
    bool filled[PricingForms::kPriceLineCount] = {};
    long amountCents[PricingForms::kPriceLineCount] = {};
    bool checked = false;  // the play button has handed the lines in
    int selectedButton = -1;
    CString dateText;
    CClickableImage* formImage = nullptr;
    CPriceLists lists;
};

using CMinigame2_9Controller = CMinigameController<CMinigame2_9>;
