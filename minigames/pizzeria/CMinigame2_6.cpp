#include "minigames/pizzeria/CMinigame2_6.h"

#include "core/CModel.h"

namespace {

const OrderFormVersion kEnglish = {
    {"stainless-steel.png", "pizzaOverlay.png", "minijeu2_1progress%d.png", "consigne2_6.png", "Intro2_6.mp3",
     CMinigame2_6::kMaximum},
    "Icon_Minigame2_6.png",
    {"Order1_EN.mp3", "Order2_EN.mp3", "Order3_EN.mp3", "Order4_EN.mp3"},
    2,
    3,
    true,
};

}  // namespace

CMinigame2_6::CMinigame2_6(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, kEnglish.icon), game(owner, minigameType, kEnglish) {}

void CMinigame2_6::Load() {
    game.Load();
    needsLoad = false;
}

void CMinigame2_6::Unload() {
    game.Unload();
    needsLoad = true;
}

void CMinigame2_6::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    game.Draw(width, height);
}

void CMinigame2_6::OnMouseMove(CPoint point) {
    if (!needsLoad) game.OnMouseMove(point);
}

void CMinigame2_6::OnLButtonUp(CPoint point) {
    if (needsLoad || game.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
