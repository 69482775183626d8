#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/BestBefore.h"
#include "minigames/grocery/CDateFormatCards.h"

// Sorting goods by date: a day card says what day it is (one of five, at
// random); the eight products come in turn, in an order drawn for each game,
// and the learner puts each in the shopping cart while its best-before date
// is still to come, or in the trash when it is past or falls on the day
// itself.
class CMinigame3_2 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = BestBefore::kProductCount;

    CMinigame3_2(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame3_2>::Unload(*this); }

    const CMinigameShell& Shell() const { return shell; }
    int GetToday() const { return today; }
    // How many products are sorted; the product shown now, -1 once all are.
    int GetStep() const { return step; }
    int GetProduct() const { return Finished() ? -1 : order[step]; }
    // The product that came k-th, and whether it was missed.
    int GetAsked(int k) const { return order[k]; }
    bool IsFlagged(int k) const { return flagged[k]; }
    CPoint GetCart() const { return cartImage->GetPosition(); }
    CPoint GetTrash() const { return trashImage->GetPosition(); }
    const CDateFormatCards& Cards() const { return *cards; }

private:
    friend class CMinigameFlow<CMinigame3_2>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int, int) { cards->Draw(); }
    void OnSheetClick(CPoint point) { cards->OnClick(point); }
    bool OnSheetMove(CPoint point) const { return cards->Over(point); }
    void OnPlayStart();
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    // A wrong choice: the next product once the cross and the sound have ended.
    void MoveOn() { NextProduct(); }
    bool Finished() const { return step >= BestBefore::kProductCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    bool OnPlayMove(CPoint point) const { return cartImage->HitTest(point) || trashImage->HitTest(point); }

    void NextProduct();

    CMinigameShell shell;
    int today = 0;    // which day card, 0 to 4
    int step = 0;  // products sorted, 0 to 8
    int order[BestBefore::kProductCount] = {};     // the products in the order they come
    bool flagged[BestBefore::kProductCount] = {};  // by the order they came

    std::vector<CClickableImage*> products;
    std::vector<CClickableImage*> labels;
    CClickableImage* todayImage = nullptr;
    CClickableImage* chartImage = nullptr;
    CClickableImage* cartImage = nullptr;
    CClickableImage* trashImage = nullptr;
    CDateFormatCards* cards = nullptr;
};

using CMinigame3_2Controller = CMinigameController<CMinigame3_2>;
