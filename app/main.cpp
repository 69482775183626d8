#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "app/CZelkApp.h"

int main(int argc, char** argv) {
    // freeglut would exit with a terse message of its own; say it plainly.
    const char* name = std::getenv("DISPLAY");
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::printf("zelk: no graphical display (DISPLAY is %s); start it from a desktop session.\n",
                    name && *name ? "unreachable" : "not set");
        return 1;
    }
    XCloseDisplay(display);
    if (!theApp.InitInstance(&argc, argv)) {
        std::printf("zelk: could not open an OpenGL window on this display.\n");
        return 1;
    }
    return theApp.Run();
}
