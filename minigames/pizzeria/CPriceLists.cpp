#include "minigames/pizzeria/CPriceLists.h"

#include "app/CString.h"
#include "minigames/MinigameParts.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "minigames/pizzeria/PricingForms.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

namespace {
const CPoint kParked(-800, -800);
}

void CPriceLists::Make(CModel* model) {
    Free();
    for (CDropDownMenu*& list : lists) list = new CDropDownMenu(model);
    for (const Size& size : kSizes) lists[LINE_BASE]->AddItem(CString::Format("$%.02f", size.price));
    for (int n = 1; n <= kToppingChoices; ++n) {
        lists[LINE_TOPPINGS]->AddItem(CString::Format("$%.02f", n * kExtraToppingPrice));
    }
}

void CPriceLists::Free() {
    for (CDropDownMenu*& list : lists) Release(list);
    openLine = -1;
}

void CPriceLists::Open(int line, CPoint at) {
    lists[line]->SetPosition(at);
    openLine = line;
}

void CPriceLists::Close() {
    for (CDropDownMenu* list : lists)
        if (list) list->SetPosition(kParked);
    openLine = -1;
}

bool CPriceLists::Over(CPoint p) const {
    if (openLine < 0) return false;
    const CPoint at = lists[openLine]->GetPosition();
    return p.x >= at.x + kNameListFrom.dx && p.x <= at.x + kNameListTo.dx && p.y >= at.y + kNameListFrom.dy &&
           p.y <= at.y + kNameListTo.dy;
}

long CPriceLists::Choose(CPoint click) {
    CDropDownMenu* list = lists[openLine];
    list->HitTest(click);
    const int row = list->GetSelectedIndex();
    long cents = -1;
    if (row >= 0 && !list->GetSelectedItem().IsEmpty()) {
        cents = openLine == LINE_BASE ? PizzaPrice::Cents(kSizes[row].price)
                                      : PizzaPrice::Cents((row + 1) * kExtraToppingPrice);
    }
    Close();
    return cents;
}

void CPriceLists::Hover(CPoint p) {
    if (Over(p)) lists[openLine]->HitTest(p);
}

void CPriceLists::Draw() {
    if (openLine >= 0) lists[openLine]->Draw();
}
