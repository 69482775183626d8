#include "minigames/grocery/CMinigame3_1.h"

#include "core/CModel.h"

CMinigame3_1::CMinigame3_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_1.png") {}

void CMinigame3_1::Load() {
    Unload();
    placeholder = new CMinigamePlaceholder(model);
    needsLoad = false;
}

void CMinigame3_1::Unload() {
    delete placeholder;
    placeholder = nullptr;
    needsLoad = true;
}

void CMinigame3_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    placeholder->Draw(width, height);
}

void CMinigame3_1::OnMouseMove(CPoint point) {
    if (!needsLoad) placeholder->OnMouseMove(point);
}

void CMinigame3_1::OnLButtonDown(CPoint) {}

void CMinigame3_1::OnLButtonUp(CPoint point) {
    if (needsLoad || !placeholder->OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
