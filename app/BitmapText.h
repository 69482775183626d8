#pragma once
#include <string>
#include <vector>

// Text in the GLUT bitmap fonts, in the game's 8-bit encoding (app/Latin1.h).
// The fonts hold Latin-1's glyphs only: œ and Œ are drawn as o and e (O and
// E) set close, Ÿ as Y with the diaeresis over it.
namespace BitmapText {

// One glyph of a text: where it goes from the text's start, in pixels (y
// upwards is negative, as the view's y grows downwards).
struct Placed {
    unsigned char glyph;
    int x, y;
};

// The glyphs that draw a text, in order.
std::vector<Placed> LayOut(void* font, const std::string& text);
// How far the text reaches.
int Width(void* font, const std::string& text);
// Draws the text with its baseline starting at (x, y).
void Draw(void* font, float x, float y, const std::string& text);

}  // namespace BitmapText
