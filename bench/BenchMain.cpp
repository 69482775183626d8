// The bench runs under a display (Xvfb uses Mesa's software renderer):
//   xvfb-run -a -s "-screen 0 1366x768x24" build/bench/zelk_bench
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "ScreenBench.h"

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ScreenBench::OpenWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
