#include "app/CFramePacer.h"

#include <cmath>

void CFramePacer::TickTaken(double now) {
    deadline += period;
    if (deadline <= now) deadline += period * (std::floor((now - deadline) / period) + 1.0);
}
