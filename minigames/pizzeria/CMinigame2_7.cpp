#include "minigames/pizzeria/CMinigame2_7.h"

#include "core/CModel.h"

CMinigame2_7::CMinigame2_7(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_7.png"), game(owner, minigameType, Signs::kInfoDeck) {}

void CMinigame2_7::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_7::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_7::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_7::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_7::OnLButtonUp(CPoint point) {
    if (needsLoad || !game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
