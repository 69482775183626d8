#include "minigames/dentist/CMinigame1_5.h"

CMinigame1_5::CMinigame1_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_5.png") {}

void CMinigame1_5::Load() { needsLoad = false; }

void CMinigame1_5::Unload() { needsLoad = true; }

void CMinigame1_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_5::OnMouseMove(CPoint) {}

void CMinigame1_5::OnLButtonDown(CPoint) {}

void CMinigame1_5::OnLButtonUp(CPoint) {}
