#pragma once

// Where the receipt game puts things, on the 1362 x 726 reference layout
// (x * W / 1362, y * H / 726 on the view). The sheet's term cards are drawn
// from the same numbers.
namespace ReceiptLayout {

constexpr int kReferenceWidth = 1362;
constexpr int kReferenceHeight = 726;

constexpr int kReceiptX = 470, kReceiptY = 414;  // the receipt's centre
constexpr int kReceiptHeight = 600;              // its printed length on the layout
constexpr int kAmountX = 940;                    // both amounts' centre line
constexpr int kAmountWidth = 330;
constexpr int kQuestionY = 363;                  // the question between the two amounts

// The sheet's three term cards, which speak what total, cash and change mean.
struct Card {
    int x, y, width, height;
};
constexpr Card kTermCards[3] = {{381, 560, 280, 90}, {681, 560, 280, 90}, {981, 560, 280, 90}};
constexpr const char* kTermWords[3] = {"TOTAL", "COMPTANT", "MONNAIE"};

}  // namespace ReceiptLayout
