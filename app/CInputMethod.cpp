#include "app/CInputMethod.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool LocaleIsUtf8() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

// The window's key events, and the messages an input method server sends
// to Xlib's own windows (freeglut would drop those, and the server's
// replies with them).
Bool IsForInputMethod(Display*, XEvent* event, XPointer arg) {
    const Window window = *reinterpret_cast<const Window*>(arg);
    switch (event->type) {
        case KeyPress:
        case KeyRelease: return event->xkey.window == window;
        case ClientMessage: return event->xclient.window != window;
        default: return False;
    }
}

// The style that asks nothing of us: the input method shows whatever it
// shows (a candidate list, say) in windows of its own.
XIMStyle PlainStyle(XIM method) {
    XIMStyles* styles = nullptr;
    if (XGetIMValues(method, XNQueryInputStyle, &styles, nullptr) != nullptr || styles == nullptr) return 0;
    XIMStyle chosen = 0;
    for (const XIMStyle wanted : {XIMPreeditNothing | XIMStatusNothing, XIMPreeditNone | XIMStatusNone}) {
        for (unsigned short i = 0; i < styles->count_styles && chosen == 0; ++i) {
            if (styles->supported_styles[i] == wanted) chosen = wanted;
        }
    }
    XFree(styles);
    return chosen;
}

}  // namespace

CInputMethod::CInputMethod(TextHandler text, SpecialHandler special)
    : onText(std::move(text)), onSpecial(std::move(special)) {}

bool CInputMethod::Open(Display* d, unsigned long w) {
    Close();
    if (d == nullptr || w == 0) return false;
    display = d;
    window = w;
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    previousLocale = current ? current : "C";
    // The learner's locale picks the Compose table; the C locale has none,
    // so a locale that is not UTF-8 gives way to C.UTF-8, whose table has
    // every letter.
    if (std::setlocale(LC_CTYPE, "") && LocaleIsUtf8() && OpenInLocale()) return true;
    if (std::setlocale(LC_CTYPE, "C.UTF-8") && OpenInLocale()) return true;
    if (std::setlocale(LC_CTYPE, "") && OpenInLocale()) return true;
    std::setlocale(LC_CTYPE, previousLocale.c_str());
    return false;
}

bool CInputMethod::OpenInLocale() {
    if (!XSupportsLocale()) return false;
    // The desktop's input method first; "@im=none" is Xlib's own, which
    // needs no server and still knows dead keys and the Compose key.
    for (const char* modifiers : {"", "@im=none"}) {
        if (XSetLocaleModifiers(modifiers) == nullptr) continue;
        method = XOpenIM(display, nullptr, nullptr, nullptr);
        if (method == nullptr) continue;
        const XIMStyle style = PlainStyle(method);
        if (style != 0) {
            context = XCreateIC(method, XNInputStyle, style, XNClientWindow, window, XNFocusWindow, window,
                                nullptr);
        }
        if (context != nullptr) break;
        XCloseIM(method);
        method = nullptr;
    }
    if (context == nullptr) return false;
    // freeglut's events stay as they are; the input method may want more.
    long wanted = 0;
    XGetICValues(context, XNFilterEvents, &wanted, nullptr);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes)) {
        XSelectInput(display, window, attributes.your_event_mask | wanted | KeyPressMask | KeyReleaseMask);
    }
    // A server that goes away takes its contexts along: the keys go back
    // to freeglut, which reads them in the locale it always had.
    XIMCallback gone;
    gone.client_data = reinterpret_cast<XPointer>(this);
    gone.callback = [](XIM, XPointer self, XPointer) {
        CInputMethod* me = reinterpret_cast<CInputMethod*>(self);
        me->context = nullptr;
        me->method = nullptr;
        std::setlocale(LC_CTYPE, me->previousLocale.c_str());
    };
    XSetIMValues(method, XNDestroyCallback, &gone, nullptr);
    XSetICFocus(context);
    return true;
}

void CInputMethod::Close() {
    if (method == nullptr) return;
    if (context != nullptr) XDestroyIC(context);
    XCloseIM(method);
    context = nullptr;
    method = nullptr;
    std::setlocale(LC_CTYPE, previousLocale.c_str());
}

void CInputMethod::TakeKeyEvents() {
    XEvent event;
    // The input method may put an event back (the letter a dead key made):
    // the loop takes that one too.
    while (context != nullptr &&
           XCheckIfEvent(display, &event, IsForInputMethod, reinterpret_cast<XPointer>(&window))) {
        if (XFilterEvent(&event, None) || event.type != KeyPress) continue;
        char buffer[64];
        KeySym keysym = NoSymbol;
        Status status = 0;
        int length = Xutf8LookupString(context, &event.xkey, buffer, sizeof buffer, &keysym, &status);
        std::string text;
        if (status == XBufferOverflow) {
            std::vector<char> larger(static_cast<size_t>(length));
            length = Xutf8LookupString(context, &event.xkey, larger.data(), length, &keysym, &status);
            if (length > 0) text.assign(larger.data(), static_cast<size_t>(length));
        } else if ((status == XLookupChars || status == XLookupBoth) && length > 0) {
            text.assign(buffer, static_cast<size_t>(length));
        }
        if (!text.empty()) {
            if (onText) onText(text);
        } else if (status == XLookupKeySym || status == XLookupBoth) {
            const int special = SpecialKeyFor(keysym);
            if (special != 0 && onSpecial) onSpecial(special);
        }
    }
}

int CInputMethod::SpecialKeyFor(unsigned long keysym) {
    if (keysym >= XK_F1 && keysym <= XK_F12) return GLUT_KEY_F1 + static_cast<int>(keysym - XK_F1);
    switch (keysym) {
        case XK_Left: case XK_KP_Left: return GLUT_KEY_LEFT;
        case XK_Right: case XK_KP_Right: return GLUT_KEY_RIGHT;
        case XK_Up: case XK_KP_Up: return GLUT_KEY_UP;
        case XK_Down: case XK_KP_Down: return GLUT_KEY_DOWN;
        case XK_Prior: case XK_KP_Prior: return GLUT_KEY_PAGE_UP;
        case XK_Next: case XK_KP_Next: return GLUT_KEY_PAGE_DOWN;
        case XK_Home: case XK_KP_Home: return GLUT_KEY_HOME;
        case XK_End: case XK_KP_End: return GLUT_KEY_END;
        case XK_Insert: case XK_KP_Insert: return GLUT_KEY_INSERT;
        case XK_Num_Lock: return GLUT_KEY_NUM_LOCK;
        case XK_KP_Begin: return GLUT_KEY_BEGIN;
        case XK_Delete: case XK_KP_Delete: return GLUT_KEY_DELETE;
        case XK_Shift_L: return GLUT_KEY_SHIFT_L;
        case XK_Shift_R: return GLUT_KEY_SHIFT_R;
        case XK_Control_L: return GLUT_KEY_CTRL_L;
        case XK_Control_R: return GLUT_KEY_CTRL_R;
        case XK_Alt_L: return GLUT_KEY_ALT_L;
        case XK_Alt_R: return GLUT_KEY_ALT_R;
        case XK_Super_L: return GLUT_KEY_SUPER_L;
        case XK_Super_R: return GLUT_KEY_SUPER_R;
        default: return 0;
    }
}
