#include "minigames/dentist/CMinigame1_6.h"

#include "core/CModel.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", Greetings::kFrench.overlay, "minijeu1_6progress%d.png",
    "consigne1_6.png",         "Intro1_6.mp3",          CGreetingCards::kMaximum,
    Greetings::kSubtitlesBesideCards,
};

}  // namespace

CMinigame1_6::CMinigame1_6(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_6.png"),
      cards(owner, minigameType, kSheet, Greetings::kFrench, false) {}

void CMinigame1_6::Load() {
    cards.Load();
    needsLoad = false;
}

void CMinigame1_6::Unload() {
    cards.Unload();
    needsLoad = true;
}

void CMinigame1_6::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    cards.Draw(width, height);
}

void CMinigame1_6::OnMouseMove(CPoint point) {
    model->SetCursor(CURSOR_ARROW);
    if (!needsLoad) cards.OnMouseMove(point);
}

void CMinigame1_6::OnLButtonUp(CPoint point) {
    if (needsLoad || cards.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
