#include "core/CTitleController.h"

#include "app/CLoginDialog.h"
#include "app/CZelkApp.h"
#include "core/CModel.h"
#include "scenes/CTitle.h"

void CTitleController::OnMouseMove(CPoint point) {
    CTitle* title = model->GetTitle();
    if (title == nullptr) return;
    const TitleHit hit = title->HitTest(point);
    title->SetSelected(hit == TITLEHIT_LOGIN || hit == TITLEHIT_CREDITS || hit == TITLEHIT_EXIT
                           ? hit
                           : TITLEHIT_NONE);
}

void CTitleController::OnLButtonUp(CPoint point) {
    switch (model->GetTitle()->HitTest(point)) {
        case TITLEHIT_LOGIN: Login(); break;
        case TITLEHIT_CREDITS: model->SetGameState(GAMESTATE_CREDITS); break;
        case TITLEHIT_EXIT: CZelkApp::PostClose(); break;
        default: break;
    }
}

void CTitleController::Login() {
    CLoginDialog dialog(model);
    if (dialog.DoModal() == CLoginDialog::IDOK) model->SetGameState(GAMESTATE_MAINMENU);
}
