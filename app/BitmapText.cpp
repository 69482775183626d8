#include "app/BitmapText.h"

#include <GL/freeglut.h>

namespace BitmapText {

namespace {

int Advance(void* font, unsigned char glyph) { return glutBitmapWidth(font, glyph); }

// How far the second letter of a ligature moves back onto the first.
int Overlap(void* font, unsigned char first) { return (Advance(font, first) + 2) / 4; }

}  // namespace

std::vector<Placed> LayOut(void* font, const std::string& text) {
    std::vector<Placed> glyphs;
    glyphs.reserve(text.size() + 2);
    int x = 0;
    auto ligature = [&](unsigned char first, unsigned char second) {
        glyphs.push_back({first, x, 0});
        x += Advance(font, first) - Overlap(font, first);
        glyphs.push_back({second, x, 0});
        x += Advance(font, second);
    };
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case 0x9C: ligature('o', 'e'); break;
            case 0x8C: ligature('O', 'E'); break;
            case 0x9F: {
                // The diaeresis glyph sits at a small letter's height: a
                // capital's is higher by about a sixth of the line.
                const int width = Advance(font, 'Y');
                glyphs.push_back({'Y', x, 0});
                glyphs.push_back({0xA8, x + (width - Advance(font, 0xA8)) / 2, -(glutBitmapHeight(font) + 3) / 6});
                x += width;
                break;
            }
            default:
                glyphs.push_back({c, x, 0});
                x += Advance(font, c);
                break;
        }
    }
    return glyphs;
}

int Width(void* font, const std::string& text) {
    const std::vector<Placed> glyphs = LayOut(font, text);
    if (glyphs.empty()) return 0;
    int width = 0;
    for (const Placed& p : glyphs) {
        const int end = p.x + Advance(font, p.glyph);
        if (end > width) width = end;
    }
    return width;
}

void Draw(void* font, float x, float y, const std::string& text) {
    glRasterPos2f(x, y);
    // Each glyph moves the raster on by its width: a new position only
    // where a glyph does not start where the one before left it.
    int next = 0, nextY = 0;
    for (const Placed& p : LayOut(font, text)) {
        if (p.x != next || p.y != nextY) glRasterPos2f(x + static_cast<float>(p.x), y + static_cast<float>(p.y));
        glutBitmapCharacter(font, p.glyph);
        next = p.x + Advance(font, p.glyph);
        nextY = p.y;
    }
}

}  // namespace BitmapText
