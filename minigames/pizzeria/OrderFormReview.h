#pragma once
#include <string>
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/pizzeria/PizzaOrderForm.h"

class CModel;
class CMinigameShell;

// The order form's review: what the pad was judged on, item by item, and
// the board that shows it beside the pad. The items are the customer's
// name and each point of the order, then, per pizza, the lines marked that
// the order did not ask for (each took a point back). A row a item, in the
// pad's reading order: the name and the first pizza left of the pad, the
// second pizza right of it. A tick beside an item got right; a cross beside
// one missed, whose right answer the row gives and the pad shows in green.
namespace OrderFormReview {

struct Item {
    int line;          // its first line on the pad
    bool right;
    std::string text;  // the right answer (Latin-1)
};

bool IsPointLine(const PizzaOrderForm::Order& order, int line);
// A line marked that the order did not ask for takes a point back, on
// every line that can be marked (PizzaOrderForm::IsMarkLine).
bool IsChargedExtra(const PizzaOrderForm::Order& order, int line);
bool PointMet(const PizzaOrderForm::Point& point, const bool* marked);

std::vector<Item> Items(const PizzaOrderForm::Order& order, const bool* marked, const CString& name);

// Where each item's mark and row stand, in the items' order.
struct Row {
    CPoint mark;
    int textLeft, textRight;
};
std::vector<Row> Layout(const std::vector<Item>& items, int width, int height);

// The board, and the missed lines' right answers written on the pad.
void Draw(CMinigameShell& shell, CModel* model, const PizzaOrderForm::Order& order, const bool* marked,
          const CString& name, const CPoint* linePos, int width, int height);

}  // namespace OrderFormReview
