#include "minigames/pizzeria/CMinigame2_6.h"

CMinigame2_6::CMinigame2_6(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_6.png") {}

void CMinigame2_6::Load() { needsLoad = false; }

void CMinigame2_6::Unload() { needsLoad = true; }

void CMinigame2_6::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_6::OnMouseMove(CPoint) {}

void CMinigame2_6::OnLButtonUp(CPoint) {}
