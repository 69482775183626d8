#include "minigames/pizzeria/CMinigame2_2.h"

#include "core/CModel.h"

CMinigame2_2::CMinigame2_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_2.png"), game(owner, minigameType, DeliveryGps::kEnglish) {}

void CMinigame2_2::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_2::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_2::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_2::OnLButtonUp(CPoint point) {
    if (needsLoad || !game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
