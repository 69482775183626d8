#include "minigames/pizzeria/CMinigame2_2.h"

CMinigame2_2::CMinigame2_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_2.png") {}

void CMinigame2_2::Load() { needsLoad = false; }

void CMinigame2_2::Unload() { needsLoad = true; }

void CMinigame2_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_2::OnMouseMove(CPoint) {}

void CMinigame2_2::OnLButtonDown(CPoint) {}

void CMinigame2_2::OnLButtonUp(CPoint) {}
