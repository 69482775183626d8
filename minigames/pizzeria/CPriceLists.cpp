#include "minigames/pizzeria/CPriceLists.h"

#include "app/CString.h"
#include "app/Latin1.h"
#include "core/Formats.h"
#include "minigames/MinigameParts.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "minigames/pizzeria/PricingForms.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

namespace {
const CPoint kParked(-800, -800);
CString Offered(double dollars) {
    return CString(Latin1FromUtf8(Formats::FrenchMoney(PizzaPrice::Cents(dollars))).c_str());
}
}  // namespace

void CPriceLists::Make(CModel* model) {
    Free();
    for (CDropDownMenu*& list : lists) list = new CDropDownMenu(model);
    // The amounts as the pad prints them.
    for (const Size& size : kSizes) lists[LINE_BASE]->AddItem(Offered(size.price));
    for (int n = 1; n <= kToppingChoices; ++n) lists[LINE_TOPPINGS]->AddItem(Offered(n * kExtraToppingPrice));
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

bool CPriceLists::Over(CPoint p) const { return openLine >= 0 && lists[openLine]->Over(p); }

long CPriceLists::Choose(CPoint click) {
    CDropDownMenu* list = lists[openLine];
    long cents = -1;
    if (list->HitTest(click)) {
        const int row = list->GetSelectedIndex();
        cents = openLine == LINE_BASE ? PizzaPrice::Cents(kSizes[row].price)
                                      : PizzaPrice::Cents((row + 1) * kExtraToppingPrice);
    }
    Close();
    return cents;
}

void CPriceLists::Hover(CPoint p) {
    if (openLine >= 0) lists[openLine]->Hover(p);
}

void CPriceLists::Draw() {
    if (openLine >= 0) lists[openLine]->Draw();
}
