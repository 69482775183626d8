#include "minigames/pizzeria/CMinigame2_4.h"

#include "core/CModel.h"

CMinigame2_4::CMinigame2_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_4.png") {}

void CMinigame2_4::Load() {
    Unload();
    placeholder = new CMinigamePlaceholder(model);
    needsLoad = false;
}

void CMinigame2_4::Unload() {
    delete placeholder;
    placeholder = nullptr;
    needsLoad = true;
}

void CMinigame2_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    placeholder->Draw(width, height);
}

void CMinigame2_4::OnMouseMove(CPoint point) {
    if (!needsLoad) placeholder->OnMouseMove(point);
}

void CMinigame2_4::OnLButtonDown(CPoint) {}

void CMinigame2_4::OnLButtonUp(CPoint point) {
    if (needsLoad || !placeholder->OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
