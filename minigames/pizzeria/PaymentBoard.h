#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/pizzeria/PaymentTerminal.h"

class CMinigameShell;

// The card terminal's review: a board of the three payments (a row each,
// in their order) and their three steps (a column each). Beside every step
// its mark, and the step's right answer: the type, the amount, the card.
namespace PaymentBoard {

// What each payment was and how its steps went.
struct Payments {
    int amountCents[PaymentTerminal::kPaymentCount];
    bool stepRight[PaymentTerminal::kPaymentCount][PaymentTerminal::kStepCount];
};

// The centre of a step's mark, on a view of that size.
CPoint MarkAt(int width, int height, int payment, int step);
// A step's right answer, as the board writes it (UTF-8).
std::string Answer(int payment, int step, int amountCents);
// The darkened screen and the board on it, marked.
void Draw(CMinigameShell& shell, int width, int height, const Payments& payments);

}  // namespace PaymentBoard
