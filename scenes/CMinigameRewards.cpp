#include "scenes/CMinigameRewards.h"

// The house is never shown in a sub-menu; it borrows a minigame's icon.
CMinigameRewards::CMinigameRewards(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_10.png") {}

void CMinigameRewards::Load() { needsLoad = false; }
void CMinigameRewards::Unload() { needsLoad = true; }

void CMinigameRewards::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigameRewards::OnMouseMove(CPoint) {}
void CMinigameRewards::OnLButtonDown(CPoint) {}
void CMinigameRewards::OnLButtonUp(CPoint) {}
