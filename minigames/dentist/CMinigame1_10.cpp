#include "minigames/dentist/CMinigame1_10.h"

CMinigame1_10::CMinigame1_10(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_10.png") {}

void CMinigame1_10::Load() { needsLoad = false; }

void CMinigame1_10::Unload() { needsLoad = true; }

void CMinigame1_10::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame1_10::OnMouseMove(CPoint) {}

void CMinigame1_10::OnLButtonDown(CPoint) {}

void CMinigame1_10::OnLButtonUp(CPoint) {}
