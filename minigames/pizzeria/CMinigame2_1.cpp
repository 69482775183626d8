#include "minigames/pizzeria/CMinigame2_1.h"

#include "core/CModel.h"

namespace {

const OrderFormVersion kFrench = {
    {"stainless-steel.png", "pizzaOverlay.png", "minijeu2_1progress%d.png", "consigne2_1.png", "Intro2_1.mp3",
     CMinigame2_1::kMaximum},
    "Icon_Minigame2_1.png",
    {"Order1_FR.mp3", "Order2_FR.mp3", "Order3_FR.mp3", "Order4_FR.mp3"},
    1,
    3,
    false,
};

}  // namespace

CMinigame2_1::CMinigame2_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, kFrench.icon), game(owner, minigameType, kFrench) {}

void CMinigame2_1::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_1::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_1::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_1::OnLButtonUp(CPoint point) {
    if (needsLoad || game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
