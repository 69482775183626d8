#include "app/CMainFrame.h"

#include <GL/freeglut.h>

#include "app/CZelkApp.h"

namespace {
enum MenuEntry { MENU_PLAY = 1, MENU_EXIT = 2, MENU_ABOUT = 3 };
}

CMainFrame::CMainFrame() {
    // X draws the decorations outside the client area, so there are none
    // to push off the screen here: the rectangle is the screen itself.
    fullScreenRect = FullScreenRect(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT), 0, 0, 0, 0);
}

CRect CMainFrame::FullScreenRect(int screenWidth, int screenHeight, int cxFrame, int cyCaption,
                                 int cyMenu, int cyFrame) {
    const int x = -cxFrame;
    const int y = -(cyFrame + cyMenu + cyCaption);
    const int width = screenWidth + 2 * cxFrame;
    const int height = screenHeight + 2 * cyFrame + cyMenu + cyCaption;
    return CRect(x, y, x + width, y + height);
}

bool CMainFrame::Create(int width, int height) {
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    window = glutCreateWindow(kTitle);
    if (window <= 0) return false;
    // Frames are drawn on ticks only; an exposed window gets a whole one.
    glutDisplayFunc([] {
        if (CZelkView* view = theApp.GetView()) view->RedrawNextFrame();
    });
    return true;
}

void CMainFrame::AttachMenu() {
    if (window <= 0) return;
    glutSetWindow(window);
    glutCreateMenu(&CMainFrame::OnMenu);
    glutAddMenuEntry("Play", MENU_PLAY);  // inert, as it always was
    glutAddMenuEntry("Exit", MENU_EXIT);
    glutAddMenuEntry("About Zelk...", MENU_ABOUT);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void CMainFrame::Destroy() {
    if (window > 0) glutDestroyWindow(window);
    window = 0;
}

void CMainFrame::OnMenu(int entry) {
    switch (entry) {
        case MENU_EXIT: CZelkApp::PostClose(); break;
        case MENU_ABOUT: theApp.OnAppAbout(); break;
        default: break;
    }
}

CRect CMainFrame::GetWindowRect() const {
    const int x = glutGet(GLUT_WINDOW_X);
    const int y = glutGet(GLUT_WINDOW_Y);
    return CRect(x, y, x + glutGet(GLUT_WINDOW_WIDTH), y + glutGet(GLUT_WINDOW_HEIGHT));
}

void CMainFrame::ToggleView() {
    if (window <= 0) return;
    const int previous = glutGetWindow();
    glutSetWindow(window);
    if (boolFull) {
        glutLeaveFullScreen();
        glutPositionWindow(rectNormal.left, rectNormal.top);
        glutReshapeWindow(rectNormal.Width(), rectNormal.Height());
    } else {
        rectNormal = GetWindowRect();
        glutFullScreen();
    }
    boolFull = !boolFull;
    if (previous > 0) glutSetWindow(previous);
}
