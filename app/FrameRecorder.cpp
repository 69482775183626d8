#include "app/FrameRecorder.h"

#include <GL/freeglut.h>

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

void FrameRecorder::Replay() {
    size_t at = 0;
    while (at < frame.size()) {
        const Op op = static_cast<Op>(frame[at++]);
        switch (op) {
            case OP_BEGIN: __real_glBegin(frame[at++]); break;
            case OP_END: __real_glEnd(); break;
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
                __real_glRectf(x0, y0, x1, y1);
                break;
            }
            case OP_RECTI: {
                const GLint x0 = static_cast<GLint>(frame[at]), y0 = static_cast<GLint>(frame[at + 1]);
                const GLint x1 = static_cast<GLint>(frame[at + 2]), y1 = static_cast<GLint>(frame[at + 3]);
                at += 4;
                __real_glRecti(x0, y0, x1, y1);
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
    last.swap(frame);
    lastValid = true;
}
