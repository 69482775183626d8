#include "minigames/pizzeria/OrderPadLines.h"

#include <cstdlib>

#include "minigames/pizzeria/PizzaOrderForm.h"

using namespace PizzaOrderForm;

namespace OrderPadLines {

int LineAt(CPoint click, const CPoint* linePos) {
    int nearest = -1, nearestDy = 0, nearestDx = 0;
    for (int line = 0; line < kLineCount; ++line) {
        if (!IsMarkLine(line)) continue;
        const int dx = std::abs(click.x - linePos[line].x), dy = std::abs(click.y - linePos[line].y);
        if (dy >= kNearY || dx >= (IsSizeLine(line) ? kNearLongX : kNearX)) continue;
        // A tie (a click exactly between two lines) goes to the first in the pad's order.
        if (nearest < 0 || dy < nearestDy || (dy == nearestDy && dx < nearestDx)) {
            nearest = line;
            nearestDy = dy;
            nearestDx = dx;
        }
    }
    return nearest;
}

}  // namespace OrderPadLines
