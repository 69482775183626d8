#include "minigames/pizzeria/PizzaPrice.h"

#include <cmath>

#include "minigames/pizzeria/PizzaOrderForm.h"

using namespace PizzaOrderForm;

PizzaPrice PizzaPrice::Of(int size, int toppingCount) {
    PizzaPrice price;
    if (size >= 1 && size <= kSizeCount) price.base = kSizes[size - 1].price;
    if (toppingCount > kIncludedToppings) price.toppings = (toppingCount - kIncludedToppings) * kExtraToppingPrice;
    price.subtotal = price.base + price.toppings;
    price.hst = price.subtotal * kHstRate;
    price.total = price.subtotal + price.hst;
    return price;
}

PizzaPrice PizzaPrice::OfPad(const bool* lineMarked, int pizza) {
    const int first = pizza * kPizzaStride;
    int size = 0;
    for (int s = kSizeCount; s >= 1; --s) {
        if (lineMarked[first + kFirstSize + s - 1]) size = s;  // the smallest marked wins, as tested in order
    }
    int toppings = 0;
    for (int line = kFirstTopping; line <= kLastTopping; ++line) toppings += lineMarked[first + line] ? 1 : 0;
    return Of(size, toppings);
}

long PizzaPrice::Cents(double amount) { return std::lround(amount * 100.0); }
