#pragma once
#include <functional>
#include <string>

// Xlib's types, without its macros (None, Bool, Status...) in every file.
struct _XDisplay;
struct _XIM;
struct _XIC;

// The keyboard as the learner's desktop would read it: through the X input
// method, so dead keys (^ then o), the Compose key and an input method
// server all work. freeglut reads keys with XLookupString alone, which
// knows none of that: while this is open, the window's key events are taken
// out of Xlib's queue before freeglut reads it, and what they type is handed
// on. Every other event stays for freeglut, in order.
class CInputMethod {
public:
    // Text typed, in UTF-8 (one key may give several characters, or none
    // while a dead key waits for its letter).
    using TextHandler = std::function<void(const std::string& utf8)>;
    // A key that types nothing, as GLUT numbers its special keys.
    using SpecialHandler = std::function<void(int glutKey)>;

    CInputMethod(TextHandler onText, SpecialHandler onSpecial);
    ~CInputMethod() { Close(); }
    CInputMethod(const CInputMethod&) = delete;
    CInputMethod& operator=(const CInputMethod&) = delete;

    // Opens the desktop's input method (XMODIFIERS) or, without one, Xlib's
    // own, which composes by the locale's Compose table. While it is open,
    // LC_CTYPE is the locale it opened in. False when neither opens: the
    // keys stay freeglut's, as before.
    bool Open(_XDisplay* display, unsigned long window);
    void Close();
    bool IsOpen() const { return context != nullptr; }

    // Takes the window's key events from Xlib's queue, gives each to the
    // input method, and hands on what the keys typed.
    void TakeKeyEvents();

    // The GLUT special key freeglut gives for an X keysym; 0 for none.
    static int SpecialKeyFor(unsigned long keysym);

private:
    bool OpenInLocale();

    TextHandler onText;
    SpecialHandler onSpecial;
    _XDisplay* display = nullptr;
    unsigned long window = 0;
    _XIM* method = nullptr;
    _XIC* context = nullptr;
    std::string previousLocale;  // LC_CTYPE before: the input method's is set while it is open
};
