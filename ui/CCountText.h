#pragma once
#include <string>

// Short counts in the house type, large enough to read: "x12", "2 lingots",
// "5 sur 7".
// Drawn from the glyph picture of CountGlyphs, tinted with a colour, at a
// chosen height. Characters the picture lacks are skipped.
class CCountText {
public:
    CCountText();
    ~CCountText();
    CCountText(const CCountText&) = delete;
    CCountText& operator=(const CCountText&) = delete;

    // Text with its left end at x and its baseline at y; the glyph cell is
    // cellHeight pixels high on screen. Colour as r, g, b, a.
    void Draw(const std::string& text, float x, float y, float cellHeight, float r, float g, float b,
              float a = 1.0f) const;
    // How wide the text is on screen at that height.
    static float Width(const std::string& text, float cellHeight);

private:
    unsigned texture = 0;
};
