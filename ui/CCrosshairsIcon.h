#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"

// The pulsing marker put on the target a learner has selected.
class CCrosshairsIcon {
public:
    CCrosshairsIcon();
    ~CCrosshairsIcon() { delete image; }
    CCrosshairsIcon(const CCrosshairsIcon&) = delete;
    CCrosshairsIcon& operator=(const CCrosshairsIcon&) = delete;

    void SetPosition(CPoint p) { image->SetPosition(p.x, p.y); }
    CPoint GetPosition() const { return image->GetPosition(); }
    void SetScale(float s) { baseScale = s; }
    // Draws one step of the pulse: baseScale +/- 0.2.
    void Draw();
    float GetDrawnScale() const { return image->GetScale(); }

private:
    CClickableImage* image;
    double phase = 0.0;
    double baseScale = 1.5;
};
