#include "minigames/dentist/CMinigame1_9.h"

#include "core/CModel.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", Greetings::kEnglish.overlay, "minijeu1_6progress%d.png",
    "consigne1_9.png",         "Intro1_9.mp3",          CGreetingCards::kMaximum,
    Greetings::kSubtitlesBesideCards,
};

}  // namespace

CMinigame1_9::CMinigame1_9(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_9.png"),
      cards(owner, minigameType, kSheet, Greetings::kEnglish, true) {}

void CMinigame1_9::Load() {
    cards.Load();
    needsLoad = false;
}

void CMinigame1_9::Unload() {
    cards.Unload();
    needsLoad = true;
}

void CMinigame1_9::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    cards.Draw(width, height);
}

void CMinigame1_9::OnMouseMove(CPoint point) {
    model->SetCursor(CURSOR_ARROW);
    if (!needsLoad) cards.OnMouseMove(point);
}

void CMinigame1_9::OnLButtonUp(CPoint point) {
    if (needsLoad || cards.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
