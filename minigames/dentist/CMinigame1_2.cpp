#include "minigames/dentist/CMinigame1_2.h"

CMinigame1_2::CMinigame1_2(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_2.png") {}

void CMinigame1_2::Load() { needsLoad = false; }

void CMinigame1_2::Unload() { needsLoad = true; }

void CMinigame1_2::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_2::OnMouseMove(CPoint) {}

void CMinigame1_2::OnLButtonUp(CPoint) {}
