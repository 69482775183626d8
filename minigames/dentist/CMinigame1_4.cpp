#include "minigames/dentist/CMinigame1_4.h"

CMinigame1_4::CMinigame1_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_4.png") {}

void CMinigame1_4::Load() { needsLoad = false; }

void CMinigame1_4::Unload() { needsLoad = true; }

void CMinigame1_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_4::OnMouseMove(CPoint) {}

void CMinigame1_4::OnLButtonDown(CPoint) {}

void CMinigame1_4::OnLButtonUp(CPoint) {}
