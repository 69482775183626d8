#pragma once
#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/PaymentBoard.h"
#include "minigames/pizzeria/CTerminalTill.h"
#include "minigames/pizzeria/PaymentTerminal.h"

// Card payments on the terminal: three customers pay in turn, by debit,
// credit and gift card, each a random amount. For each the learner picks
// the type on the terminal's menu, keys the amount like on a till, confirms
// it and takes the customer's card of that type: a point a step, and one
// more for a game without a slip. A slip shows its cross and sound, then
// the payment goes on to its next step.
class CMinigame2_5 : public CAbstractMinigame {
public:
    static constexpr int kSteps = PaymentTerminal::kStepCount;  // type, amount, card
    static constexpr int kMaximum = PaymentTerminal::kPaymentCount * kSteps + 1;
    static constexpr int SCREEN_MENU = PaymentTerminal::SCREEN_MENU;
    static constexpr int SCREEN_AMOUNT = PaymentTerminal::SCREEN_AMOUNT;
    static constexpr int SCREEN_CARD = PaymentTerminal::SCREEN_CARD;

    CMinigame2_5(CModel* model, MinigameType type);
    ~CMinigame2_5() { CMinigameFlow<CMinigame2_5>::Unload(*this); }

    static bool closeEnough(CPoint point, CPoint click);
    // On a keypad key's cap (centred at point), as drawn.
    static bool keyboardCloseEnough(CPoint point, CPoint click);
    // On a menu key's cap or on the notch that points at its line.
    static bool menuKeyCloseEnough(CPoint point, CPoint click);
    void GenerateRandomGame();

    const CMinigameShell& Shell() const { return shell; }
    int GetPayment() const { return payment; }
    int GetAmountCents() const { return amountCents; }
    int GetKeyedCents() const { return till.KeyedCents(); }
    int GetTerminalScreen() const { return till.Screen(); }
    const CString& GetScreenLine(int i) const { return till.Line(i); }
    bool IsPaymentMissed(int p) const { return paymentMissed[p]; }
    bool IsStepRight(int p, int step) const { return board.stepRight[p][step]; }
    int GetShownPage() const { return shownPage; }
    int GetSelectedButton() const { return selectedButton; }
    CPoint GetKey(int key) const { return keyPos[key]; }
    CPoint GetMenuKey(int line) const { return menuKeyPos[line]; }
    CPoint GetCard(int type) const { return cardPos[type]; }
    // The review's mark of a payment's step, and the right answer beside it.
    CPoint GetReviewMark(int p, int step) const { return PaymentBoard::MarkAt(viewWidth, viewHeight, p, step); }
    std::string ReviewAnswer(int p, int step) const { return PaymentBoard::Answer(p, step, board.amountCents[p]); }
    CString Instruction() const;
    // For tests: the next payment's amount instead of a random one.
    void SetAmountCents(int cents) { amountCents = cents; }

private:
    friend class CMinigameFlow<CMinigame2_5>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawBackground(int width, int height);
    void DrawOnSheet(int width, int height);
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint click);
    bool Finished() const { return payment >= PaymentTerminal::kPaymentCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point);
    void OnPlayStart();
    void OnInstructions();
    void OnResume() { selectedButton = -1; }
    void MoveOn();
    bool OnPlayMove(CPoint point) const;

    Verdict StepDone(int step, bool right);
    void NextPayment();
    void DrawGameText(int width, int height);

    CMinigameShell shell;
    int payment = -1;
    int amountCents = 0;
    CTerminalTill till;
    int chosenType = -1;  // the type picked on the menu, right or wrong
    bool paymentMissed[PaymentTerminal::kPaymentCount] = {};
    PaymentBoard::Payments board = {};
    int selectedButton = -1;
    int shownPage = -1;
    CPoint keyPos[PaymentTerminal::kKeyCount];
    CPoint menuKeyPos[CTerminalTill::kLines];
    CPoint cardPos[PaymentTerminal::kPaymentCount];
    CPoint pagePoint[PaymentTerminal::kPageCount];
    CPoint clickHelp[PaymentTerminal::kClickHelpCount];
    CClickableImage* terminalImage = nullptr;
    CClickableImage* cardsImage = nullptr;
    CClickableImage* bubbleImage = nullptr;
    CClickableImage* pageImage = nullptr;
};

using CMinigame2_5Controller = CMinigameController<CMinigame2_5>;
