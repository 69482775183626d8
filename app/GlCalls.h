#pragma once
// The real GL entry points behind the recorded ones (see FrameRecorder.h):
// with --wrap=glX, glX in the game's code means __wrap_glX and __real_glX
// is GL's own.
#include <GL/gl.h>

extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glVertex2f(GLfloat x, GLfloat y);
void __real_glTexCoord2f(GLfloat s, GLfloat t);
void __real_glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void __real_glRectf(GLfloat x0, GLfloat y0, GLfloat x1, GLfloat y1);
void __real_glRecti(GLint x0, GLint y0, GLint x1, GLint y1);
void __real_glTranslatef(GLfloat x, GLfloat y, GLfloat z);
void __real_glScalef(GLfloat x, GLfloat y, GLfloat z);
void __real_glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void __real_glPushMatrix();
void __real_glPopMatrix();
void __real_glEnable(GLenum cap);
void __real_glDisable(GLenum cap);
void __real_glBindTexture(GLenum target, GLuint texture);
void __real_glBlendFunc(GLenum source, GLenum destination);
void __real_glRasterPos2f(GLfloat x, GLfloat y);
void __real_glScissor(GLint x, GLint y, GLsizei w, GLsizei h);
void __real_glPushAttrib(GLbitfield mask);
void __real_glPopAttrib();
void __real_glClear(GLbitfield mask);
void __real_glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void __real_glDeleteTextures(GLsizei n, const GLuint* textures);
void __real_glutBitmapCharacter(void* font, int character);
}
