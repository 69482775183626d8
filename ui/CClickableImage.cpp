#include "ui/CClickableImage.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <SOIL/SOIL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "app/DataFolder.h"
#include "ui/CPicturePrefetch.h"
#include "ui/PictureCoverage.h"

namespace {
// Mipmaps, flipped rows, DXT compression, NTSC-safe colours.
constexpr unsigned kLoadFlags = SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y |
                                SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB;
static_assert(kLoadFlags == 178, "the pictures are made for these load flags");
// Where the processor draws, a compressed or mipmapped texture costs more
// to sample than a plain one: the same colours, one level, no compression.
constexpr unsigned kSoftwareLoadFlags = SOIL_FLAG_INVERT_Y | SOIL_FLAG_NTSC_SAFE_RGB;

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// Width and height from a PNG's header, without decoding it.
bool ReadPngSize(const std::string& path, int& w, int& h) {
    unsigned char header[24];
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    const size_t got = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (got != sizeof header || std::memcmp(header, kSignature, 8) != 0 || std::memcmp(header + 12, "IHDR", 4) != 0) {
        return false;
    }
    auto BigEndian = [](const unsigned char* b) {
        return static_cast<int>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]);
    };
    w = BigEndian(header + 16);
    h = BigEndian(header + 20);
    return w > 0 && h > 0;
}

// The texture the loader made for a file, as one rectangle of the file's texels.
struct Upload {
    GLuint texture = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Only the part of the picture that shows goes into the texture. Its rows
// are moved to the front of pixels, which the caller frees: no copy.
Upload UploadVisiblePart(unsigned char* pixels, int w, int h, int channels, const PictureCoverage& coverage) {
    Upload upload;
    upload.x0 = coverage.x0;
    upload.y0 = coverage.y0;
    upload.x1 = coverage.x1;
    upload.y1 = coverage.y1;
    if (upload.x1 <= upload.x0 || upload.y1 <= upload.y0) {  // nothing shows: one clear texel
        upload.x0 = upload.y0 = 0;
        upload.x1 = upload.y1 = 1;
    }
    const int cw = upload.x1 - upload.x0, ch = upload.y1 - upload.y0;
    if (cw != w || ch != h) {
        // Each row lands at or before where it was read: moved top down, no
        // row is overwritten before it is moved.
        const size_t rowBytes = static_cast<size_t>(cw) * channels;
        for (int y = 0; y < ch; ++y) {
            std::memmove(pixels + y * rowBytes, pixels + (static_cast<size_t>(upload.y0 + y) * w + upload.x0) * channels,
                         rowBytes);
        }
    }
    upload.texture = SOIL_create_OGL_texture(pixels, cw, ch, channels, SOIL_CREATE_NEW_ID, kSoftwareLoadFlags);
    return upload;
}

}  // namespace

bool CClickableImage::IsSoftwareRenderer() {
    static const bool software = [] {
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        if (renderer == nullptr) return false;
        for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
            if (std::strstr(renderer, name) != nullptr) return true;
        }
        return false;
    }();
    return software;
}

std::vector<CClickableImage*>& CClickableImage::AllPictures() {
    static std::vector<CClickableImage*> pictures;
    return pictures;
}

int64_t CClickableImage::tick = 0;

CClickableImage::CClickableImage(const char* fileName) {
    if (fileName == nullptr) return;
    // SOIL crashes without a current context; without one there is nothing
    // to load into anyway.
    if (glXGetCurrentContext() == nullptr) {
        std::printf("SOIL loading error: '%s'\n", "no OpenGL context");
        return;
    }
    path = DataFile("Images", fileName);
    AllPictures().push_back(this);
    int w = 0, h = 0;
    if (!ReadPngSize(path, w, h)) {
        Load();  // not a PNG we can read ahead: SOIL says what is wrong
        return;
    }
    // Mipmap level 1 of the power-of-two-rounded file, as the loader's
    // mipmapped texture reports it; the pixels wait for the first draw.
    width = std::max(1, NextPowerOfTwo(w) / 2);
    height = std::max(1, NextPowerOfTwo(h) / 2);
}

