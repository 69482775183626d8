#include "minigames/dentist/CMinigame1_7.h"

#include "core/CModel.h"

CMinigame1_7::CMinigame1_7(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_7.png"),
      calls(owner, minigameType, PhoneCalls::kEverydayCalls) {}

void CMinigame1_7::Load() {
    calls.Load();
    needsLoad = false;
}

void CMinigame1_7::Unload() {
    calls.Unload();
    needsLoad = true;
}

void CMinigame1_7::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    calls.Draw(width, height);
}

void CMinigame1_7::OnMouseMove(CPoint point) {
    if (!needsLoad) calls.OnMouseMove(point);
}

void CMinigame1_7::OnLButtonDown(CPoint point) {
    if (!needsLoad) calls.OnLButtonDown(point);
}

void CMinigame1_7::OnLButtonUp(CPoint point) {
    if (needsLoad || calls.OnLButtonUp(point)) return;
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}
