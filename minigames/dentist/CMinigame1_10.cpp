#include "minigames/dentist/CMinigame1_10.h"

#include "core/CModel.h"

CMinigame1_10::CMinigame1_10(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_10.png") {}

void CMinigame1_10::Load() {
    Unload();
    placeholder = new CMinigamePlaceholder(model);
    needsLoad = false;
}

void CMinigame1_10::Unload() {
    delete placeholder;
    placeholder = nullptr;
    needsLoad = true;
}

void CMinigame1_10::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    placeholder->Draw(width, height);
}

void CMinigame1_10::OnMouseMove(CPoint point) {
    if (!needsLoad) placeholder->OnMouseMove(point);
}

void CMinigame1_10::OnLButtonDown(CPoint) {}

void CMinigame1_10::OnLButtonUp(CPoint point) {
    if (needsLoad || !placeholder->OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
