#include "minigames/dentist/CMinigame1_1.h"

CMinigame1_1::CMinigame1_1(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_1.png") {}

void CMinigame1_1::Load() { needsLoad = false; }

void CMinigame1_1::Unload() { needsLoad = true; }

void CMinigame1_1::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_1::OnMouseMove(CPoint) {}

void CMinigame1_1::OnLButtonUp(CPoint) {}
