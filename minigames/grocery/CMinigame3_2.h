#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/BestBefore.h"
#include "minigames/grocery/CDateFormatCards.h"

// Sorting goods by date: a day card says what day it is (one of five, at
// random); the eight products come in turn, and the learner puts each in
// the shopping cart while its best-before date is still to come, or in the
// trash when it is past or falls on the day itself.
class CMinigame3_2 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = BestBefore::kProductCount;

    CMinigame3_2(CModel* model, MinigameType type);
    ~CMinigame3_2() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void DrawFeedbackAnimation(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetToday() const { return today; }
    int GetProduct() const { return product; }
    bool IsFlagged(int p) const { return flagged[p]; }
    CPoint GetCart() const { return cartImage->GetPosition(); }
    CPoint GetTrash() const { return trashImage->GetPosition(); }
    const CDateFormatCards& Cards() const { return *cards; }

private:
    void Leave();
    void Sort(bool toCart, CPoint point);

    CMinigameShell shell;
    int today = 0;    // which day card, 0 to 4
    int product = 0;  // the product to sort, 0 to 8
    bool flagged[BestBefore::kProductCount] = {};
    bool firstPlay = true;

    std::vector<CClickableImage*> products;
    std::vector<CClickableImage*> labels;
    CClickableImage* todayImage = nullptr;
    CClickableImage* chartImage = nullptr;
    CClickableImage* cartImage = nullptr;
    CClickableImage* trashImage = nullptr;
    CDateFormatCards* cards = nullptr;
};

using CMinigame3_2Controller = CMinigameController<CMinigame3_2>;
