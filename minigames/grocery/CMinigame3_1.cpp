#include "minigames/grocery/CMinigame3_1.h"

#include <algorithm>
#include <cmath>

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"

using namespace BestBefore;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "dates_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_1.png",     "Intro3_1.mp3",      CMinigame3_1::kMaximum,
};

// The belt's measures on a view 1358 wide: a product is this wide and the
// next one follows 1.2 widths on; the row wraps round after 9.6 widths.
constexpr double kBeltWidth = 1358.0;
constexpr double kProductWidth = 170.0;  // so that a product wraps round off the view
constexpr double kGap = 1.2;
constexpr double kLoop = 9.6;
constexpr int kLabelBelowMiddle = 200;
constexpr float kLabelScale = 1.2f;

}  // namespace

CMinigame3_1::CMinigame3_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_1.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_1::Load() {
    shell.Load(nullptr);
    for (int p = 1; p <= kProductCount; ++p) {
        products.push_back(new CClickableImage(CString::Format("Item%d.png", p)));
        labels.push_back(new CClickableImage(CString::Format("Item%dDate.png", p)));
    }
    beltImage = new CClickableImage("conveyor.png");
    cards = new CDateFormatCards(model);
    // The labels' order: each product once, drawn at random.
    const std::vector<int> drawn = GameRandom::Distinct(kProductCount, kProductCount);
    std::copy(drawn.begin(), drawn.end(), order);
    for (bool& f : flagged) f = false;
    found = 0;
    offset = 0;
    firstPlay = true;
    needsLoad = false;
}

void CMinigame3_1::Unload() {
    for (CClickableImage* p : products) delete p;
    for (CClickableImage* l : labels) delete l;
    products.clear();
    labels.clear();
    Release(beltImage);
    Release(cards);
    shell.Unload();
    needsLoad = true;
}

void CMinigame3_1::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame3_1::LoadButtonLocations(int width, int height) {
    if (!products.empty() && products[0]->GetWidth() > 0) {
        productScale = float(kProductWidth * width / kBeltWidth / products[0]->GetWidth());
    }
    for (CClickableImage* p : products) p->SetScale(productScale);
    PlaceProducts();
    for (CClickableImage* l : labels) {
        l->SetPosition(width / 2, height / 2 + kLabelBelowMiddle);
        l->SetScale(kLabelScale);
    }
    cards->Place(width, height);
}

CPoint CMinigame3_1::GetProductPosition(int p) const {
    const double x = std::fmod(p * kGap * kProductWidth + offset, kLoop * kProductWidth) - kProductWidth;
    return CPoint(static_cast<int>(x * viewWidth / kBeltWidth), viewHeight / 2);
}

void CMinigame3_1::MoveBelt() {
    offset = (offset + kBeltStep) % static_cast<int>(kLoop * kProductWidth);
    PlaceProducts();
}

void CMinigame3_1::PlaceProducts() {
    for (int p = 0; p < kProductCount; ++p) {
        const CPoint at = GetProductPosition(p);
        products[p]->SetPosition(at.x, at.y);
    }
}

void CMinigame3_1::PlayGame(CPoint point) {
    const int target = GetTarget();
    if (target < 0) return;
    int clicked = -1;
    for (int p = 0; p < kProductCount; ++p)
        if (products[p]->HitTest(point)) clicked = p;
    if (clicked < 0) return;
    if (clicked != target) {
        flagged[target] = true;
        shell.WrongAnswer(point);
        return;
    }
    if (!flagged[target]) shell.ScorePoint();
    ++found;
    if (found < kProductCount) return;
    shell.SetProgress(3);
    bool any = false;
    for (bool f : flagged) any = any || f;
    if (any) {
        shell.EnterReview();
    } else {
        shell.EnterResults(true);
    }
}

void CMinigame3_1::OnLButtonDown(CPoint) {}

void CMinigame3_1::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    DateGameClick(shell, *cards, model, firstPlay, point, [this] { Leave(); },
                  [this](CPoint at) { PlayGame(at); });
}

void CMinigame3_1::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (shell.OnMouseMove(point)) return;
    bool onProduct = false;
    if (shell.phase == PhasePlay)
        for (CClickableImage* p : products) onProduct = onProduct || p->HitTest(point);
    model->SetCursor(onProduct ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame3_1::DrawFeedbackAnimation(int width, int height) {
    GroceryBoard::DrawMissed(shell, products, flagged, width, height);
}

void CMinigame3_1::Draw(int width, int height) {
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
            MoveBelt();
            beltImage->FillScreen(width, height);
            for (CClickableImage* p : products) p->Draw();
            if (GetTarget() >= 0) labels[GetTarget()]->Draw();
            break;
        case PhaseReview:
            DrawFeedbackAnimation(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
