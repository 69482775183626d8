#include "minigames/dentist/CMinigame1_7.h"

#include "core/CModel.h"

CMinigame1_7::CMinigame1_7(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_7.png") {}

void CMinigame1_7::Load() {
    Unload();
    placeholder = new CMinigamePlaceholder(model);
    needsLoad = false;
}

void CMinigame1_7::Unload() {
    delete placeholder;
    placeholder = nullptr;
    needsLoad = true;
}

void CMinigame1_7::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    placeholder->Draw(width, height);
}

void CMinigame1_7::OnMouseMove(CPoint point) {
    if (!needsLoad) placeholder->OnMouseMove(point);
}

void CMinigame1_7::OnLButtonDown(CPoint) {}

void CMinigame1_7::OnLButtonUp(CPoint point) {
    if (needsLoad || !placeholder->OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
