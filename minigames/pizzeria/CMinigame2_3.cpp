#include "minigames/pizzeria/CMinigame2_3.h"

CMinigame2_3::CMinigame2_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_3.png") {}

void CMinigame2_3::Load() { needsLoad = false; }

void CMinigame2_3::Unload() { needsLoad = true; }

void CMinigame2_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_3::OnMouseMove(CPoint) {}

void CMinigame2_3::OnLButtonDown(CPoint) {}

void CMinigame2_3::OnLButtonUp(CPoint) {}
