#include "scenes/CMainMenu.h"

void CMainMenu::Draw(int, int) {}
MainMenuHit CMainMenu::HitTest(CPoint) const { return MAINMENUHIT_NONE; }
void CMainMenu::HandleAudio(CPoint) {}
