#include "ui/CWrongAnswerCross.h"

#include <GL/gl.h>

// A red cross with a white rim, 44 pixels across.
void CWrongAnswerCross::Draw() {
    if (framesLeft <= 0) return;
    const float life = static_cast<float>(framesLeft) / kFrames;
    --framesLeft;
    const float half = 16.0f + 6.0f * life;
    const float x = static_cast<float>(at.x), y = static_cast<float>(at.y);
    glDisable(GL_TEXTURE_2D);
    for (int pass = 0; pass < 2; ++pass) {
        const float thick = pass == 0 ? 8.0f : 5.0f;
        if (pass == 0) {
            glColor4f(1.0f, 1.0f, 1.0f, 0.9f * life);
        } else {
            glColor4f(0.85f, 0.1f, 0.08f, life);
        }
        for (int stroke = 0; stroke < 2; ++stroke) {
            const float dir = stroke == 0 ? 1.0f : -1.0f;
            // One bar of the cross: a quad along the diagonal.
            const float ox = thick * 0.7071f, oy = thick * 0.7071f * dir;
            glBegin(GL_QUADS);
            glVertex2f(x - half - ox, y - half * dir + oy);
            glVertex2f(x - half + ox, y - half * dir - oy);
            glVertex2f(x + half + ox, y + half * dir - oy);
            glVertex2f(x + half - ox, y + half * dir + oy);
            glEnd();
        }
    }
    glEnable(GL_TEXTURE_2D);
}
