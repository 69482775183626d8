// The game's drawing calls, as the linker hands them over (--wrap): kept by
// the recorder during a frame, passed straight to GL otherwise.
#include <initializer_list>

#include "app/FrameRecorder.h"
#include "app/GlCalls.h"

namespace {
FrameRecorder& Recorder() { return FrameRecorder::Instance(); }
bool Recording() { return Recorder().IsRecording(); }
void Floats(FrameRecorder::Op op, std::initializer_list<float> values) {
    Recorder().Record(op);
    for (float value : values) Recorder().Float(value);
}
void Words(FrameRecorder::Op op, std::initializer_list<uint32_t> values) {
    Recorder().Record(op);
    for (uint32_t value : values) Recorder().Word(value);
}
}  // namespace

extern "C" {

void __wrap_glBegin(GLenum mode) {
    if (!Recording()) return __real_glBegin(mode);
    Words(FrameRecorder::OP_BEGIN, {mode});
}

void __wrap_glEnd() {
    if (!Recording()) return __real_glEnd();
    Words(FrameRecorder::OP_END, {});
}

void __wrap_glVertex2f(GLfloat x, GLfloat y) {
    if (!Recording()) return __real_glVertex2f(x, y);
    Floats(FrameRecorder::OP_VERTEX2F, {x, y});
}

void __wrap_glTexCoord2f(GLfloat s, GLfloat t) {
    if (!Recording()) return __real_glTexCoord2f(s, t);
    Floats(FrameRecorder::OP_TEXCOORD2F, {s, t});
}

void __wrap_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (!Recording()) return __real_glColor4f(r, g, b, a);
    Floats(FrameRecorder::OP_COLOR4F, {r, g, b, a});
}

void __wrap_glRectf(GLfloat x0, GLfloat y0, GLfloat x1, GLfloat y1) {
    if (!Recording()) return __real_glRectf(x0, y0, x1, y1);
    Floats(FrameRecorder::OP_RECTF, {x0, y0, x1, y1});
}

void __wrap_glRecti(GLint x0, GLint y0, GLint x1, GLint y1) {
    if (!Recording()) return __real_glRecti(x0, y0, x1, y1);
    Words(FrameRecorder::OP_RECTI, {static_cast<uint32_t>(x0), static_cast<uint32_t>(y0),
                                    static_cast<uint32_t>(x1), static_cast<uint32_t>(y1)});
}

void __wrap_glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (!Recording()) return __real_glTranslatef(x, y, z);
    Floats(FrameRecorder::OP_TRANSLATEF, {x, y, z});
}

void __wrap_glScalef(GLfloat x, GLfloat y, GLfloat z) {
    if (!Recording()) return __real_glScalef(x, y, z);
    Floats(FrameRecorder::OP_SCALEF, {x, y, z});
}

void __wrap_glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (!Recording()) return __real_glRotatef(angle, x, y, z);
    Floats(FrameRecorder::OP_ROTATEF, {angle, x, y, z});
}

void __wrap_glPushMatrix() {
    if (!Recording()) return __real_glPushMatrix();
    Words(FrameRecorder::OP_PUSHMATRIX, {});
}

void __wrap_glPopMatrix() {
    if (!Recording()) return __real_glPopMatrix();
    Words(FrameRecorder::OP_POPMATRIX, {});
}

void __wrap_glEnable(GLenum cap) {
    if (!Recording()) return __real_glEnable(cap);
    Words(FrameRecorder::OP_ENABLE, {cap});
}

void __wrap_glDisable(GLenum cap) {
    if (!Recording()) return __real_glDisable(cap);
    Words(FrameRecorder::OP_DISABLE, {cap});
}

// Also bound at once: a picture loading in the middle of a frame sets up its
// new texture through this binding.
void __wrap_glBindTexture(GLenum target, GLuint texture) {
    __real_glBindTexture(target, texture);
    if (Recording()) Words(FrameRecorder::OP_BINDTEXTURE, {target, texture});
}

void __wrap_glBlendFunc(GLenum source, GLenum destination) {
    if (!Recording()) return __real_glBlendFunc(source, destination);
    Words(FrameRecorder::OP_BLENDFUNC, {source, destination});
}

void __wrap_glRasterPos2f(GLfloat x, GLfloat y) {
    if (!Recording()) return __real_glRasterPos2f(x, y);
    Floats(FrameRecorder::OP_RASTERPOS2F, {x, y});
}

void __wrap_glScissor(GLint x, GLint y, GLsizei w, GLsizei h) {
    if (!Recording()) return __real_glScissor(x, y, w, h);
    Words(FrameRecorder::OP_SCISSOR, {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                                      static_cast<uint32_t>(w), static_cast<uint32_t>(h)});
}

void __wrap_glPushAttrib(GLbitfield mask) {
    if (!Recording()) return __real_glPushAttrib(mask);
    Words(FrameRecorder::OP_PUSHATTRIB, {mask});
}

void __wrap_glPopAttrib() {
    if (!Recording()) return __real_glPopAttrib();
    Words(FrameRecorder::OP_POPATTRIB, {});
}

void __wrap_glClear(GLbitfield mask) {
    if (!Recording()) return __real_glClear(mask);
    Words(FrameRecorder::OP_CLEAR, {mask});
}

void __wrap_glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (!Recording()) return __real_glClearColor(r, g, b, a);
    Floats(FrameRecorder::OP_CLEARCOLOR, {r, g, b, a});
}

// A texture the frame being recorded still draws goes once the frame is done.
// Its name may come back for another picture: the screen is no longer known.
void __wrap_glDeleteTextures(GLsizei n, const GLuint* textures) {
    Recorder().Invalidate();
    if (!Recording()) return __real_glDeleteTextures(n, textures);
    for (GLsizei i = 0; i < n; ++i) Recorder().DeleteLater(textures[i]);
}

void __wrap_glutBitmapCharacter(void* font, int character) {
    if (!Recording()) return __real_glutBitmapCharacter(font, character);
    Recorder().Record(FrameRecorder::OP_BITMAPCHARACTER);
    Recorder().Pointer(font);
    Recorder().Word(static_cast<uint32_t>(character));
}

}  // extern "C"
