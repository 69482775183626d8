#include "minigames/pizzeria/CMinigame2_7.h"

CMinigame2_7::CMinigame2_7(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_7.png") {}

void CMinigame2_7::Load() { needsLoad = false; }

void CMinigame2_7::Unload() { needsLoad = true; }

void CMinigame2_7::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_7::OnMouseMove(CPoint) {}

void CMinigame2_7::OnLButtonDown(CPoint) {}

void CMinigame2_7::OnLButtonUp(CPoint) {}
