#include "minigames/grocery/CMinigame3_2.h"

#include <algorithm>

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"

using namespace BestBefore;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "dates_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_2.png",     "Intro3_2.mp3",      CMinigame3_2::kMaximum,
};

// On the 1362 x 726 layout: the day card and the month chart on the left,
// the product and its label in the middle, the cart and the trash on the right.
struct Spot {
    int x, y;
    double scale;  // at a view 726 high
};
constexpr Spot kToday = {220, 170, 1.0};
constexpr Spot kChart = {220, 450, 1.0};
constexpr Spot kProductSpot = {640, 330, 1.0};
constexpr Spot kLabel = {640, 560, 1.0};
constexpr Spot kCart = {1090, 250, 0.8};
constexpr Spot kTrash = {1090, 540, 0.8};

void Put(CClickableImage* image, const Spot& spot, int width, int height) {
    image->SetPosition(spot.x * width / 1362, spot.y * height / 726);
    image->SetScale(float(spot.scale * height / 726.0));
}

}  // namespace

CMinigame3_2::CMinigame3_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_2.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_2::Start() {
    today = GameRandom::Below(kTodayCount);
    for (int p = 1; p <= kProductCount; ++p) {
        products.push_back(new CClickableImage(CString::Format("Item%d.png", p)));
        labels.push_back(new CClickableImage(CString::Format("Item%dDate.png", p)));
    }
    todayImage = new CClickableImage(CString::Format("Today%d.png", today + 1));
    chartImage = new CClickableImage(kMonthChart);
    cartImage = new CClickableImage("shoppingcart.png");
    trashImage = new CClickableImage("trash.png");
    cards = new CDateFormatCards(model);
    // Each product once, in an order drawn for this game.
    const std::vector<int> drawn = GameRandom::Distinct(kProductCount, kProductCount);
    std::copy(drawn.begin(), drawn.end(), order);
    step = 0;
    for (bool& f : flagged) f = false;
}

void CMinigame3_2::Stop() {
    ReleaseAll(products);
    ReleaseAll(labels);
    Release(todayImage);
    Release(chartImage);
    Release(cartImage);
    Release(trashImage);
    Release(cards);
}

void CMinigame3_2::Place(int width, int height) {
    for (CClickableImage* p : products) Put(p, kProductSpot, width, height);
    for (CClickableImage* l : labels) Put(l, kLabel, width, height);
    Put(todayImage, kToday, width, height);
    Put(chartImage, kChart, width, height);
    Put(cartImage, kCart, width, height);
    Put(trashImage, kTrash, width, height);
    cards->Place(width, height);
}

void CMinigame3_2::OnPlayStart() {
    shell.SetProgress(2);
    shell.Say(kLongRecording);  // the long explanation, once, as play begins
}

void CMinigame3_2::NextProduct() {
    ++step;
    if (Finished()) shell.SetProgress(3);
}

Verdict CMinigame3_2::Judge(CPoint point) {
    const bool toCart = cartImage->HitTest(point);
    if (!toCart && !trashImage->HitTest(point)) return Verdict::None;
    if (toCart != StillGood(kProducts[order[step]].value, kTodayValues[today])) {
        flagged[step] = true;
        return Verdict::WrongMovesOn;  // the cross on the cart or the bin chosen
    }
    NextProduct();
    return Verdict::Right;
}

bool CMinigame3_2::AnyMissed() const {
    for (bool f : flagged)
        if (f) return true;
    return false;
}

// The products in the order they came; a missed one shows where it belonged.
void CMinigame3_2::DrawReview(int width, int height) {
    std::vector<CClickableImage*> shown, answers;
    std::vector<bool> right;
    for (int k = 0; k < kProductCount; ++k) {
        shown.push_back(products[order[k]]);
        answers.push_back(StillGood(kProducts[order[k]].value, kTodayValues[today]) ? cartImage : trashImage);
        right.push_back(!flagged[k]);
    }
    GroceryBoard::Draw(shell, shown, right, answers, width, height);
}

void CMinigame3_2::DrawPlay(int, int) {
    todayImage->Draw();
    chartImage->Draw();
    cartImage->Draw();
    trashImage->Draw();
    if (Finished()) return;
    products[order[step]]->Draw();
    labels[order[step]]->Draw();
}
