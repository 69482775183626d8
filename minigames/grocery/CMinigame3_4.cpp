#include "minigames/grocery/CMinigame3_4.h"

CMinigame3_4::CMinigame3_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_4.png") {}

void CMinigame3_4::Load() { needsLoad = false; }

void CMinigame3_4::Unload() { needsLoad = true; }

void CMinigame3_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame3_4::OnMouseMove(CPoint) {}

void CMinigame3_4::OnLButtonDown(CPoint) {}

void CMinigame3_4::OnLButtonUp(CPoint) {}
