#include "app/CMainFrame.h"

#include <GL/freeglut.h>

#include "app/CZelkApp.h"
#include "app/Latin1.h"
#include "core/CModel.h"

namespace {
enum MenuEntry { MENU_EXIT = 2, MENU_ABOUT = 3, MENU_SOUND = 4, MENU_SUBTITLES = 5, MENU_FULL_SCREEN = 6 };

// The menu's words in French, in the bytes its bitmap font draws. They
// name both ways of each switch: freeglut forbids changing an entry while
// its menu may be open, so they never change.
struct MenuLine {
    const char* words;
    MenuEntry entry;
};
constexpr MenuLine kMenu[] = {
    {"Couper ou remettre le son", MENU_SOUND},
    {"Afficher ou cacher les sous-titres", MENU_SUBTITLES},
    {"Plein écran ou fenêtre (F11)", MENU_FULL_SCREEN},
    {"À propos de Zelk", MENU_ABOUT},
    {"Quitter", MENU_EXIT},
};
}  // namespace

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
    for (const MenuLine& line : kMenu) glutAddMenuEntry(Latin1FromUtf8(line.words).c_str(), line.entry);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void CMainFrame::Destroy() {
    if (window > 0) glutDestroyWindow(window);
    window = 0;
}

void CMainFrame::OnMenu(int entry) {
    CModel* model = theApp.GetView() ? theApp.GetView()->GetModel() : nullptr;
    switch (entry) {
        case MENU_EXIT: CZelkApp::PostClose(); break;
        case MENU_ABOUT: theApp.OnAppAbout(); break;
        case MENU_SOUND:
            if (model) model->ToggleMute();
            break;
        case MENU_SUBTITLES:
            if (model) model->ToggleSubtitles();
            break;
        case MENU_FULL_SCREEN:
            if (theApp.GetMainWnd()) theApp.GetMainWnd()->ToggleView();
            break;
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
