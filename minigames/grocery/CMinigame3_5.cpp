#include "minigames/grocery/CMinigame3_5.h"

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

void CMinigame3_5::Load() {
    shell.Load(nullptr);
    for (int r = 0; r < kReceiptCount; ++r) {
        receipts.push_back(new CClickableImage(CString::Format("receipt%d.png", r + 1)));
        rightAmounts.push_back(new CClickableImage(kReceipts[r].right));
        wrongAmounts.push_back(new CClickableImage(kReceipts[r].wrong));
        rightOnTop[r] = GameRandom::Below(2) == 0;
        flagged[r] = false;
    }
    for (const QuestionInfo& q : kQuestions) {
        CClickableImage* caption = new CClickableImage(q.caption);
        caption->SetScale(2.0f);
        questions.push_back(caption);
    }
    counterImage = new CClickableImage("receipt.png");
    ovalImage = new CClickableImage("smallOval.png");
    hovered = nullptr;
    receipt = 0;
    questionSpoken = false;
    needsLoad = false;
}

void CMinigame3_5::Unload() {
    ReleaseAll(receipts);
    ReleaseAll(rightAmounts);
    ReleaseAll(wrongAmounts);
    ReleaseAll(questions);
    Release(counterImage);
    Release(ovalImage);
    hovered = nullptr;
    shell.Unload();
    needsLoad = true;
}

void CMinigame3_5::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame3_5::LoadButtonLocations(int width, int height) {
    const int x = static_cast<int>(width * (kAmountX / double(kReferenceWidth)));
    upperPlace = CPoint(x, static_cast<int>(height / 2.0 - height * kUpperShare));
    lowerPlace = CPoint(x, static_cast<int>(height / 2.0 + height * kLowerShare));
    const double sx = width / double(kReferenceWidth), sy = height / double(kReferenceHeight);
    if (!rightAmounts.empty() && rightAmounts[0]->GetWidth() > 0) {
        amountScale = float(kAmountWidth * sx / rightAmounts[0]->GetWidth());
    }
    for (int r = 0; r < kReceiptCount; ++r) {
        const CPoint right = rightOnTop[r] ? upperPlace : lowerPlace;
        const CPoint wrong = rightOnTop[r] ? lowerPlace : upperPlace;
        rightAmounts[r]->SetPosition(right.x, right.y);
        wrongAmounts[r]->SetPosition(wrong.x, wrong.y);
        rightAmounts[r]->SetScale(amountScale);
        wrongAmounts[r]->SetScale(amountScale);
        receipts[r]->SetPosition(int(kReceiptX * sx), int(kReceiptY * sy));
        if (receipts[r]->GetHeight() > 0) receipts[r]->SetScale(float(kReceiptHeight * sy / receipts[r]->GetHeight()));
    }
    for (CClickableImage* q : questions) q->SetPosition(x, int(kQuestionY * sy));
}

CPoint CMinigame3_5::GetRightAmount() const { return rightAmounts[receipt]->GetPosition(); }
CPoint CMinigame3_5::GetWrongAmount() const { return wrongAmounts[receipt]->GetPosition(); }

CPoint CMinigame3_5::GetTermCard(int question) const {
    const Card& c = kTermCards[question];
    return CPoint(int((c.x + c.width / 2.0) * viewWidth / kReferenceWidth),
                  int((c.y + c.height / 2.0) * viewHeight / kReferenceHeight));
}

void CMinigame3_5::ClickTerm(CPoint point) {
    for (int q = 0; q < kQuestionCount; ++q) {
        const Card& c = kTermCards[q];
        const double x = point.x * double(kReferenceWidth) / viewWidth;
        const double y = point.y * double(kReferenceHeight) / viewHeight;
        if (x > c.x && x < c.x + c.width && y > c.y && y < c.y + c.height) {
            model->PlaySoundFile(kQuestions[q].term, true);
        }
    }
}

void CMinigame3_5::NextReceipt() {
    ++receipt;
    questionSpoken = false;
    hovered = nullptr;
    if (receipt < kReceiptCount) return;
    shell.SetProgress(3);
    bool any = false;
    for (bool f : flagged) any = any || f;
    if (any) {
        shell.EnterReview();
    } else {
        shell.EnterResults(true);
    }
}

void CMinigame3_5::PlayGame(CPoint point) {
    if (receipt >= kReceiptCount) return;
    if (rightAmounts[receipt]->HitTest(point)) {
        shell.ScorePoint();
        NextReceipt();
    } else if (wrongAmounts[receipt]->HitTest(point)) {
        flagged[receipt] = true;
        shell.WrongAnswer(point);
        NextReceipt();
    }
}

void CMinigame3_5::OnLButtonDown(CPoint) {}

void CMinigame3_5::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) shell.SetProgress(2);
                shell.phase = PhasePlay;
                questionSpoken = false;
            } else {
                ClickTerm(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                model->PlaySoundFile("3_5_instructions.mp3", true);
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(true);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame3_5::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    hovered = nullptr;
    if (shell.OnMouseMove(point)) return;
    if (shell.phase == PhasePlay && receipt < kReceiptCount) {
        if (rightAmounts[receipt]->HitTest(point)) hovered = rightAmounts[receipt];
        if (wrongAmounts[receipt]->HitTest(point)) hovered = wrongAmounts[receipt];
    }
    model->SetCursor(hovered ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame3_5::DrawFeedbackAnimation(int width, int height) {
    GroceryBoard::DrawMissed(shell, receipts, flagged, width, height);
}

void CMinigame3_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            shell.playButton->Draw();
            break;
        case PhasePlay: {
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            if (receipt >= kReceiptCount) break;
            counterImage->FillScreen(width, height);
            receipts[receipt]->Draw();
            rightAmounts[receipt]->Draw();
            wrongAmounts[receipt]->Draw();
            questions[kReceipts[receipt].question]->Draw();
            if (hovered) {
                ovalImage->SetPosition(hovered->GetPosition().x, hovered->GetPosition().y);
                ovalImage->SetScale(amountScale * 1.15f);
                ovalImage->Draw();
            }
            if (!questionSpoken) {
                model->PlaySoundFile(kQuestions[kReceipts[receipt].question].recording, true);
                questionSpoken = true;
            }
            break;
        }
        case PhaseReview:
            DrawFeedbackAnimation(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
