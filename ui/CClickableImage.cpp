#include "ui/CClickableImage.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <SOIL/SOIL.h>

#include <cstdio>

#include "app/DataFolder.h"

namespace {
// Mipmaps, flipped rows, DXT compression, NTSC-safe colours.
constexpr unsigned kLoadFlags = SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y |
                                SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB;
static_assert(kLoadFlags == 178, "the pictures are made for these load flags");
}  // namespace

CClickableImage::CClickableImage(const char* fileName) {
    if (fileName == nullptr) return;
    // SOIL crashes without a current context; without one there is nothing
    // to load into anyway.
    if (glXGetCurrentContext() == nullptr) {
        std::printf("SOIL loading error: '%s'\n", "no OpenGL context");
        return;
    }
    const std::string path = DataFile("Images", fileName);
    texture = SOIL_load_OGL_texture(path.c_str(), SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID, kLoadFlags);
    if (texture == 0) {
        std::printf("SOIL loading error: '%s'\n", SOIL_last_result());
        return;  // a failed load keeps the size 0 x 0
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    // SOIL leaves GL_CLAMP, which blends the outer texels with the (clear)
    // border colour: every picture would get a faint fringe.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_HEIGHT, &h);
    width = w;
    height = h;
}

CClickableImage::~CClickableImage() {
    // Scenes load their pictures again each time they open: free the texture
    // so that repeated visits do not pile them up.
    if (texture != 0 && glXGetCurrentContext() != nullptr) {
        GLuint name = texture;
        glDeleteTextures(1, &name);
    }
}

void CClickableImage::DrawQuad(float w, float h) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    glBegin(GL_POLYGON);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(w, 0.0f);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(w, h);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(0.0f, h);
    glEnd();
}

void CClickableImage::Draw() {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(scale, scale, 1.0f);
    glPushMatrix();
    glTranslatef(-width * 0.5f, -height * 0.5f, 0.0f);
    DrawQuad(static_cast<float>(width), static_cast<float>(height));
    glPopMatrix();
    glPopMatrix();
}

void CClickableImage::FillScreen(int32_t w, int32_t h) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(scale, scale, 1.0f);
    DrawQuad(static_cast<float>(w + 1), static_cast<float>(h + 1));
    glPopMatrix();
}

bool CClickableImage::HitTest(CPoint p) const {
    const float halfW = static_cast<float>(width / 2) * scale;
    const float halfH = static_cast<float>(height / 2) * scale;
    return x - halfW < p.x && p.x < x + halfW && y - halfH < p.y && p.y < y + halfH;
}
