#include "minigames/pizzeria/CMinigame2_3.h"

#include "core/CModel.h"

CMinigame2_3::CMinigame2_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_3.png"), game(owner, minigameType, Signs::kRoadDeck) {}

void CMinigame2_3::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_3::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_3::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_3::OnLButtonUp(CPoint point) {
    if (needsLoad || !game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
