#include "minigames/grocery/CMinigame3_5.h"

#include <algorithm>

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"
#include "minigames/grocery/ReceiptLayout.h"

using namespace Receipts;
using namespace ReceiptLayout;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "receipt_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_5.png",     "Intro3_5.mp3",        CMinigame3_5::kMaximum,
};

// The amounts sit above and below the middle of the view by these shares
// of its height.
constexpr double kUpperShare = 230.0 / 850.0;
constexpr double kLowerShare = 220.0 / 850.0;

}  // namespace

CMinigame3_5::CMinigame3_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_5.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_5::Start() {
    for (int r = 0; r < kReceiptCount; ++r) {
        receipts.push_back(new CClickableImage(CString::Format("receipt%d.png", r + 1)));
        rightAmounts.push_back(new CClickableImage(kReceipts[r].right));
        wrongAmounts.push_back(new CClickableImage(kReceipts[r].wrong));
        rightOnTop[r] = GameRandom::Below(2) == 0;
        flagged[r] = false;
    }
    // Each receipt once, in an order drawn for this game.
    const std::vector<int> drawn = GameRandom::Distinct(kReceiptCount, kReceiptCount);
    std::copy(drawn.begin(), drawn.end(), order);
    for (const QuestionInfo& q : kQuestions) {
        CClickableImage* caption = new CClickableImage(q.caption);
        caption->SetScale(2.0f);
        questions.push_back(caption);
    }
    counterImage = new CClickableImage("receipt.png");
    ovalImage = new CClickableImage("smallOval.png");
    hovered = nullptr;
    step = 0;
    questionSpoken = false;
}

void CMinigame3_5::Stop() {
    ReleaseAll(receipts);
    ReleaseAll(rightAmounts);
    ReleaseAll(wrongAmounts);
    ReleaseAll(questions);
    Release(counterImage);
    Release(ovalImage);
    hovered = nullptr;
}

void CMinigame3_5::Place(int width, int height) {
    const int x = static_cast<int>(width * (kAmountX / double(kReferenceWidth)));
    upperPlace = CPoint(x, static_cast<int>(height / 2.0 - height * kUpperShare));
    lowerPlace = CPoint(x, static_cast<int>(height / 2.0 + height * kLowerShare));
    const double sx = width / double(kReferenceWidth), sy = height / double(kReferenceHeight);
    if (!rightAmounts.empty() && rightAmounts[0]->GetWidth() > 0) {
        amountScale = float(kAmountWidth * sx / rightAmounts[0]->GetWidth());
    }
    for (int k = 0; k < kReceiptCount; ++k) {
        const int r = order[k];
        const CPoint right = rightOnTop[k] ? upperPlace : lowerPlace;
        const CPoint wrong = rightOnTop[k] ? lowerPlace : upperPlace;
        rightAmounts[r]->SetPosition(right.x, right.y);
        wrongAmounts[r]->SetPosition(wrong.x, wrong.y);
        rightAmounts[r]->SetScale(amountScale);
        wrongAmounts[r]->SetScale(amountScale);
        receipts[r]->SetPosition(int(kReceiptX * sx), int(kReceiptY * sy));
        if (receipts[r]->GetHeight() > 0) receipts[r]->SetScale(float(kReceiptHeight * sy / receipts[r]->GetHeight()));
    }
    for (CClickableImage* q : questions) q->SetPosition(x, int(kQuestionY * sy));
}

CPoint CMinigame3_5::GetRightAmount() const { return rightAmounts[order[step]]->GetPosition(); }
CPoint CMinigame3_5::GetWrongAmount() const { return wrongAmounts[order[step]]->GetPosition(); }

CPoint CMinigame3_5::GetTermCard(int question) const {
    const Card& c = kTermCards[question];
    return CPoint(int((c.x + c.width / 2.0) * viewWidth / kReferenceWidth),
                  int((c.y + c.height / 2.0) * viewHeight / kReferenceHeight));
}

int CMinigame3_5::TermCardAt(CPoint point) const {
    const double x = point.x * double(kReferenceWidth) / viewWidth;
    const double y = point.y * double(kReferenceHeight) / viewHeight;
    for (int q = 0; q < kQuestionCount; ++q) {
        const Card& c = kTermCards[q];
        if (x > c.x && x < c.x + c.width && y > c.y && y < c.y + c.height) return q;
    }
    return -1;
}

void CMinigame3_5::OnSheetClick(CPoint point) {
    const int q = TermCardAt(point);
    if (q >= 0) model->PlaySoundFile(kQuestions[q].term, true);
}

void CMinigame3_5::OnPlayStart() {
    shell.SetProgress(2);
    questionSpoken = false;
}

void CMinigame3_5::OnInstructions() { model->PlaySoundFile("3_5_instructions.mp3", true); }

void CMinigame3_5::NextReceipt() {
    ++step;
    questionSpoken = false;
    hovered = nullptr;
    if (Finished()) shell.SetProgress(3);
}

Verdict CMinigame3_5::Judge(CPoint point) {
    const int r = order[step];
    if (rightAmounts[r]->HitTest(point)) {
        NextReceipt();
        return Verdict::Right;
    }
    if (!wrongAmounts[r]->HitTest(point)) return Verdict::None;
    flagged[step] = true;
    hovered = nullptr;
    return Verdict::WrongMovesOn;
}

bool CMinigame3_5::AnyMissed() const {
    for (bool f : flagged)
        if (f) return true;
    return false;
}

bool CMinigame3_5::OnPlayMove(CPoint point) {
    hovered = nullptr;
    if (Finished()) return false;
    const int r = order[step];
    if (rightAmounts[r]->HitTest(point)) hovered = rightAmounts[r];
    if (wrongAmounts[r]->HitTest(point)) hovered = wrongAmounts[r];
    return hovered != nullptr;
}

// The receipts in the order they came; a missed one shows the amount it asked for.
void CMinigame3_5::DrawReview(int width, int height) {
    std::vector<CClickableImage*> shown, answers;
    std::vector<bool> right;
    for (int k = 0; k < kReceiptCount; ++k) {
        shown.push_back(receipts[order[k]]);
        answers.push_back(rightAmounts[order[k]]);
        right.push_back(!flagged[k]);
    }
    GroceryBoard::Draw(shell, shown, right, answers, width, height);
}

void CMinigame3_5::DrawPlay(int width, int height) {
    if (Finished()) return;
    counterImage->FillScreen(width, height);
    const int r = order[step];
    receipts[r]->Draw();
    rightAmounts[r]->Draw();
    wrongAmounts[r]->Draw();
    questions[kReceipts[r].question]->Draw();
    if (hovered) {
        ovalImage->SetPosition(hovered->GetPosition().x, hovered->GetPosition().y);
        ovalImage->SetScale(amountScale * 1.15f);
        ovalImage->Draw();
    }
    if (!questionSpoken) {
        shell.Say(kQuestions[kReceipts[r].question].recording);
        questionSpoken = true;
    }
}
