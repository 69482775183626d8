#include "minigames/pizzeria/ReviewCard.h"

#include <GL/freeglut.h>

#include "app/Latin1.h"
#include "core/CModel.h"

namespace ReviewCard {

void Card(int left, int top, int right, int bottom) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    glRecti(left - 4, top - 4, right + 4, bottom + 4);
    glColor4f(0.97f, 0.94f, 0.89f, 1.0f);
    glRecti(left, top, right, bottom);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void Line(int x, int y, const std::string& utf8, Ink ink, bool big) {
    glDisable(GL_TEXTURE_2D);
    if (ink == INK_ANSWER) {
        glColor4f(0.75f, 0.08f, 0.06f, 1.0f);
    } else {
        glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
    }
    const std::string text = Latin1FromUtf8(utf8);
    CModel::DrawText(float(x), float(y), big ? GLUT_BITMAP_9_BY_15 : GLUT_BITMAP_HELVETICA_12, text.c_str());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace ReviewCard
