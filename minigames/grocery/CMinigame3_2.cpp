#include "minigames/grocery/CMinigame3_2.h"

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

void CMinigame3_2::Load() {
    shell.Load(nullptr);
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
    product = 0;
    firstPlay = true;
    for (bool& f : flagged) f = false;
    needsLoad = false;
}

void CMinigame3_2::Unload() {
    for (CClickableImage* p : products) delete p;
    for (CClickableImage* l : labels) delete l;
    products.clear();
    labels.clear();
    Release(todayImage);
    Release(chartImage);
    Release(cartImage);
    Release(trashImage);
    Release(cards);
    shell.Unload();
    needsLoad = true;
}

void CMinigame3_2::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame3_2::LoadButtonLocations(int width, int height) {
    for (CClickableImage* p : products) Put(p, kProductSpot, width, height);
    for (CClickableImage* l : labels) Put(l, kLabel, width, height);
    Put(todayImage, kToday, width, height);
    Put(chartImage, kChart, width, height);
    Put(cartImage, kCart, width, height);
    Put(trashImage, kTrash, width, height);
    cards->Place(width, height);
}

void CMinigame3_2::Sort(bool toCart, CPoint point) {
    if (toCart == StillGood(kProducts[product].value, kTodayValues[today])) {
        shell.ScorePoint();
    } else {
        flagged[product] = true;
        shell.WrongAnswer(point);  // on the cart or the bin chosen
    }
    ++product;
    if (product < kProductCount) return;
    shell.SetProgress(3);
    bool any = false;
    for (bool f : flagged) any = any || f;
    if (any) {
        shell.EnterReview();
    } else {
        shell.EnterResults(true);
    }
}

void CMinigame3_2::PlayGame(CPoint point) {
    if (product >= kProductCount) return;
    if (cartImage->HitTest(point)) {
        Sort(true, point);
    } else if (trashImage->HitTest(point)) {
        Sort(false, point);
    }
}

void CMinigame3_2::OnLButtonDown(CPoint) {}

void CMinigame3_2::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    DateGameClick(shell, *cards, model, firstPlay, point, [this] { Leave(); },
                  [this](CPoint at) { PlayGame(at); });
}

void CMinigame3_2::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (shell.OnMouseMove(point)) return;
    const bool onTarget = shell.phase == PhasePlay && (cartImage->HitTest(point) || trashImage->HitTest(point));
    model->SetCursor(onTarget ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame3_2::DrawFeedbackAnimation(int width, int height) {
    GroceryBoard::DrawMissed(shell, products, flagged, width, height);
}

void CMinigame3_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            cards->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            todayImage->Draw();
            chartImage->Draw();
            cartImage->Draw();
            trashImage->Draw();
            if (product < kProductCount) {
                products[product]->Draw();
                labels[product]->Draw();
            }
            break;
        case PhaseReview:
            DrawFeedbackAnimation(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
