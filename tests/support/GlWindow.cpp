#include "support/GlWindow.h"

#include <GL/freeglut.h>

#include "app/CZelkView.h"

namespace {
int window = 0;
}

void GlWindow::Use() {
    if (window == 0) {
        int argc = 1;
        char name[] = "zelk_tests";
        char* argv[] = {name, nullptr};
        if (!glutGet(GLUT_INIT_STATE)) glutInit(&argc, argv);
        glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
        glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(kWidth, kHeight);
        window = glutCreateWindow("zelk tests");
        glutDisplayFunc([] {});
        for (int i = 0; i < 5; ++i) glutMainLoopEvent();
    }
    glutSetWindow(window);
    CZelkView view;
    view.Init();
    view.OnSize(kWidth, kHeight);
    glLoadIdentity();
}

int GlWindow::Id() { return window; }

void GlWindow::BeginFrame() {
    Use();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

GlWindow::Ink GlWindow::DarkInk(int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const unsigned p = ReadPixel(x, y);
            if (((p >> 24) & 0xFF) >= 0x60 || ((p >> 16) & 0xFF) >= 0x60) continue;
            if (y < ink.top) ink.top = y;
            if (y > ink.bottom) ink.bottom = y;
            if (x < ink.left) ink.left = x;
            if (x > ink.right) ink.right = x;
        }
    }
    return ink;
}

unsigned GlWindow::ReadPixel(int x, int y) {
    glFinish();
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return (unsigned(rgba[0]) << 24) | (unsigned(rgba[1]) << 16) | (unsigned(rgba[2]) << 8) | rgba[3];
}
