#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/Receipts.h"

// Reading receipts: five till receipts come in turn, in an order drawn for
// each game; beside each, two amounts, one above the other, and the learner
// clicks the one the receipt asks for (the total, the cash handed over or
// the change, which one receipt does not print: it is worked out). Which
// amount is on top is a coin toss per receipt.
class CMinigame3_5 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = Receipts::kReceiptCount;

    CMinigame3_5(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame3_5>::Unload(*this); }

    const CMinigameShell& Shell() const { return shell; }
    // How many receipts are done: the place of the one shown in the game.
    int GetReceipt() const { return step; }
    // The receipt (0 to 4 in the table) that comes k-th.
    int GetAsked(int k) const { return order[k]; }
    // The k-th receipt's coin, and whether it was missed.
    bool IsRightOnTop(int k) const { return rightOnTop[k]; }
    bool IsFlagged(int k) const { return flagged[k]; }
    // Where the right and the wrong amount of the current receipt lie.
    CPoint GetRightAmount() const;
    CPoint GetWrongAmount() const;
    // Where a term card of the sheet lies (total, cash, change).
    CPoint GetTermCard(int question) const;

private:
    friend class CMinigameFlow<CMinigame3_5>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point) const { return TermCardAt(point) >= 0; }
    // The term card of the sheet at a point, -1 for none.
    int TermCardAt(CPoint point) const;
    void OnPlayStart();
    void OnInstructions();
    void OnResume() { questionSpoken = false; }
    // The question again once help's instruction has been said.
    void OnHelp() { questionSpoken = false; }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    // A wrong amount: the next receipt once the cross and the sound have ended.
    void MoveOn() { NextReceipt(); }
    bool Finished() const { return step >= Receipts::kReceiptCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    bool OnPlayMove(CPoint point);

    void NextReceipt();

    CMinigameShell shell;
    int step = 0;                                // receipts done
    int order[Receipts::kReceiptCount] = {};     // the receipts in the order they come
    bool flagged[Receipts::kReceiptCount] = {};  // by the order they came, as the coins
    bool rightOnTop[Receipts::kReceiptCount] = {};
    bool questionSpoken = false;
    CPoint upperPlace, lowerPlace;
    float amountScale = 1.0f;

    std::vector<CClickableImage*> receipts;
    std::vector<CClickableImage*> rightAmounts;
    std::vector<CClickableImage*> wrongAmounts;
    std::vector<CClickableImage*> questions;
    CClickableImage* counterImage = nullptr;  // "receipt.png", the till's printer and tag holders
    CClickableImage* ovalImage = nullptr;     // around the amount under the pointer
    CClickableImage* hovered = nullptr;
};

using CMinigame3_5Controller = CMinigameController<CMinigame3_5>;
