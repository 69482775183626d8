#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CMinigameShell.h"
#include "ui/CClickableImage.h"

// The grocery's result board: the goods of the game in rows of four, each
// a fifth of the view wide (or as tall as a row allows), the stamp falling onto every one answered right.
namespace GroceryBoard {

// Where item i of the board lies: rows of four from the right, the first
// row below the middle of the view.
CPoint Place(int i, int width, int height);

// One frame of the board. pictures[i] is item i's picture (drawn at its
// place, then put back where it was); right[i] tells whether it earns a stamp.
void Draw(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const std::vector<bool>& right,
          int width, int height);
// The same from the games' wrong-answer flags: missed[i] set means no stamp.
void DrawMissed(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const bool* missed, int width,
                int height);

}  // namespace GroceryBoard
