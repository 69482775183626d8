#include "scenes/CSubMenu.h"

void CSubMenu::Reset() { transition = SUBMENUHIT_NONE; }
void CSubMenu::Draw(int, int) {}
int CSubMenu::HitTest(CPoint) const { return SUBMENUHIT_NONE; }
int CSubMenu::OnLButtonUp(CPoint) { return SUBMENUHIT_NONE; }
