#include "minigames/pizzeria/PricingReview.h"

#include "app/CString.h"
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

std::string Amount(long cents) { return CString::Format("$%ld.%02ld", cents / 100, cents % 100).str(); }

CPoint MarkAt(int width, int height, int line) {
    return CPoint(width / 2 + kLeft + kMarkDx, height / 2 + kTop + kFirstRow + kRowStep * line + kRowStep / 2);
}

std::string Written(const Lines& lines, int line) {
    return std::string(kPriceLines[line].label) + " " + (lines.filled[line] ? Amount(lines.writtenCents[line]) : "rien");
}

std::string Answer(const Lines& lines, int line) {
    return lines.Right(line) ? std::string() : "bonne réponse : " + Amount(lines.rightCents[line]);
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
            shell.MarkRight(mark);
        } else {
            ReviewCard::Line(x, mark.y + 16, Answer(lines, line), ReviewCard::INK_ANSWER);
            shell.MarkMissed(mark);
        }
    }
}

}  // namespace PricingReview
