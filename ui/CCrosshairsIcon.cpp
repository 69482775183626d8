#include "ui/CCrosshairsIcon.h"

#include <cmath>

CCrosshairsIcon::CCrosshairsIcon() : image(new CClickableImage("crosshair.png")) {
    image->SetPosition(-100, -100);
}

void CCrosshairsIcon::Draw() {
    const double s = std::sin(phase) * 0.2 + baseScale;
    phase += 0.1;
    // The phase wraps at 90 radians, so the pulse skips once every 900 draws.
    if (phase > 90.0) phase = 0.0;
    image->SetScale(static_cast<float>(s));
    image->Draw();
}
