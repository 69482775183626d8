#pragma once
#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/PaymentTerminal.h"

// Card payments on the terminal: three customers pay in turn, by debit,
// credit and gift card, each a random amount. For each the learner picks
// the type on the terminal's menu, keys the amount like on a till, confirms
// it and takes the customer's card of that type: a point a step, and one
// more for a game without a slip.
class CMinigame2_5 : public CAbstractMinigame {
public:
    static constexpr int kSteps = 3;  // type, amount, card
    static constexpr int kMaximum = PaymentTerminal::kPaymentCount * kSteps + 1;
    enum TerminalScreen { SCREEN_MENU = 0, SCREEN_AMOUNT, SCREEN_CARD };

    CMinigame2_5(CModel* model, MinigameType type);
    ~CMinigame2_5() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint point, CPoint click);
    static bool keyboardCloseEnough(CPoint point, CPoint click);
    void GenerateRandomGame();
    void PlayGame(CPoint click);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point) { (void)point; }  // a key acts when released
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetPayment() const { return payment; }
    int GetAmountCents() const { return amountCents; }
    int GetKeyedCents() const { return keyedCents; }
    int GetTerminalScreen() const { return terminalScreen; }
    const CString& GetScreenLine(int i) const { return screenLine[i]; }
    bool IsPaymentMissed(int p) const { return paymentMissed[p]; }
    bool IsStepRight(int p, int step) const { return stepRight[p][step]; }
    int GetShownPage() const { return shownPage; }
    int GetSelectedButton() const { return selectedButton; }
    CPoint GetKey(int key) const { return keyPos[key]; }
    CPoint GetMenuKey(int line) const { return menuKeyPos[line]; }
    CPoint GetCard(int type) const { return cardPos[type]; }
    CString Instruction() const;
    // For tests: the next payment's amount instead of a random one.
    void SetAmountCents(int cents) { amountCents = cents; }

private:
    void KeyboardTotalHit(CPoint click);
    void ShowKeyed();
    void StepDone(int step, bool right);
    void NextPayment();
    void LoadHelpImages(CPoint point);
    void DrawScreen();
    void DrawGameText(int width, int height);
    void DrawReview(int width, int height);
    void Leave();

    CMinigameShell shell;
    int payment = -1;
    int amountCents = 0;
    int keyedCents = 0;
    int terminalScreen = SCREEN_MENU;
    CString screenLine[4];
    bool paymentMissed[PaymentTerminal::kPaymentCount] = {};
    bool stepRight[PaymentTerminal::kPaymentCount][kSteps] = {};
    int selectedButton = -1;
    int shownPage = -1;
    CPoint keyPos[PaymentTerminal::kKeyCount];
    CPoint menuKeyPos[4];
    CPoint cardPos[PaymentTerminal::kPaymentCount];
    CPoint pagePoint[PaymentTerminal::kPageCount];
    CPoint clickHelp[PaymentTerminal::kClickHelpCount];
    CClickableImage* terminalImage = nullptr;
    CClickableImage* cardsImage = nullptr;
    CClickableImage* bubbleImage = nullptr;
    CClickableImage* pageImage = nullptr;
};

using CMinigame2_5Controller = CMinigameController<CMinigame2_5>;
