#pragma once

// What a pizza of the order pad costs, from the lines marked on it: the
// base price of its size, a dollar for each topping beyond the three that
// are included, the subtotal, the HST at 13 % and the total. The order form
// prices itself with it and the pricing game judges the learner's amounts
// against it, so both follow one rule.
struct PizzaPrice {
    double base = 0.0;
    double toppings = 0.0;
    double subtotal = 0.0;
    double hst = 0.0;
    double total = 0.0;

    // size 1..3, 0 for none; toppingCount marked toppings.
    static PizzaPrice Of(int size, int toppingCount);
    // The pizza (0 or 1) of a pad, from its 58 line marks.
    static PizzaPrice OfPad(const bool* lineMarked, int pizza);
    // To the cent, as the pad prints it.
    static long Cents(double amount);
};
