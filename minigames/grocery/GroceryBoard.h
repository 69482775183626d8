#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CRect.h"
#include "minigames/CMinigameShell.h"
#include "ui/CClickableImage.h"

// The grocery's review board: the game's items in reading order (rows of
// four, five in one row), between the corner buttons and the legend. Each
// item's picture has its mark beside it, at its top right, and under it
// the place where a missed item shows its right answer.
namespace GroceryBoard {

constexpr int kTop = 160;          // below the corner buttons and the subtitles button
constexpr int kBottomFree = 90;    // the legend's line
constexpr int kMarkSide = 128;     // a mark at rest: 64 pixels at scale 2
constexpr double kPictureShare = 0.7;  // of a cell's height, the rest for the answer

struct Cell {
    CRect picture;  // the item's picture fits in it, centred at its top
    CRect answer;   // under it: a missed item's right answer
};

// Item i of count.
Cell CellOf(int i, int count, int width, int height);
// A picture of that size fitted into the box, centred across its top.
CRect FitIn(int pictureWidth, int pictureHeight, const CRect& box);
// Where the mark goes beside a picture shown there.
CPoint MarkBeside(const CRect& shown);
// The cell's answer box moved up under the picture shown and its mark.
CRect AnswerUnder(const Cell& cell, const CRect& shown);

// Draws the picture fitted into the box, its own place and scale put back;
// returns where it was drawn.
CRect DrawFitted(CClickableImage* picture, const CRect& box);

// The board: every picture in its cell, the tick beside the items right,
// the cross beside the others. answers[i] (may be null, or the list
// empty) is drawn under item i when it was missed.
void Draw(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const std::vector<bool>& right,
          const std::vector<CClickableImage*>& answers, int width, int height);

}  // namespace GroceryBoard
