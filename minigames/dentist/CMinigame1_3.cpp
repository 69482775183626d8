#include "minigames/dentist/CMinigame1_3.h"

CMinigame1_3::CMinigame1_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_3.png") {}

void CMinigame1_3::Load() { needsLoad = false; }

void CMinigame1_3::Unload() { needsLoad = true; }

void CMinigame1_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_3::OnMouseMove(CPoint) {}

void CMinigame1_3::OnLButtonUp(CPoint) {}
