#include "minigames/dentist/CMinigame1_10.h"

#include "core/CModel.h"

CMinigame1_10::CMinigame1_10(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_10.png"),
      calls(owner, minigameType, PhoneCalls::kSheetCalls) {}

void CMinigame1_10::Load() {
    calls.Load();
    needsLoad = false;
}

void CMinigame1_10::Unload() {
    calls.Unload();
    needsLoad = true;
}

void CMinigame1_10::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    calls.Draw(width, height);
}

void CMinigame1_10::OnMouseMove(CPoint point) {
    if (!needsLoad) calls.OnMouseMove(point);
}

void CMinigame1_10::OnLButtonDown(CPoint point) {
    if (!needsLoad) calls.OnLButtonDown(point);
}

void CMinigame1_10::OnLButtonUp(CPoint point) {
    if (needsLoad || calls.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
