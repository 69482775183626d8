#include "minigames/dentist/CMinigame1_3.h"

#include "core/CModel.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", "french_message_overlay.png", "minijeu1_2progress%d.png",
    "consigne1_3.png",         "Intro1_3.mp3",              CMessageForm::kMaximum,
};

}  // namespace

CMinigame1_3::CMinigame1_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_3.png"),
      form(owner, minigameType, kSheet, MessageForm::kEnglishForm) {}

void CMinigame1_3::Load() {
    form.Load();
    needsLoad = false;
}

void CMinigame1_3::Unload() {
    form.Unload();
    needsLoad = true;
}

void CMinigame1_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    form.Draw(width, height);
}

void CMinigame1_3::OnMouseMove(CPoint point) {
    model->SetCursor(CURSOR_ARROW);
    if (!needsLoad) form.OnMouseMove(point);
}

void CMinigame1_3::OnLButtonUp(CPoint point) {
    if (needsLoad || form.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
