#include "minigames/grocery/CMinigame3_1.h"

CMinigame3_1::CMinigame3_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_1.png") {}

void CMinigame3_1::Load() { needsLoad = false; }

void CMinigame3_1::Unload() { needsLoad = true; }

void CMinigame3_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame3_1::OnMouseMove(CPoint) {}

void CMinigame3_1::OnLButtonDown(CPoint) {}

void CMinigame3_1::OnLButtonUp(CPoint) {}
