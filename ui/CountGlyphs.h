#pragma once

// The counts a learner cares about (the score panel's balance, the trophy
// house's balance, a trophy's price) are drawn in the house type from one
// picture of glyphs, "count_glyphs.png": one row of cells, a glyph centred
// in its advance at the left of each cell. The picture generator draws the
// cells from this table and the game reads them by it.
namespace CountGlyphs {

constexpr const char kGlyphs[] = "0123456789x lingotsur";
constexpr int kCount = sizeof kGlyphs - 1;
constexpr int kCellWidth = 64;    // file pixels
constexpr int kCellHeight = 64;
constexpr int kCells = 32;        // the picture is kCells x kCellWidth wide
constexpr int kBaseline = 50;     // from the top of a cell
constexpr int kFontPixels = 52;   // DejaVu Sans Bold
// Each glyph's advance in file pixels, in the order of kGlyphs.
constexpr int kAdvance[kCount] = {36, 36, 36, 36, 36, 36, 36, 36, 36, 36,  // digits
                                  35, 18, 18, 18, 37, 37, 36, 26, 31,      // x, space, l i n g o t s
                                  37, 26};                                 // u r
static_assert(sizeof kAdvance / sizeof kAdvance[0] == kCount, "one advance per glyph");

// The cell of a character; -1 for one the picture lacks.
constexpr int CellOf(char c) {
    for (int i = 0; i < kCount; ++i) {
        if (kGlyphs[i] == c) return i;
    }
    return -1;
}

}  // namespace CountGlyphs
