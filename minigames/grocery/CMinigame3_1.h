#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/BestBefore.h"
#include "minigames/grocery/CDateFormatCards.h"

// Dates on the belt: the eight dated products ride past on the checkout
// belt; a best-before label is shown below it and the learner clicks the
// product that carries it. A wrong product costs the label its point, and
// the same label stays until its product is found.
class CMinigame3_1 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = BestBefore::kProductCount;
    // The belt moves this far a second of the game's clock, on a view 1358
    // wide, however many frames the computer draws meanwhile.
    static constexpr double kBeltSpeed = 128.0;
    // A longer gap between two frames (the window dragged, the computer
    // stalled) moves it no farther than this, so that it never jumps.
    static constexpr double kLongestStep = 0.25;

    CMinigame3_1(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame3_1>::Unload(*this); }

    const CMinigameShell& Shell() const { return shell; }
    // The product whose label is shown, -1 once all are found.
    int GetTarget() const { return found < BestBefore::kProductCount ? order[found] : -1; }
    // The product whose label came k-th: the review's item k.
    int GetAsked(int k) const { return order[k]; }
    int GetFound() const { return found; }
    bool IsFlagged(int p) const { return flagged[p]; }
    // Where product p is on the belt now.
    CPoint GetProductPosition(int p) const;
    const CDateFormatCards& Cards() const { return *cards; }

private:
    friend class CMinigameFlow<CMinigame3_1>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int, int) { cards->Draw(); }
    void OnSheetClick(CPoint point) { cards->OnClick(point); }
    bool OnSheetMove(CPoint point) const { return cards->Over(point); }
    void OnPlayStart();
    void OnResume() { beltTime = -1.0; }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return found >= BestBefore::kProductCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    bool OnPlayMove(CPoint point) const { return ProductAt(point) >= 0; }

    int ProductAt(CPoint point) const;
    void MoveBelt();
    void PlaceProducts();

    CMinigameShell shell;
    int order[BestBefore::kProductCount] = {};  // the products in the order their labels come
    int found = 0;                               // labels done
    bool flagged[BestBefore::kProductCount] = {};
    double offset = 0.0;     // how far the belt has moved, on a view 1358 wide
    double beltTime = -1.0;  // the clock when it last moved, -1 before it starts
    float productScale = 1.0f;

    std::vector<CClickableImage*> products;
    std::vector<CClickableImage*> labels;
    CClickableImage* beltImage = nullptr;
    CDateFormatCards* cards = nullptr;
};

using CMinigame3_1Controller = CMinigameController<CMinigame3_1>;
