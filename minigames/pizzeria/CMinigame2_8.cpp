#include "minigames/pizzeria/CMinigame2_8.h"

CMinigame2_8::CMinigame2_8(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_8.png") {}

void CMinigame2_8::Load() { needsLoad = false; }

void CMinigame2_8::Unload() { needsLoad = true; }

void CMinigame2_8::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
}

void CMinigame2_8::OnMouseMove(CPoint) {}

void CMinigame2_8::OnLButtonDown(CPoint) {}

void CMinigame2_8::OnLButtonUp(CPoint) {}
