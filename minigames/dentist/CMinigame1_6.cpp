#include "minigames/dentist/CMinigame1_6.h"

CMinigame1_6::CMinigame1_6(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_6.png") {}

void CMinigame1_6::Load() { needsLoad = false; }

void CMinigame1_6::Unload() { needsLoad = true; }

void CMinigame1_6::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_6::OnMouseMove(CPoint) {}

void CMinigame1_6::OnLButtonDown(CPoint) {}

void CMinigame1_6::OnLButtonUp(CPoint) {}