void CClickableImage::Load() {
    loadTried = true;
    CPicturePrefetch::Pixels decoded;
    const bool decodedAhead = CPicturePrefetch::Take(path, decoded);  // waits, if need be, unlocked
    std::unique_lock<std::mutex> soil(CPicturePrefetch::SoilLock());
    if (!decodedAhead) {
        decoded.data = SOIL_load_image(path.c_str(), &decoded.width, &decoded.height, &decoded.channels, SOIL_LOAD_AUTO);
    }
    unsigned char* const pixels = decoded.data;
    const int w = decoded.width, h = decoded.height, channels = decoded.channels;
    if (pixels == nullptr) {
        std::printf("SOIL loading error: '%s'\n", SOIL_last_result());
        return;  // a failed load keeps the size 0 x 0
    }
    const PictureCoverage coverage = FindCoverage(pixels, w, h, channels);
    const bool software = IsSoftwareRenderer();
    Upload upload;
    if (software) {
        upload = UploadVisiblePart(pixels, w, h, channels, coverage);
    } else {
        upload.texture = SOIL_create_OGL_texture(pixels, w, h, channels, SOIL_CREATE_NEW_ID, kLoadFlags);
        upload.x1 = w;
        upload.y1 = h;
    }
    SOIL_free_image_data(pixels);
    texture = upload.texture;
    if (texture == 0) {
        std::printf("SOIL loading error: '%s'\n", SOIL_last_result());
        return;
    }
    soil.unlock();
    lastShown = tick;
    glBindTexture(GL_TEXTURE_2D, texture);
    // SOIL leaves GL_CLAMP, which blends the outer texels with the (clear)
    // border colour: every picture would get a faint fringe.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (software) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    if (width == 0) {  // sized by the load itself
        width = std::max(1, NextPowerOfTwo(w) / 2);
        height = std::max(1, NextPowerOfTwo(h) / 2);
    }
    // Each part as fractions of the picture, and where it lies in the texture.
    const float tw = static_cast<float>(upload.x1 - upload.x0), th = static_cast<float>(upload.y1 - upload.y0);
    parts.clear();
    for (const CoverageRect& r : coverage.rects) {
        Part part;
        part.x0 = static_cast<float>(r.x0) / w;
        part.y0 = static_cast<float>(r.y0) / h;
        part.x1 = static_cast<float>(r.x1) / w;
        part.y1 = static_cast<float>(r.y1) / h;
        part.s0 = (r.x0 - upload.x0) / tw;
        part.s1 = (r.x1 - upload.x0) / tw;
        // Rows are flipped on upload: the top of the picture is t = 1.
        part.t0 = 1.0f - (r.y0 - upload.y0) / th;
        part.t1 = 1.0f - (r.y1 - upload.y0) / th;
        part.opaque = r.opaque;
        parts.push_back(part);
    }
    if (!software) {  // the whole picture in one quad: mipmaps reach past a tile
        const bool opaque = parts.size() == 1 && parts[0].opaque && coverage.x0 == 0 && coverage.y0 == 0 &&
                            coverage.x1 == w && coverage.y1 == h;
        parts.clear();
        if (!coverage.rects.empty()) parts.push_back({0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, opaque});
    }
}

void CClickableImage::ReleaseTexture() {
    if (texture != 0 && glXGetCurrentContext() != nullptr) {
        GLuint name = texture;
        glDeleteTextures(1, &name);
    }
    texture = 0;
    parts.clear();
    loadTried = false;
}

uint32_t CClickableImage::GetTexture() {
    if (!loadTried && !path.empty()) Load();
    return texture;
}

void CClickableImage::EndOfTick() {
    ++tick;
    CPicturePrefetch::EndOfTick();
    for (CClickableImage* picture : AllPictures()) {
        if (picture->texture != 0 && tick - picture->lastShown > kKeepTicks) picture->ReleaseTexture();
    }
}

void CClickableImage::ReleaseAllTextures() {
    for (CClickableImage* picture : AllPictures()) {
        if (picture->texture != 0) picture->ReleaseTexture();
    }
}

CClickableImage::~CClickableImage() {
    // Scenes load their pictures again each time they open: free the texture
    // so that repeated visits do not pile them up.
    ReleaseTexture();
    std::vector<CClickableImage*>& pictures = AllPictures();
    auto it = std::find(pictures.begin(), pictures.end(), this);
    if (it != pictures.end()) {
        *it = pictures.back();
        pictures.pop_back();
    }
}

void CClickableImage::DrawQuad(float w, float h) {
    // A picture that shows is loaded now if it was not; an invisible one is not.
    if (alpha > 0.0f && !loadTried && !path.empty()) Load();
    if (texture != 0) lastShown = tick;
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    if (texture == 0 && loadTried) {  // nothing loaded: the plain quad
        glBegin(GL_POLYGON);
        glVertex2f(0.0f, 0.0f);
        glVertex2f(w, 0.0f);
        glVertex2f(w, h);
        glVertex2f(0.0f, h);
        glEnd();
        return;
    }
    if (alpha <= 0.0f || texture == 0) return;  // fully transparent: nothing would change
    // Opaque parts first, without blending (the same pixels, far cheaper),
    // then the see-through ones. The parts do not overlap.
    const bool blendAll = alpha < 1.0f;
    for (int pass = 0; pass < 2; ++pass) {
        const bool opaquePass = pass == 0;
        if (opaquePass && blendAll) continue;
        bool begun = false;
        for (const Part& part : parts) {
            if (!blendAll && part.opaque != opaquePass) continue;
            if (!begun) {
                if (opaquePass) glDisable(GL_BLEND);
                glBegin(GL_QUADS);
                begun = true;
            }
            glTexCoord2f(part.s0, part.t0); glVertex2f(part.x0 * w, part.y0 * h);
            glTexCoord2f(part.s1, part.t0); glVertex2f(part.x1 * w, part.y0 * h);
            glTexCoord2f(part.s1, part.t1); glVertex2f(part.x1 * w, part.y1 * h);
            glTexCoord2f(part.s0, part.t1); glVertex2f(part.x0 * w, part.y1 * h);
        }
        if (begun) {
            glEnd();
            if (opaquePass) glEnable(GL_BLEND);
        }
    }
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
