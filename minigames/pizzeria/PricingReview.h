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

// What the learner wrote on each line, and what it should have been. A sum
// is judged as a teacher marks it: right when it is the pad's own amount,
// or when it is worked out right from the learner's lines above it, so an
// error carried forward costs one point, where it was made.
struct Lines {
    bool filled[PricingForms::kPriceLineCount];
    long writtenCents[PricingForms::kPriceLineCount];
    long rightCents[PricingForms::kPriceLineCount];
    bool Right(int line) const {
        return filled[line] && (writtenCents[line] == rightCents[line] || writtenCents[line] == FromLinesAbove(line));
    }
    // Right only from the learner's own lines above it.
    bool Carried(int line) const { return Right(line) && writtenCents[line] != rightCents[line]; }
    // What a line comes to from the lines above it as the learner wrote
    // them (an empty one as it should be); a chosen line, its right amount.
    long FromLinesAbove(int line) const;

private:
    long Own(int line) const { return filled[line] ? writtenCents[line] : rightCents[line]; }
};

// The centre of a line's mark, on a view of that size.
CPoint MarkAt(int width, int height, int line);
// What a line's row says: its label and what was written; then, for a
// miss, the right amount, and for a sum right from wrong lines above, so.
std::string Written(const Lines& lines, int line);
std::string Answer(const Lines& lines, int line);
void Draw(CMinigameShell& shell, int width, int height, const Lines& lines);

}  // namespace PricingReview
