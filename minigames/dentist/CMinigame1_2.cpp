#include "minigames/dentist/CMinigame1_2.h"

#include "core/CModel.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", "french_message_overlay.png", "minijeu1_2progress%d.png",
    "consigne1_2.png",         "Intro1_2.mp3",              CMessageForm::kMaximum,
};

}  // namespace

CMinigame1_2::CMinigame1_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_2.png"),
      form(owner, minigameType, kSheet, MessageForm::kFrenchForm) {}

void CMinigame1_2::Load() {
    form.Load();
    needsLoad = false;
}

void CMinigame1_2::Unload() {
    form.Unload();
    needsLoad = true;
}

void CMinigame1_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    form.Draw(width, height);
}

void CMinigame1_2::OnMouseMove(CPoint point) {
    model->SetCursor(CURSOR_ARROW);
    if (!needsLoad) form.OnMouseMove(point);
}

void CMinigame1_2::OnLButtonUp(CPoint point) {
    if (needsLoad || form.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
