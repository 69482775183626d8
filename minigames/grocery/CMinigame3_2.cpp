#include "minigames/grocery/CMinigame3_2.h"

CMinigame3_2::CMinigame3_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_2.png") {}

void CMinigame3_2::Load() { needsLoad = false; }

void CMinigame3_2::Unload() { needsLoad = true; }

void CMinigame3_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame3_2::OnMouseMove(CPoint) {}

void CMinigame3_2::OnLButtonDown(CPoint) {}

void CMinigame3_2::OnLButtonUp(CPoint) {}
