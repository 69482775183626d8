#include "minigames/dentist/CMinigame1_7.h"

CMinigame1_7::CMinigame1_7(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_7.png") {}

void CMinigame1_7::Load() { needsLoad = false; }

void CMinigame1_7::Unload() { needsLoad = true; }

void CMinigame1_7::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_7::OnMouseMove(CPoint) {}

void CMinigame1_7::OnLButtonDown(CPoint) {}

void CMinigame1_7::OnLButtonUp(CPoint) {}
