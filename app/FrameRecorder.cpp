#include "app/FrameRecorder.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstring>

#include "app/GlCalls.h"

FrameRecorder& FrameRecorder::Instance() {
    static FrameRecorder recorder;
    return recorder;
}

void FrameRecorder::Begin() {
    frame.clear();
    recording = true;
}

bool FrameRecorder::End() {
    recording = false;
    // A deleted texture's name can come back for another picture: the same
    // commands would then show something else.
    if (!pendingDeletes.empty()) lastValid = false;
    return !lastValid || frame != last;
}

void FrameRecorder::Float(float value) {
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    frame.push_back(word);
}

void FrameRecorder::Pointer(const void* pointer) {
    const uint64_t bits = reinterpret_cast<uintptr_t>(pointer);
    frame.push_back(static_cast<uint32_t>(bits));
    frame.push_back(static_cast<uint32_t>(bits >> 32));
}

float FrameRecorder::FloatAt(size_t& at) const {
    float value;
    std::memcpy(&value, &frame[at++], sizeof value);
    return value;
}

const void* FrameRecorder::PointerAt(size_t& at) const {
    const uint64_t bits = frame[at] | (static_cast<uint64_t>(frame[at + 1]) << 32);
    at += 2;
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(bits));
}

void FrameRecorder::DeleteLater(uint32_t texture) { pendingDeletes.push_back(texture); }

void FrameRecorder::DeletePendingTextures() {
    if (pendingDeletes.empty()) return;
    __real_glDeleteTextures(static_cast<GLsizei>(pendingDeletes.size()), pendingDeletes.data());
    pendingDeletes.clear();
}

namespace {

// The words of each command after its op code.
std::size_t ArgumentWords(FrameRecorder::Op op) {
    switch (op) {
        case FrameRecorder::OP_BEGIN: return 1;
        case FrameRecorder::OP_END: return 0;
        case FrameRecorder::OP_VERTEX2F: return 2;
        case FrameRecorder::OP_TEXCOORD2F: return 2;
        case FrameRecorder::OP_COLOR4F: return 4;
        case FrameRecorder::OP_RECTF: return 4;
        case FrameRecorder::OP_RECTI: return 4;
        case FrameRecorder::OP_TRANSLATEF: return 3;
        case FrameRecorder::OP_SCALEF: return 3;
        case FrameRecorder::OP_ROTATEF: return 4;
        case FrameRecorder::OP_PUSHMATRIX: return 0;
        case FrameRecorder::OP_POPMATRIX: return 0;
        case FrameRecorder::OP_ENABLE: return 1;
        case FrameRecorder::OP_DISABLE: return 1;
        case FrameRecorder::OP_BINDTEXTURE: return 2;
        case FrameRecorder::OP_BLENDFUNC: return 2;
        case FrameRecorder::OP_RASTERPOS2F: return 2;
        case FrameRecorder::OP_SCISSOR: return 4;
        case FrameRecorder::OP_PUSHATTRIB: return 1;
        case FrameRecorder::OP_POPATTRIB: return 0;
        case FrameRecorder::OP_CLEAR: return 1;
        case FrameRecorder::OP_CLEARCOLOR: return 4;
        case FrameRecorder::OP_BITMAPCHARACTER: return 3;
    }
    return 0;
}

// Only worth a copy of the screen when it saves drawing two things or more,
// or one picture: sampling a texture is what a software renderer pays for,
// and a full-screen background costs it more than the copy's 1:1 quad.
constexpr std::size_t kLeastDrawnForACopy = 2;

// How much a glBegin block that has just ended weighs against that; clears
// the flag for the next block.
std::size_t DrawingWeight(bool& picture) {
    const std::size_t weight = picture ? kLeastDrawnForACopy : 1;
    picture = false;
    return weight;
}

}  // namespace

std::size_t FrameRecorder::DrawnBefore(std::size_t to) const {
    std::size_t at = 0, count = 0;
    bool picture = false;  // the glBegin block under way has texture coordinates
    while (at < to) {
        const Op op = static_cast<Op>(frame[at]);
        if (op == OP_TEXCOORD2F) picture = true;
        if (op == OP_END) count += DrawingWeight(picture);
        if (op == OP_RECTF || op == OP_RECTI) ++count;
        at += 1 + ArgumentWords(op);
    }
    return count;
}

