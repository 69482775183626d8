// Keys sent through the X server to a window of the test's own, read by
// Xlib's input method as the game reads the learner's keyboard.
// gtest first: X11 defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CDialogFrame.h"
#include "app/CInputMethod.h"
#include "app/Latin1.h"
#include "support/ScratchFolder.h"

namespace {

// An environment variable set for the test, and put back after it.
class Setting {
public:
    Setting(const char* name, const std::string& value) : name(name) {
        const char* old = std::getenv(name);
        had = old != nullptr;
        if (had) kept = old;
        setenv(name, value.c_str(), 1);
    }
    ~Setting() {
        if (had) setenv(name, kept.c_str(), 1); else unsetenv(name);
    }

private:
    const char* name;
    bool had = false;
    std::string kept;
};

class InputMethod : public testing::Test {
protected:
    void SetUp() override {
        // Compose sequences that give what no keyboard layout has.
        folder.Write("Compose", "include \"%L\"\n<dead_circumflex> <x> : \"\xE4\xB8\xAD\"\n");
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
        XSelectInput(display, window, KeyPressMask | KeyReleaseMask | ButtonPressMask);
        BindSpareKey(XK_dead_circumflex);
    }
    void TearDown() override {
        keyboard.Close();
        if (spare != 0) {
            KeySym nothing[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(display, spare, 2, nothing, 1);
        }
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    // The test display's keyboard has no dead keys: one goes on a free key.
    void BindSpareKey(KeySym symbol) {
        if (XKeysymToKeycode(display, symbol) != 0) return;
        int low = 0, high = 0, perCode = 0;
        XDisplayKeycodes(display, &low, &high);
        KeySym* map = XGetKeyboardMapping(display, low, high - low + 1, &perCode);
        for (int code = high; code >= low && spare == 0; --code) {
            bool empty = true;
            for (int k = 0; k < perCode; ++k) empty = empty && map[(code - low) * perCode + k] == NoSymbol;
            if (empty) spare = code;
        }
        XFree(map);
        ASSERT_NE(spare, 0);
        KeySym symbols[2] = {symbol, symbol};
        XChangeKeyboardMapping(display, spare, 2, symbols, 1);
        XSync(display, False);
        // As freeglut does when the keyboard changes.
        XEvent event;
        while (XCheckTypedEvent(display, MappingNotify, &event)) XRefreshKeyboardMapping(&event.xmapping);
    }

    void Send(int type, unsigned keycode, unsigned button = 0) {
        XEvent event = {};
        event.type = type;
        if (type == ButtonPress) {
            event.xbutton.window = window;
            event.xbutton.root = DefaultRootWindow(display);
            event.xbutton.button = button;
            event.xbutton.same_screen = True;
        } else {
            event.xkey.window = window;
            event.xkey.root = DefaultRootWindow(display);
            event.xkey.keycode = keycode;
            event.xkey.same_screen = True;
        }
        const long mask = type == KeyPress ? KeyPressMask : type == KeyRelease ? KeyReleaseMask : ButtonPressMask;
        XSendEvent(display, window, False, mask, &event);
    }
    void Press(KeySym symbol) {
        const KeyCode code = XKeysymToKeycode(display, symbol);
        ASSERT_NE(code, 0) << XKeysymToString(symbol);
        Send(KeyPress, code);
        Send(KeyRelease, code);
    }
    void Click() { Send(ButtonPress, 0, 1); }
    // Everything sent has come back from the server, and the keys are read.
    void Take() {
        XSync(display, False);
        keyboard.TakeKeyEvents();
    }
    std::string Typed() const {
        std::string all;
        for (const std::string& t : typed) all += t;
        return all;
    }

    ScratchFolder folder;
    Setting modifiers{"XMODIFIERS", "@im=none"};  // Xlib's own, whatever the desktop has
    Setting compose{"XCOMPOSEFILE", folder.File("Compose")};
    Display* display = nullptr;
    Window window = 0;
    int spare = 0;
    std::vector<std::string> typed;
    std::vector<int> specials;
    CInputMethod keyboard{[this](const std::string& utf8) { typed.push_back(utf8); },
                          [this](int key) { specials.push_back(key); }};
};

}  // namespace

TEST(InputMethodKeys, SpecialKeysAreNumberedAsFreeglutNumbersThem) {
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_F11), GLUT_KEY_F11);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_F1), GLUT_KEY_F1);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_Left), GLUT_KEY_LEFT);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_KP_Right), GLUT_KEY_RIGHT);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_KP_Home), GLUT_KEY_HOME);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_End), GLUT_KEY_END);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_KP_Delete), GLUT_KEY_DELETE);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_Shift_L), GLUT_KEY_SHIFT_L);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_a), 0);
    EXPECT_EQ(CInputMethod::SpecialKeyFor(XK_Multi_key), 0);
}

TEST_F(InputMethod, ADeadCircumflexThenOTypesOCircumflex) {
    ASSERT_TRUE(keyboard.Open(display, window));
    Press(XK_dead_circumflex);
    Take();
    EXPECT_TRUE(typed.empty());  // the accent waits for its letter
    Press(XK_o);
    Press(XK_m);
    Take();
    EXPECT_EQ(Typed(), "ôm");
    Press(XK_F11);
    Press(XK_BackSpace);
    Take();
    EXPECT_EQ(specials, std::vector<int>({GLUT_KEY_F11}));
    EXPECT_EQ(Typed(), "ôm\b");
}

TEST_F(InputMethod, OnlyKeysAreTakenAndTheMouseStaysForFreeglutInOrder) {
    ASSERT_TRUE(keyboard.Open(display, window));
    Click();
    Press(XK_a);
    Click();
    Take();
    EXPECT_EQ(Typed(), "a");
    int clicks = 0;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        EXPECT_EQ(event.type, ButtonPress);
        ++clicks;
    }
    EXPECT_EQ(clicks, 2);
}

TEST_F(InputMethod, ClosedItLeavesTheKeysToFreeglutInItsOwnLocale) {
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    ASSERT_TRUE(keyboard.Open(display, window));
    keyboard.Close();
    EXPECT_FALSE(keyboard.IsOpen());
    // freeglut's XLookupString writes in the locale: Latin-1 in C, as before.
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
    Press(XK_a);
    Take();
    EXPECT_TRUE(typed.empty());
    XEvent event;
    EXPECT_TRUE(XCheckTypedWindowEvent(display, window, KeyPress, &event));
}

TEST_F(InputMethod, ASignComposedThatNoProfileCanHoldIsRefusedInTheNameField) {
    ASSERT_TRUE(keyboard.Open(display, window));
    for (KeySym key : {XK_A, XK_n, XK_a, XK_dead_circumflex, XK_x}) {
        if (key == XK_A) {
            // A capital, with Shift held.
            XEvent event = {};
            event.xkey = {KeyPress, 0, False, display, window, DefaultRootWindow(display), 0, CurrentTime,
                          0, 0, 0, 0, ShiftMask, XKeysymToKeycode(display, XK_a), True};
            XSendEvent(display, window, False, KeyPressMask, &event);
        } else {
            Press(key);
        }
    }
    Take();
    ASSERT_EQ(Typed(), "Ana\xE4\xB8\xAD");
    CDialogFrame frame("Connexion", 546, 250);
    frame.AddEdit(104, 96, 328, 40);
    for (const std::string& text : typed) frame.OnText(text);
    EXPECT_EQ(frame.GetText(), "Ana");
    EXPECT_EQ(frame.GetMessage(), Latin1FromUtf8("Ce signe ne peut pas être écrit ici."));
}
