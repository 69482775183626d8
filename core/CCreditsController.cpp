#include "core/CCreditsController.h"

#include "core/CModel.h"
#include "scenes/CCredits.h"

void CCreditsController::OnLButtonUp(CPoint point) {
    if (model->GetCredits()->HitTest(point) == CREDITSHIT_EXIT) model->SetGameState(GAMESTATE_TITLE);
}
