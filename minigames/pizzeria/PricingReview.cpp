#include "minigames/pizzeria/PricingReview.h"

#include <cmath>

#include "app/CString.h"
#include "core/Formats.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/ReviewCard.h"

using namespace PricingForms;

namespace PricingReview {

namespace {

// Offsets from the view's centre: the card over the second copy, its rows.
constexpr int kLeft = 20, kRight = 330, kTop = -200;
constexpr int kFirstRow = 44, kRowStep = 66;
constexpr int kMarkDx = 36, kTextDx = 76;  // from the card's left edge

}  // namespace

long Lines::FromLinesAbove(int line) const {
    switch (line) {
        case LINE_SUBTOTAL: return Own(LINE_BASE) + Own(LINE_TOPPINGS);
        // Half a cent and up rounds up, as the HST's rule says.
        case LINE_HST:
            return static_cast<long>(std::floor(Own(LINE_SUBTOTAL) * PizzaOrderForm::kHstRate + 0.5 + 1e-6));
        case LINE_TOTAL: return Own(LINE_SUBTOTAL) + Own(LINE_HST);
        default: return rightCents[line];
    }
}

CPoint MarkAt(int width, int height, int line) {
    return CPoint(width / 2 + kLeft + kMarkDx, height / 2 + kTop + kFirstRow + kRowStep * line + kRowStep / 2);
}

std::string Written(const Lines& lines, int line) {
    return std::string(kPriceLines[line].label) + " " + (lines.filled[line] ? Formats::FrenchMoney(lines.writtenCents[line]) : "rien");
}

std::string Answer(const Lines& lines, int line) {
    if (lines.Carried(line)) return "juste d'après vos lignes";
    return lines.Right(line) ? std::string() : "bonne réponse : " + Formats::FrenchMoney(lines.rightCents[line]);
}

void Draw(CMinigameShell& shell, int width, int height, const Lines& lines) {
    const int cx = width / 2, cy = height / 2;
    ReviewCard::Card(cx + kLeft, cy + kTop, cx + kRight, cy + kTop + kFirstRow + kRowStep * kPriceLineCount);
    ReviewCard::Line(cx + kLeft + 16, cy + kTop + 28, "Les lignes du prix", ReviewCard::INK_PLAIN, true);
    for (int line = 0; line < kPriceLineCount; ++line) {
        const CPoint mark = MarkAt(width, height, line);
        const int x = cx + kLeft + kTextDx;
        ReviewCard::Line(x, mark.y - 4, Written(lines, line));
        if (lines.Right(line)) {
            ReviewCard::Line(x, mark.y + 16, Answer(lines, line));
            shell.MarkRight(mark);
        } else {
            ReviewCard::Line(x, mark.y + 16, Answer(lines, line), ReviewCard::INK_ANSWER);
            shell.MarkMissed(mark);
        }
    }
}

}  // namespace PricingReview
