#include "minigames/dentist/CMinigame1_8.h"

CMinigame1_8::CMinigame1_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_8.png") {}

void CMinigame1_8::Load() { needsLoad = false; }

void CMinigame1_8::Unload() { needsLoad = true; }

void CMinigame1_8::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_8::OnMouseMove(CPoint) {}

void CMinigame1_8::OnLButtonUp(CPoint) {}
