#include "minigames/pizzeria/CMinigame2_9.h"

CMinigame2_9::CMinigame2_9(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_9.png") {}

void CMinigame2_9::Load() { needsLoad = false; }

void CMinigame2_9::Unload() { needsLoad = true; }

void CMinigame2_9::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_9::OnMouseMove(CPoint) {}

void CMinigame2_9::OnLButtonUp(CPoint) {}
