#include "minigames/grocery/GroceryBoard.h"

#include <algorithm>

namespace GroceryBoard {

namespace {
constexpr int kPad = 8;
}

Cell CellOf(int i, int count, int width, int height) {
    const int columns = count == 5 ? 5 : std::max(1, std::min(count, 4));
    const int rows = std::max(1, (count + columns - 1) / columns);
    const int cellWidth = width / columns;
    const int cellHeight = std::max(1, (height - kBottomFree - kTop) / rows);
    const int left = (i % columns) * cellWidth, top = kTop + (i / columns) * cellHeight;
    // The mark's column on the right of the picture, inside the cell.
    Cell cell;
    cell.picture = CRect(left + kPad, top + kPad, left + cellWidth - kMarkSide - kPad / 2,
                         top + std::max(kMarkSide, static_cast<int>(cellHeight * kPictureShare)));
    cell.answer = CRect(left + kPad, cell.picture.bottom + kPad / 2, left + cellWidth - kPad, top + cellHeight - kPad);
    return cell;
}

CRect FitIn(int pictureWidth, int pictureHeight, const CRect& box) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return box;
    const double scale = std::min(box.Width() / double(pictureWidth), box.Height() / double(pictureHeight));
    const int w = static_cast<int>(pictureWidth * scale), h = static_cast<int>(pictureHeight * scale);
    // Against the top of its box, so that the mark beside it stays above the answer.
    const int left = box.left + (box.Width() - w) / 2;
    return CRect(left, box.top, left + w, box.top + h);
}

CPoint MarkBeside(const CRect& shown) { return CPoint(shown.right + kMarkSide / 2, shown.top + kMarkSide / 2); }

CRect AnswerUnder(const Cell& cell, const CRect& shown) {
    const int top = std::max(shown.bottom, shown.top + kMarkSide) + kPad / 2;
    return CRect(cell.answer.left, top, cell.answer.right, top + cell.answer.Height());
}

CRect DrawFitted(CClickableImage* picture, const CRect& box) {
    const CRect shown = FitIn(picture->GetWidth(), picture->GetHeight(), box);
    const CPoint was = picture->GetPosition();
    const float scale = picture->GetScale();
    if (picture->GetWidth() > 0) picture->SetScale(float(shown.Width() / double(picture->GetWidth())));
    picture->SetPosition((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2);
    picture->Draw();
    picture->SetPosition(was.x, was.y);
    picture->SetScale(scale);
    return shown;
}

void Draw(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const std::vector<bool>& right,
          const std::vector<CClickableImage*>& answers, int width, int height) {
    const int count = static_cast<int>(pictures.size());
    for (int i = 0; i < count; ++i) {
        if (pictures[i] == nullptr) continue;
        const Cell cell = CellOf(i, count, width, height);
        const CRect shown = DrawFitted(pictures[i], cell.picture);
        const bool got = i < int(right.size()) && right[i];
        if (!got && i < int(answers.size()) && answers[i] != nullptr) DrawFitted(answers[i], AnswerUnder(cell, shown));
        if (got) {
            shell.MarkRight(MarkBeside(shown));
        } else {
            shell.MarkMissed(MarkBeside(shown));
        }
    }
}

}  // namespace GroceryBoard
