#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/pizzeria/PricingForms.h"

class CMinigameShell;

// The pricing game's review: a card over the pad's empty second copy that
// lists the five price lines in their order, each with its mark: the tick
// for a line right to the cent, the cross for one missed, with its right
// amount under what the learner wrote.
namespace PricingReview {

// What the learner wrote on each line, and what it should have been.
struct Lines {
    bool filled[PricingForms::kPriceLineCount];
    long writtenCents[PricingForms::kPriceLineCount];
    long rightCents[PricingForms::kPriceLineCount];
    bool Right(int line) const { return filled[line] && writtenCents[line] == rightCents[line]; }
};

// An amount as the pad writes it.
std::string Amount(long cents);
// The centre of a line's mark, on a view of that size.
CPoint MarkAt(int width, int height, int line);
// What a line's row says: its label and what was written; then, for a
// miss, the right amount.
std::string Written(const Lines& lines, int line);
std::string Answer(const Lines& lines, int line);
void Draw(CMinigameShell& shell, int width, int height, const Lines& lines);

}  // namespace PricingReview
