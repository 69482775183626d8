#include <X11/Xlib.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include "app/CZelkApp.h"

int main(int argc, char** argv) {
    // Every picture passes through buffers of several MiB that live for one
    // load: they come from and go back to the system at once, instead of
    // raising the heap for good.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
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
