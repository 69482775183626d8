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

void CMinigame3_1::Start() {
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
    offset = 0.0;
    beltTime = -1.0;
}

void CMinigame3_1::Stop() {
    ReleaseAll(products);
    ReleaseAll(labels);
    Release(beltImage);
    Release(cards);
}

void CMinigame3_1::Place(int width, int height) {
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

// By the game's clock, so that a slow computer does not slow the belt.
void CMinigame3_1::MoveBelt() {
    const double now = CMinigameShell::Now();
    if (beltTime >= 0.0) {
        const double seconds = std::min(kLongestStep, std::max(0.0, now - beltTime));
        offset = std::fmod(offset + kBeltSpeed * seconds, kLoop * kProductWidth);
    }
    beltTime = now;
    PlaceProducts();
}

void CMinigame3_1::PlaceProducts() {
    for (int p = 0; p < kProductCount; ++p) {
        const CPoint at = GetProductPosition(p);
        products[p]->SetPosition(at.x, at.y);
    }
}

int CMinigame3_1::ProductAt(CPoint point) const {
    int at = -1;
    for (int p = 0; p < kProductCount; ++p)
        if (products[p]->HitTest(point)) at = p;
    return at;
}

void CMinigame3_1::OnPlayStart() {
    beltTime = -1.0;
    shell.SetProgress(2);
    shell.Say(kLongRecording);  // the long explanation, once, as play begins
}

Verdict CMinigame3_1::Judge(CPoint point) {
    const int target = GetTarget();
    const int clicked = ProductAt(point);
    if (clicked < 0) return Verdict::None;
    if (clicked != target) {
        flagged[target] = true;
        return Verdict::Wrong;  // the label stays until its product is found
    }
    ++found;
    if (Finished()) shell.SetProgress(3);
    return flagged[target] ? Verdict::RightNoPoint : Verdict::Right;
}

bool CMinigame3_1::AnyMissed() const {
    for (bool f : flagged)
        if (f) return true;
    return false;
}

// The products in the order their labels came; a missed one shows its label.
void CMinigame3_1::DrawReview(int width, int height) {
    std::vector<CClickableImage*> pictures, answers;
    std::vector<bool> right;
    for (int k = 0; k < kProductCount; ++k) {
        pictures.push_back(products[order[k]]);
        answers.push_back(labels[order[k]]);
        right.push_back(!flagged[order[k]]);
    }
    GroceryBoard::Draw(shell, pictures, right, answers, width, height);
}

void CMinigame3_1::DrawPlay(int width, int height) {
    MoveBelt();
    beltImage->FillScreen(width, height);
    for (CClickableImage* p : products) p->Draw();
    if (GetTarget() >= 0) labels[GetTarget()]->Draw();
}
