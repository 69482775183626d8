// Preloaded into the game by tools/measure-idle, never linked into it: it
// notes, in the file named by ZELK_FRAME_CLOCK, when each of the first
// frames reached the screen, how many frame ticks and how many swaps there
// were, and the most private memory it held.
//   "swap N SECONDS"   the N-th buffer swap (wall clock), for the first few
//   "ticks N" "swaps N" running counts, written once a second
//   "anon KIB"         the most private memory seen (RssAnon, every 8th tick)
//   "peak KIB"         VmHWM, when the game ends of itself
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

FILE* Log() {
    static FILE* log = [] {
        const char* name = std::getenv("ZELK_FRAME_CLOCK");
        return name ? std::fopen(name, "w") : nullptr;
    }();
    return log;
}

double WallClock() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long swaps = 0;
long peakAnon = 0;

// RssAnon: the process's own memory, without the shared libraries' pages.
void SampleAnon() {
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "RssAnon:", 8) == 0) {
            const long kib = std::atol(line + 8);
            if (kib > peakAnon) peakAnon = kib;
        }
    }
    if (status) std::fclose(status);
}
long ticks = 0;
double lastReport = 0.0;

void ReportCounts() {
    const double now = WallClock();
    if (Log() == nullptr || now - lastReport < 1.0) return;
    lastReport = now;
    std::fprintf(Log(), "ticks %ld\nswaps %ld\nanon %ld\n", ticks, swaps, peakAnon);
    std::fflush(Log());
}

// The whole run's high-water mark, when the game ends of itself.
__attribute__((destructor)) void ReportPeak() {
    if (Log() == nullptr) return;
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) std::fprintf(Log(), "peak %ld\n", std::atol(line + 6));
    }
    if (status) std::fclose(status);
    std::fprintf(Log(), "anon %ld\n", peakAnon);
    std::fflush(Log());
}

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    using Swap = void (*)(Display*, GLXDrawable);
    static Swap real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    real(display, drawable);
    ++swaps;
    SampleAnon();
    if (Log() && swaps <= 5) {
        std::fprintf(Log(), "swap %ld %.6f\n", swaps, WallClock());
        std::fflush(Log());
    }
    ReportCounts();
}

// The view reads the viewport once at the start of every tick, drawn or not.
extern "C" void glGetIntegerv(GLenum name, GLint* values) {
    using Get = void (*)(GLenum, GLint*);
    static Get real = reinterpret_cast<Get>(dlsym(RTLD_NEXT, "glGetIntegerv"));
    real(name, values);
    if (name == GL_VIEWPORT) {
        if (++ticks % 8 == 0) SampleAnon();
        ReportCounts();
    }
}
