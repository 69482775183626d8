#include "minigames/dentist/CMinigame1_9.h"

CMinigame1_9::CMinigame1_9(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_9.png") {}

void CMinigame1_9::Load() { needsLoad = false; }

void CMinigame1_9::Unload() { needsLoad = true; }

void CMinigame1_9::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_9::OnMouseMove(CPoint) {}

void CMinigame1_9::OnLButtonDown(CPoint) {}

void CMinigame1_9::OnLButtonUp(CPoint) {}
