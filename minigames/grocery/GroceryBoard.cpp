#include "minigames/grocery/GroceryBoard.h"

namespace GroceryBoard {

namespace {
constexpr double kRowShare = 0.38;  // of the view's height, at most, for one item
}

CPoint Place(int i, int width, int height) {
    const double x = width / 2.0 - ((i % 4) - 1.5) * width / 5.0;
    const double y = height / 2.0 - (i / 4) * 5.0 * height / 12.0 + 2.0 * height / 12.0;
    return CPoint(static_cast<int>(x), static_cast<int>(y));
}

void Draw(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const std::vector<bool>& right,
          int width, int height) {
    std::vector<CPoint> stamps;
    for (size_t i = 0; i < pictures.size(); ++i) {
        CClickableImage* picture = pictures[i];
        if (picture == nullptr) continue;
        const CPoint at = Place(static_cast<int>(i), width, height);
        const CPoint was = picture->GetPosition();
        const float scale = picture->GetScale();
        if (picture->GetWidth() > 0 && picture->GetHeight() > 0) {
            // A fifth of the view wide, unless that makes it taller than its row.
            const double wide = width / 5.0 / picture->GetWidth(), tall = kRowShare * height / picture->GetHeight();
            picture->SetScale(float(wide < tall ? wide : tall));
        }
        picture->SetPosition(at.x, at.y);
        picture->Draw();
        picture->SetPosition(was.x, was.y);
        picture->SetScale(scale);
        if (i < right.size() && right[i]) stamps.push_back(at);
    }
    shell.DrawMarks(stamps);
}

void DrawMissed(CMinigameShell& shell, const std::vector<CClickableImage*>& pictures, const bool* missed, int width,
                int height) {
    std::vector<bool> right;
    for (size_t i = 0; i < pictures.size(); ++i) right.push_back(!missed[i]);
    Draw(shell, pictures, right, width, height);
}

}  // namespace GroceryBoard
