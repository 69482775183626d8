// Gives keysyms that the test display's keyboard lacks (é, è…) keys of
// their own, for good: xdotool then finds them on the keyboard and sends
// them at once, instead of remapping a key for each press, which the game
// may read after the remap is undone.
// The server forgets this when its last client leaves: bind once the game runs.
// Usage: zelk_bind_keysyms eacute egrave …
#include <X11/Xlib.h>

#include <cstdio>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    int low = 0, high = 0;
    XDisplayKeycodes(display, &low, &high);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(display, low, high - low + 1, &perCode);
    int next = high;
    for (int i = 1; i < argc; ++i) {
        const KeySym wanted = XStringToKeysym(argv[i]);
        if (wanted == NoSymbol) {
            std::fprintf(stderr, "unknown keysym %s\n", argv[i]);
            return 2;
        }
        if (XKeysymToKeycode(display, wanted) != 0) continue;  // on the keyboard already
        // The highest keycodes with nothing on them.
        while (next >= low) {
            bool empty = true;
            for (int k = 0; k < perCode; ++k) empty = empty && map[(next - low) * perCode + k] == NoSymbol;
            if (empty) break;
            --next;
        }
        if (next < low) return 3;
        // Two symbols a key (plain and shifted), as the server's core map takes them.
        KeySym syms[2] = {wanted, wanted};
        XChangeKeyboardMapping(display, next, 2, syms, 1);
        --next;
    }
    XFree(map);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
