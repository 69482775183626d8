#include "app/CZelkApp.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <sys/select.h>

#include <csignal>
#include <chrono>
#include <cmath>

#include "app/CAboutDlg.h"
#include "app/EventTrace.h"

CZelkApp theApp;

namespace {

volatile std::sig_atomic_t closingSignal = 0;

void OnClosingSignal(int signal) { closingSignal = signal; }

constexpr int kStartWidth = 1024;  // the windowed size, before full screen
constexpr int kStartHeight = 768;

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

CPoint At(int x, int y) { return CPoint(x, y); }

void OnReshape(int w, int h) {
    if (theApp.GetView()) theApp.GetView()->OnSize(w, h);
}

void OnMouse(int button, int state, int x, int y) {
    if (button != GLUT_LEFT_BUTTON || theApp.GetView() == nullptr) return;
    // Told before it is handled: a click may open a dialog that runs its
    // own loop. Every line after this one comes after its handling.
    EventTrace::Pointer(state == GLUT_DOWN ? "down" : "up", x, y);
    if (CDialogFrame* dialog = theApp.GetActiveDialog()) {
        if (state == GLUT_DOWN) {
            dialog->OnLButtonDown(At(x, y));
        } else {
            dialog->OnLButtonUp(At(x, y));
        }
    } else if (state == GLUT_DOWN) {
        theApp.GetView()->OnLButtonDown(At(x, y));
    } else {
        theApp.GetView()->OnLButtonUp(At(x, y));
    }
}

void OnMotion(int x, int y) {
    EventTrace::Pointer("move", x, y);
    if (CDialogFrame* dialog = theApp.GetActiveDialog()) {
        dialog->OnMouseMove(At(x, y));
    } else if (theApp.GetView()) {
        theApp.GetView()->OnMouseMove(At(x, y));
    }
}

void OnKey(unsigned char key, int, int) {
    EventTrace::Key("key", key);
    if (CDialogFrame* dialog = theApp.GetActiveDialog()) dialog->OnKey(key);
}

void OnTyped(const std::string& utf8) {
    for (unsigned char byte : utf8) EventTrace::Key("typed", byte);
    if (CDialogFrame* dialog = theApp.GetActiveDialog()) dialog->OnText(utf8);
}

void OnSpecialKey(int key, int, int) {
    EventTrace::Key("special", key);
    // F11 lets a learner leave full screen, and go back.
    if (key == GLUT_KEY_F11 && theApp.GetMainWnd()) {
        theApp.GetMainWnd()->ToggleView();
    } else if (CDialogFrame* dialog = theApp.GetActiveDialog()) {
        dialog->OnSpecialKey(key);
    }
}

}  // namespace

bool CZelkApp::InitInstance(int* argc, char** argv) {
    glutInit(argc, argv);
    EventTrace::Open();
    // Closing the window must come back to us, so the shutdown runs in full.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    document = new CZelkDoc();
    document->OnNewDocument();
    frame = new CMainFrame();
    view = new CZelkView();
    glutInitWindowPosition(0, 0);
    if (!frame->Create(kStartWidth, kStartHeight)) return false;
    view->Init();
    glutReshapeFunc(OnReshape);
    glutMouseFunc(OnMouse);
    glutMotionFunc(OnMotion);
    glutPassiveMotionFunc(OnMotion);
    glutKeyboardFunc(OnKey);
    glutSpecialFunc(OnSpecialKey);
    glutCloseFunc(&CZelkApp::OnWindowClosed);
    CloseOnSignals();
    pacer.Start(Now());
    return true;
}

void CZelkApp::PostClose() { theApp.closeRequested = true; }

void CZelkApp::CloseOnSignals() {
    struct sigaction action = {};
    action.sa_handler = OnClosingSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait for the next event or tick returns at once.
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool CZelkApp::SignalArrived() { return closingSignal != 0; }

void CZelkApp::OnWindowClosed() {
    // freeglut destroys the window right after this: free the GL objects
    // while the context lives. With a dialog up, the scene that opened it is
    // still running: the model goes once the loop has unwound (its pictures
    // then need no freeing, the context took them along).
    if (theApp.activeDialog == nullptr) theApp.Shutdown();
    if (theApp.keyboard) theApp.keyboard->Close();
    theApp.closed = true;
    if (theApp.frame) theApp.frame->ForgetWindow();
}

void CZelkApp::Shutdown() {
    if (view) view->OnDestroy();
}

void CZelkApp::SwapBuffers() { glutSwapBuffers(); }

void CZelkApp::WaitForEventOrTick() {
    const double wait = pacer.SecondsUntilDue(Now());
    if (wait <= 0.0) return;
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) return;
    if (XPending(display) > 0) return;
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval timeout;
    timeout.tv_sec = static_cast<long>(wait);
    timeout.tv_usec = static_cast<long>((wait - std::floor(wait)) * 1e6);
    select(fd + 1, &readable, nullptr, nullptr, &timeout);
}

void CZelkApp::PumpOnce() {
    if (closed) return;
    if (SignalArrived()) closeRequested = true;
    if (keyboard) keyboard->TakeKeyEvents();
    glutMainLoopEvent();
    if (closed) return;
    if (closeRequested) {
        // Closing waits for the loop: never inside a scene's own call.
        if (activeDialog == nullptr) {
            Shutdown();
            if (keyboard) keyboard->Close();
            closed = true;
            frame->Destroy();
        }
        return;
    }
    if (pacer.IsDue(Now())) {
        view->OnTimer();
        pacer.TickTaken(Now());
        if (!keyboard) FinishStartingUp();
    }
    WaitForEventOrTick();
}

void CZelkApp::FinishStartingUp() {
    frame->AttachMenu();
    // Dead keys and the Compose key; without an input method, freeglut's
    // keys still come. Opened after the first frame, which it would delay.
    keyboard = std::make_unique<CInputMethod>(OnTyped, [](int key) { OnSpecialKey(key, 0, 0); });
    keyboard->Open(glXGetCurrentDisplay(), glXGetCurrentDrawable());
}

void CZelkApp::RunUntil(const std::function<bool()>& done) {
    while (!closed && !(done && done())) PumpOnce();
}

int CZelkApp::Run() {
    RunUntil(nullptr);
    Shutdown();
    keyboard.reset();
    delete view;
    view = nullptr;
    delete frame;
    frame = nullptr;
    delete document;
    document = nullptr;
    return 0;
}

void CZelkApp::OnAppAbout() {
    if (activeDialog != nullptr) return;  // one dialog at a time
    CAboutDlg about;
    about.DoModal();
}
