#pragma once
#include "app/CPoint.h"

// Which line of the order pad a click marks.
namespace OrderPadLines {

// The one line a click marks, from the lines' screen positions: of the
// lines within reach (PizzaOrderForm's kNear*), the nearest up and down,
// then across; -1 for none. So a click never marks two lines at once.
int LineAt(CPoint click, const CPoint* linePos);

}  // namespace OrderPadLines
