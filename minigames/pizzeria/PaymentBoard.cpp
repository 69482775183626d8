#include "minigames/pizzeria/PaymentBoard.h"

#include "app/CString.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/ReviewCard.h"

using namespace PaymentTerminal;

namespace PaymentBoard {

namespace {

// Offsets from the view's centre: the card, its rows and its columns. A
// column holds the mark, then the answer right of it.
constexpr int kLeft = -350, kRight = 350, kTop = -170, kBottom = 150;
constexpr int kRowY[kPaymentCount] = {-55, 25, 105};
constexpr int kColumnX[kStepCount] = {-160, 20, 200};  // the mark's centre
constexpr int kAnswerDx = 38;                              // the answer, from the mark's centre
const char* const kRows[kPaymentCount] = {"Débit", "Crédit", "Carte cadeau"};
const char* const kColumns[kStepCount] = {"Type", "Montant", "Carte"};

}  // namespace

CPoint MarkAt(int width, int height, int payment, int step) {
    return CPoint(width / 2 + kColumnX[step], height / 2 + kRowY[payment]);
}

std::string Answer(int payment, int step, int amountCents) {
    switch (step) {
        case STEP_TYPE: return kPayments[payment].menuText;
        case STEP_AMOUNT: return CString::Format("$%d.%02d", amountCents / 100, amountCents % 100).str();
        default: return kPayments[payment].cardName;
    }
}

void Draw(CMinigameShell& shell, int width, int height, const Payments& payments) {
    const int cx = width / 2, cy = height / 2;
    CModel::FillDarkQuad(width, height);
    ReviewCard::Card(cx + kLeft, cy + kTop, cx + kRight, cy + kBottom);
    ReviewCard::Line(cx + kLeft + 20, cy + kTop + 26, "Les paiements, étape par étape");
    for (int s = 0; s < kStepCount; ++s) ReviewCard::Line(cx + kColumnX[s] - 24, cy + kTop + 62, kColumns[s]);
    for (int p = 0; p < kPaymentCount; ++p) {
        ReviewCard::Line(cx + kLeft + 20, cy + kRowY[p] + 5, kRows[p], ReviewCard::INK_PLAIN, true);
        for (int s = 0; s < kStepCount; ++s) {
            const CPoint mark = MarkAt(width, height, p, s);
            const bool right = payments.stepRight[p][s];
            ReviewCard::Line(mark.x + kAnswerDx, mark.y + 5, Answer(p, s, payments.amountCents[p]),
                             right ? ReviewCard::INK_PLAIN : ReviewCard::INK_ANSWER);
            if (right) {
                shell.MarkRight(mark);
            } else {
                shell.MarkMissed(mark);
            }
        }
    }
}

}  // namespace PaymentBoard