std::size_t FrameRecorder::CommonStart(std::size_t& drawn) const {
    std::size_t at = 0, cut = 0, drawnAtCut = 0, count = 0;
    int depth = 0;         // inside glBegin/glEnd
    bool picture = false;  // that block has texture coordinates
    const std::size_t end = std::min(frame.size(), last.size());
    while (at < end) {
        const Op op = static_cast<Op>(frame[at]);
        const std::size_t size = 1 + ArgumentWords(op);
        if (at + size > end || !std::equal(frame.begin() + at, frame.begin() + at + size, last.begin() + at)) break;
        if (op == OP_BEGIN) ++depth;
        if (op == OP_TEXCOORD2F) picture = true;
        if (op == OP_END) {
            --depth;
            count += DrawingWeight(picture);
        }
        if (op == OP_RECTF || op == OP_RECTI) ++count;
        at += size;
        const bool textGoesOn = at < frame.size() && frame[at] == OP_BITMAPCHARACTER;
        if (depth == 0 && !textGoesOn) {
            cut = at;
            drawnAtCut = count;
        }
    }
    drawn = drawnAtCut;
    return cut;
}

void FrameRecorder::Replay() {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int w = viewport[2], h = viewport[3];
    if (w != stillWidth || h != stillHeight) still.clear();

    std::size_t from = 0;
    if (!still.empty() && still.size() <= frame.size() && std::equal(still.begin(), still.end(), frame.begin())) {
        DrawStill(w, h);
        Run(0, still.size(), false);
        from = still.size();
    }
    std::size_t drawn = 0;
    const std::size_t common = lastValid ? CommonStart(drawn) : 0;
    if (common > from && drawn - DrawnBefore(from) >= kLeastDrawnForACopy) {
        Run(from, common, true);
        CopyStill(w, h);
        still.assign(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(common));
        from = common;
    }
    Run(from, frame.size(), true);
    last.swap(frame);
    lastValid = true;
}

void FrameRecorder::CopyStill(int w, int h) {
    __real_glPushAttrib(GL_TEXTURE_BIT);
    if (stillTexture == 0 || w != stillWidth || h != stillHeight) {
        if (stillTexture == 0) glGenTextures(1, &stillTexture);
        __real_glBindTexture(GL_TEXTURE_2D, stillTexture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        // Texel for pixel: nothing filtered.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        stillWidth = w;
        stillHeight = h;
    }
    __real_glBindTexture(GL_TEXTURE_2D, stillTexture);
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);
    __real_glPopAttrib();
}

void FrameRecorder::DrawStill(int w, int h) {
    __real_glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    __real_glDisable(GL_BLEND);
    __real_glDisable(GL_SCISSOR_TEST);
    __real_glEnable(GL_TEXTURE_2D);
    __real_glBindTexture(GL_TEXTURE_2D, stillTexture);
    __real_glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    __real_glPushMatrix();
    glLoadIdentity();
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    // y grows downwards on screen, upwards in the copy.
    __real_glBegin(GL_QUADS);
    __real_glTexCoord2f(0.0f, 1.0f); __real_glVertex2f(0.0f, 0.0f);
    __real_glTexCoord2f(1.0f, 1.0f); __real_glVertex2f(fw, 0.0f);
    __real_glTexCoord2f(1.0f, 0.0f); __real_glVertex2f(fw, fh);
    __real_glTexCoord2f(0.0f, 0.0f); __real_glVertex2f(0.0f, fh);
    __real_glEnd();
    __real_glPopMatrix();
    __real_glPopAttrib();
}

bool FrameRecorder::DrawsOpaqueColour(std::size_t at, bool block) const {
    // Blending an opaque colour gives that colour: the blend can go. Only for
    // plain colour: a texture brings its own alpha.
    if (!glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D)) return false;
    GLfloat colour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    if (colour[3] < 1.0f) return false;
    // A rectangle is one command; a glBegin block is opaque if every colour
    // set in it is.
    if (!block) return true;
    while (at < frame.size()) {
        const Op op = static_cast<Op>(frame[at]);
        if (op == OP_END) return true;
        if (op == OP_COLOR4F) {
            float alpha;
            std::memcpy(&alpha, &frame[at + 4], sizeof alpha);
            if (alpha < 1.0f) return false;
        }
        at += 1 + ArgumentWords(op);
    }
    return false;
}

