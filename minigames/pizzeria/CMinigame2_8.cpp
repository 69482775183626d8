#include "minigames/pizzeria/CMinigame2_8.h"

#include "core/CModel.h"

CMinigame2_8::CMinigame2_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_8.png"), game(owner, minigameType, DeliveryGps::kFrench) {}

void CMinigame2_8::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_8::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_8::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_8::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_8::OnLButtonUp(CPoint point) {
    if (needsLoad || !game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
