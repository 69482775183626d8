#include "scenes/CSplash.h"

void CSplash::Draw(int, int) {}
