#include "ui/CDropDownMenu.h"

#include <GL/freeglut.h>

#include "core/CModel.h"

namespace {
constexpr int kParked = -800;  // off screen until the owner places the box
constexpr int kBarInset = 4;   // the bars stay inside the panel's frame
}  // namespace

CDropDownMenu::CDropDownMenu(CModel* owner) : model(owner) { LoadBox("dropdownbox.png"); }

CDropDownMenu::~CDropDownMenu() { delete box; }

void CDropDownMenu::LoadBox(const char* fileName) {
    delete box;
    box = new CClickableImage(fileName);
    box->SetScale(2.0f);
    box->SetPosition(kParked, kParked);
    hovered = -1;
}

bool CDropDownMenu::Over(CPoint p) const {
    const CPoint centre = box->GetPosition();
    const int left = centre.x + kPanelLeft, top = centre.y + kPanelTop;
    return p.x >= left && p.x < left + PanelWidth() && p.y >= top && p.y < top + kPanelHeight;
}

// Rows are bands between the panel's rules; each entry's words lie in its band.
int CDropDownMenu::RowAt(CPoint p) const {
    if (!Over(p)) return -1;
    const int down = p.y - (box->GetPosition().y + kPanelTop);
    int row = down < kFirstRule ? 0 : (down - kFirstRule) / kRowHeight + 1;
    if (row > kLastRow) row = kLastRow;
    return row < static_cast<int>(items.size()) ? row : -1;
}

bool CDropDownMenu::HitTest(CPoint p) {
    const int row = RowAt(p);
    if (row < 0) return false;
    selected = row;
    return true;
}

CString CDropDownMenu::GetSelectedItem() const {
    if (selected < 0 || selected >= static_cast<int>(items.size())) return CString();
    return items[selected];
}

void CDropDownMenu::MakeItLong() {
    LoadBox("dropdownbox_long.png");
    longBox = true;
    selected = -1;
}

void CDropDownMenu::DrawBar(int row, float red, float green, float blue) {
    const CPoint centre = box->GetPosition();
    const float left = static_cast<float>(centre.x + kPanelLeft + kBarInset);
    const float top = static_cast<float>(centre.y + kPanelTop + kFirstRule - kRowHeight + kRowHeight * row + 1);
    glColor4f(red, green, blue, 1.0f);
    glRectf(left, top, left + static_cast<float>(PanelWidth() - 2 * kBarInset), top + kRowHeight - 2);
}

// The chosen entry in white on a dark bar; the one under the pointer on a
// pale bar, so the learner sees where a click would land and what is chosen.
void CDropDownMenu::Draw() {
    box->Draw();
    glDisable(GL_TEXTURE_2D);
    const CPoint centre = box->GetPosition();
    const int count = static_cast<int>(items.size());
    if (hovered >= 0 && hovered != selected && hovered < count) DrawBar(hovered, 0.72f, 0.82f, 0.94f);
    if (selected >= 0 && selected < count) DrawBar(selected, 0.14f, 0.28f, 0.42f);
    void* textFont = font != nullptr ? font : GLUT_BITMAP_9_BY_15;
    for (int i = 0; i < count; ++i) {
        if (i == selected) {
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        } else {
            glColor4f(0.12f, 0.14f, 0.18f, 1.0f);
        }
        const float y = static_cast<float>(centre.y + kRowHeight * i - 8);
        model->DrawText(static_cast<float>(centre.x + 35), y, textFont, items[i]);
    }
    glEnable(GL_TEXTURE_2D);
}
