#pragma once
#include <string>

// What the pizzeria's review boards are drawn with: a cream card on a dark
// rim, and lines of text on it in the ink of what they say.
namespace ReviewCard {

enum Ink { INK_PLAIN, INK_ANSWER };  // dark; the red of a right answer shown for a miss

// The card, its edges in screen pixels.
void Card(int left, int top, int right, int bottom);
// A line of UTF-8 text, its baseline at y.
void Line(int x, int y, const std::string& utf8, Ink ink = INK_PLAIN, bool big = false);

}  // namespace ReviewCard
