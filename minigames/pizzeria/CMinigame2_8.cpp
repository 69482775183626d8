#include "minigames/pizzeria/CMinigame2_8.h"

#include "core/CModel.h"

CMinigame2_8::CMinigame2_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_8.png") {}

void CMinigame2_8::Load() {
    Unload();
    placeholder = new CMinigamePlaceholder(model);
    needsLoad = false;
}

void CMinigame2_8::Unload() {
    delete placeholder;
    placeholder = nullptr;
    needsLoad = true;
}

void CMinigame2_8::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    placeholder->Draw(width, height);
}

void CMinigame2_8::OnMouseMove(CPoint point) {
    if (!needsLoad) placeholder->OnMouseMove(point);
}

void CMinigame2_8::OnLButtonDown(CPoint) {}

void CMinigame2_8::OnLButtonUp(CPoint point) {
    if (needsLoad || !placeholder->OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
