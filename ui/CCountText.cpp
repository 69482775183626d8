#include "ui/CCountText.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <SOIL/SOIL.h>

#include <mutex>

#include "app/DataFolder.h"
#include "ui/CountGlyphs.h"
#include "ui/CPicturePrefetch.h"

using namespace CountGlyphs;

CCountText::CCountText() {
    if (glXGetCurrentContext() == nullptr) return;
    // Uncompressed, so the edges of the figures stay crisp. SOIL is shared
    // with the pictures decoded ahead on their own threads.
    std::unique_lock<std::mutex> soil(CPicturePrefetch::SoilLock());
    texture = SOIL_load_OGL_texture(DataFile("Images", "count_glyphs.png").c_str(), SOIL_LOAD_AUTO,
                                    SOIL_CREATE_NEW_ID, SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y);
    soil.unlock();
    if (texture == 0) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

CCountText::~CCountText() {
    if (texture != 0 && glXGetCurrentContext() != nullptr) {
        GLuint name = texture;
        glDeleteTextures(1, &name);
    }
}

float CCountText::Width(const std::string& text, float cellHeight) {
    const float scale = cellHeight / kCellHeight;
    float width = 0;
    for (char c : text) {
        const int cell = CellOf(c);
        if (cell >= 0) width += kAdvance[cell] * scale;
    }
    return width;
}

void CCountText::Draw(const std::string& text, float x, float y, float cellHeight, float r, float g, float b,
                      float a) const {
    if (texture == 0) return;
    const float scale = cellHeight / kCellHeight;
    const float top = y - kBaseline * scale;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    for (char c : text) {
        const int cell = CellOf(c);
        if (cell < 0) continue;
        // Rows are flipped at load: t = 1 is the picture's top.
        const float s0 = static_cast<float>(cell * kCellWidth) / (kCells * kCellWidth);
        const float s1 = static_cast<float>(cell * kCellWidth + kAdvance[cell]) / (kCells * kCellWidth);
        const float w = kAdvance[cell] * scale;
        glTexCoord2f(s0, 1.0f); glVertex2f(x, top);
        glTexCoord2f(s1, 1.0f); glVertex2f(x + w, top);
        glTexCoord2f(s1, 0.0f); glVertex2f(x + w, top + cellHeight);
        glTexCoord2f(s0, 0.0f); glVertex2f(x, top + cellHeight);
        x += w;
    }
    glEnd();
}
