#pragma once

#include "minigames/pizzeria/PizzaOrderForm.h"

// The pricing game's four filled-in order pads and its five price lines.
// Each pad is one pizza of the order pad's first copy; its right amounts
// are worked out by the pad's own price rule (PizzaPrice), never written
// here, and the pictures of the pads are drawn from this same table.
namespace PricingForms {

constexpr int kFormCount = 4;
constexpr int kMostToppings = 8;
struct Form {
    const char* picture;
    const char* customer;
    int sizeLine;                   // a size line of the first copy
    int toppings[kMostToppings];    // topping lines, -1 after the last
};
constexpr Form kForms[kFormCount] = {
    {"pizzaOrderForm0.png", "Julie", 3, {7, 10, 14, 15, 21, -1, -1, -1}},
    {"pizzaOrderForm1.png", "Marc", 2, {7, 10, 11, 23, -1, -1, -1, -1}},
    {"pizzaOrderForm2.png", "Sophie", 4, {7, 10, 13, 18, 19, 20, 25, -1}},
    {"pizzaOrderForm3.png", "Karim", 3, {7, 8, 9, 12, 16, 24, 26, 27}},
};

enum PriceLine { LINE_BASE = 0, LINE_TOPPINGS, LINE_SUBTOTAL, LINE_HST, LINE_TOTAL, kPriceLineCount };
struct PriceLineInfo {
    const char* label;   // written before the amount (UTF-8)
    bool typed;          // typed in the value dialog rather than chosen
    const char* help;    // the rule, spoken
    const char* spoken;  // UTF-8
};
constexpr PriceLineInfo kPriceLines[kPriceLineCount] = {
    {"Prix de base\u00A0:", false, "prixdelapizzasansgarnitures.mp3",
     "Le prix de base : le prix de la pizza sans garnitures. Il dépend de la taille encerclée."},
    {"Garnitures\u00A0:", false, "lenombredegarnituresmoins3foisundollar.mp3",
     "Les garnitures : trois sont incluses. Comptez les garnitures cochées, enlevez trois, et multipliez par "
     "un dollar."},
    {"Sous-total\u00A0:", true, "prixdebaseplusprixdesgarnitures.mp3",
     "Le sous-total : le prix de base plus le prix des garnitures."},
    {"TVH\u00A0:", true, "soustotalfois0point13.mp3",
     "La TVH : le sous-total fois zéro virgule treize. Arrondissez au cent près."},
    {"Total\u00A0:", true, "soustotalplustaxtvh.mp3", "Le total : le sous-total plus la TVH."},
};
// The toppings' own help: what a topping is.
constexpr const char* kToppingHelp = "garniture.mp3";
constexpr const char* kToppingHelpSpoken =
    "Une garniture : ce qu'on met sur la pizza, comme le fromage, le pepperoni ou les champignons. Chaque "
    "garniture cochée compte.";

// The amounts offered for the chosen lines.
constexpr int kBaseChoices = PizzaOrderForm::kSizeCount;  // the three sizes' prices
constexpr int kToppingChoices = 5;                          // 1,00 $ to 5,00 $

// A price line lies on the first copy's price block; it answers a click
// within 100 pixels across and 9 down of its middle.
constexpr int kLineMiddleDx = 90;  // from the block's left edge
constexpr int kLineMiddleDy = -5;  // from the line's baseline
constexpr int kAmountDx = 110;     // where the amount is written, from the block's left edge
constexpr int kReachX = 100, kReachY = 9;

}  // namespace PricingForms
