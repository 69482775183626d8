#include "ui/CAnimation.h"

#include <GL/gl.h>

CAnimation::CAnimation(int32_t px, int32_t py, float s, float a, int32_t perFrame, bool repeat)
    // A count below one would divide by zero: every draw moves on instead.
    : ticksPerFrame(perFrame < 1 ? 1 : perFrame), x(px), y(py), loop(repeat), scale(s), angle(a) {}

CAnimation::~CAnimation() {
    for (CClickableImage* image : frames) delete image;
}

void CAnimation::Draw() {
    if (frames.empty()) return;
    CClickableImage* image = frames.at(frame);
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(scale, scale, 1.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    image->SetAlpha(alpha);
    image->Draw();
    glPopMatrix();

    ++tick;
    if (tick % ticksPerFrame != 0) return;
    if (frame + 1 < frames.size()) {
        ++frame;
    } else if (loop) {
        frame = 0;
    }
}
