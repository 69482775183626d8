#include "minigames/pizzeria/CMinigame2_4.h"

CMinigame2_4::CMinigame2_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_4.png") {}

void CMinigame2_4::Load() { needsLoad = false; }

void CMinigame2_4::Unload() { needsLoad = true; }

void CMinigame2_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_4::OnMouseMove(CPoint) {}

void CMinigame2_4::OnLButtonDown(CPoint) {}

void CMinigame2_4::OnLButtonUp(CPoint) {}
