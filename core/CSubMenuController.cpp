#include "core/CSubMenuController.h"

#include "core/CModel.h"
#include "scenes/CSubMenu.h"

void CSubMenuController::OnMouseMove(CPoint point) {
    const int hit = model->GetSubMenu()->HitTest(point);
    model->GetSubMenu()->SetHovered(hit);
    model->SetCursor(hit <= SUBMENUHIT_EXIT ? CURSOR_HAND : CURSOR_ARROW);
}

void CSubMenuController::OnLButtonUp(CPoint point) {
    CSubMenu* menu = model->GetSubMenu();
    if (menu->OnLButtonUp(point) == SUBMENUHIT_EXIT) {
        menu->Transition(SUBMENUHIT_EXIT);
    } else {
        menu->Transition(menu->HitTest(point));
    }
}
