#include "minigames/pizzeria/CMinigame2_1.h"

CMinigame2_1::CMinigame2_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_1.png") {}

void CMinigame2_1::Load() { needsLoad = false; }

void CMinigame2_1::Unload() { needsLoad = true; }

void CMinigame2_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_1::OnMouseMove(CPoint) {}

void CMinigame2_1::OnLButtonUp(CPoint) {}
