#include "minigames/grocery/CMinigame3_3.h"

CMinigame3_3::CMinigame3_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_3.png") {}

void CMinigame3_3::Load() { needsLoad = false; }

void CMinigame3_3::Unload() { needsLoad = true; }

void CMinigame3_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame3_3::OnMouseMove(CPoint) {}

void CMinigame3_3::OnLButtonDown(CPoint) {}

void CMinigame3_3::OnLButtonUp(CPoint) {}
