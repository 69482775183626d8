#include "ui/CDropDownMenu.h"

#include <GL/freeglut.h>

#include <cmath>

#include "core/CModel.h"

namespace {
constexpr int kParked = -800;  // off screen until the owner places the box
}

CDropDownMenu::CDropDownMenu(CModel* owner) : model(owner) { LoadBox("dropdownbox.png"); }

CDropDownMenu::~CDropDownMenu() { delete box; }

void CDropDownMenu::LoadBox(const char* fileName) {
    delete box;
    box = new CClickableImage(fileName);
    box->SetScale(2.0f);
    box->SetPosition(kParked, kParked);
}

void CDropDownMenu::HitTest(CPoint p) {
    if (!box->HitTest(p)) return;
    const CPoint centre = box->GetPosition();
    if (p.y > centre.y) {
        selected = static_cast<int>(std::fabs(p.y - centre.y + 25.0) / double(kRowHeight));
    }
    // A click on the upper half picks the first row only when none is chosen.
    if (selected > kLastRow) selected = kLastRow;
    if (selected < 0) selected = 0;
}

CString CDropDownMenu::GetSelectedItem() const {
    if (selected < 0 || selected >= static_cast<int>(items.size())) return CString();
    return items[selected];
}

void CDropDownMenu::MakeItLong() {
    LoadBox("dropdownbox_long.png");
    selected = -1;
}

void CDropDownMenu::Draw() {
    box->Draw();
    glDisable(GL_TEXTURE_2D);
    const CPoint centre = box->GetPosition();
    if (selectionBarWidth > 0 && selected >= 0 && selected < static_cast<int>(items.size())) {
        // The row's slot on the panel, from its left edge.
        const float left = static_cast<float>(centre.x + 24);
        const float top = static_cast<float>(centre.y + kRowHeight * selected - 27);
        glColor4f(0.14f, 0.28f, 0.42f, 1.0f);
        glRectf(left, top, left + static_cast<float>(selectionBarWidth), top + kRowHeight - 2);
    }
    void* textFont = font != nullptr ? font : GLUT_BITMAP_9_BY_15;
    for (size_t i = 0; i < items.size(); ++i) {
        if (static_cast<int>(i) == selected) {
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        } else {
            glColor4f(0.4f, 0.4f, 0.4f, 1.0f);
        }
        const float y = static_cast<float>(centre.y + kRowHeight * static_cast<int>(i) - 8);
        model->DrawText(static_cast<float>(centre.x + 35), y, textFont, items[i]);
    }
    glEnable(GL_TEXTURE_2D);
}
