#include "minigames/grocery/CMinigame3_5.h"

CMinigame3_5::CMinigame3_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_5.png") {}

void CMinigame3_5::Load() { needsLoad = false; }

void CMinigame3_5::Unload() { needsLoad = true; }

void CMinigame3_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame3_5::OnMouseMove(CPoint) {}

void CMinigame3_5::OnLButtonDown(CPoint) {}

void CMinigame3_5::OnLButtonUp(CPoint) {}