void FrameRecorder::Run(std::size_t from, std::size_t to, bool drawing) {
    bool unblended = false;  // inside a glBegin block drawn without blending
    std::size_t at = from;
    while (at < to) {
        const Op op = static_cast<Op>(frame[at++]);
        if (!drawing) {
            // What only draws is passed over; the rest sets state as it would.
            switch (op) {
                case OP_BEGIN:
                case OP_END:
                case OP_VERTEX2F:
                case OP_RECTF:
                case OP_RECTI:
                case OP_CLEAR:
                case OP_BITMAPCHARACTER:
                    at += ArgumentWords(op);
                    continue;
                default: break;
            }
        }
        switch (op) {
            case OP_BEGIN:
                unblended = DrawsOpaqueColour(at + 1, true);
                if (unblended) __real_glDisable(GL_BLEND);
                __real_glBegin(frame[at++]);
                break;
            case OP_END:
                __real_glEnd();
                if (unblended) __real_glEnable(GL_BLEND);
                unblended = false;
                break;
            case OP_VERTEX2F: {
                const float x = FloatAt(at), y = FloatAt(at);
                __real_glVertex2f(x, y);
                break;
            }
            case OP_TEXCOORD2F: {
                const float s = FloatAt(at), t = FloatAt(at);
                __real_glTexCoord2f(s, t);
                break;
            }
            case OP_COLOR4F: {
                const float r = FloatAt(at), g = FloatAt(at), b = FloatAt(at), a = FloatAt(at);
                __real_glColor4f(r, g, b, a);
                break;
            }
            case OP_RECTF: {
                const float x0 = FloatAt(at), y0 = FloatAt(at), x1 = FloatAt(at), y1 = FloatAt(at);
                const bool opaque = DrawsOpaqueColour(at, false);
                if (opaque) __real_glDisable(GL_BLEND);
                __real_glRectf(x0, y0, x1, y1);
                if (opaque) __real_glEnable(GL_BLEND);
                break;
            }
            case OP_RECTI: {
                const GLint x0 = static_cast<GLint>(frame[at]), y0 = static_cast<GLint>(frame[at + 1]);
                const GLint x1 = static_cast<GLint>(frame[at + 2]), y1 = static_cast<GLint>(frame[at + 3]);
                at += 4;
                const bool opaque = DrawsOpaqueColour(at, false);
                if (opaque) __real_glDisable(GL_BLEND);
                __real_glRecti(x0, y0, x1, y1);
                if (opaque) __real_glEnable(GL_BLEND);
                break;
            }
            case OP_TRANSLATEF: {
                const float x = FloatAt(at), y = FloatAt(at), z = FloatAt(at);
                __real_glTranslatef(x, y, z);
                break;
            }
            case OP_SCALEF: {
                const float x = FloatAt(at), y = FloatAt(at), z = FloatAt(at);
                __real_glScalef(x, y, z);
                break;
            }
            case OP_ROTATEF: {
                const float angle = FloatAt(at), x = FloatAt(at), y = FloatAt(at), z = FloatAt(at);
                __real_glRotatef(angle, x, y, z);
                break;
            }
            case OP_PUSHMATRIX: __real_glPushMatrix(); break;
            case OP_POPMATRIX: __real_glPopMatrix(); break;
            case OP_ENABLE: __real_glEnable(frame[at++]); break;
            case OP_DISABLE: __real_glDisable(frame[at++]); break;
            case OP_BINDTEXTURE: {
                const GLenum target = frame[at], texture = frame[at + 1];
                at += 2;
                __real_glBindTexture(target, texture);
                break;
            }
            case OP_BLENDFUNC: {
                const GLenum source = frame[at], destination = frame[at + 1];
                at += 2;
                __real_glBlendFunc(source, destination);
                break;
            }
            case OP_RASTERPOS2F: {
                const float x = FloatAt(at), y = FloatAt(at);
                __real_glRasterPos2f(x, y);
                break;
            }
            case OP_SCISSOR: {
                const GLint x = static_cast<GLint>(frame[at]), y = static_cast<GLint>(frame[at + 1]);
                const GLsizei w = static_cast<GLsizei>(frame[at + 2]), h = static_cast<GLsizei>(frame[at + 3]);
                at += 4;
                __real_glScissor(x, y, w, h);
                break;
            }
            case OP_PUSHATTRIB: __real_glPushAttrib(frame[at++]); break;
            case OP_POPATTRIB: __real_glPopAttrib(); break;
            case OP_CLEAR: __real_glClear(frame[at++]); break;
            case OP_CLEARCOLOR: {
                const float r = FloatAt(at), g = FloatAt(at), b = FloatAt(at), a = FloatAt(at);
                __real_glClearColor(r, g, b, a);
                break;
            }
            case OP_BITMAPCHARACTER: {
                void* font = const_cast<void*>(PointerAt(at));
                __real_glutBitmapCharacter(font, static_cast<int>(frame[at++]));
                break;
            }
        }
    }
}
