#include "scenes/CCredits.h"

void CCredits::Draw(int, int) {}
CreditsHit CCredits::HitTest(CPoint) const { return CREDITSHIT_NONE; }
