#include "minigames/pizzeria/CMinigame2_5.h"

CMinigame2_5::CMinigame2_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_5.png") {}

void CMinigame2_5::Load() { needsLoad = false; }

void CMinigame2_5::Unload() { needsLoad = true; }

void CMinigame2_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_5::OnMouseMove(CPoint) {}

void CMinigame2_5::OnLButtonDown(CPoint) {}

void CMinigame2_5::OnLButtonUp(CPoint) {}
