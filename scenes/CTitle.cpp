#include "scenes/CTitle.h"

void CTitle::Draw(int, int) {}
TitleHit CTitle::HitTest(CPoint) const { return TITLEHIT_NONE; }
void CTitle::SetSelected(TitleHit) {}
