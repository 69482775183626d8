// What full-screen pictures and a picture load cost at 1366 x 768, apart
// from any screen of the game.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <vector>

#include "ScreenBench.h"
#include "support/ScratchFolder.h"
#include "ui/CClickableImage.h"

namespace {

constexpr int kWidth = ScreenBench::kWidth;
constexpr int kHeight = ScreenBench::kHeight;

ScratchFolder& Pictures() {
    static ScratchFolder folder;
    static bool made = false;
    if (!made) {
        // A full-screen background is made at 2048 x 1024 and stretched.
        folder.AddPicture("background.png", 2048, 1024, 0x3080C0FF);
        folder.AddPicture("button.png", 256, 256, 0xE0A030FF);
        made = true;
    }
    return folder;
}

// One whole frame as the view draws it: clear, N full-screen pictures, swap.
void BM_FrameOfFullScreenPictures(benchmark::State& state) {
    Pictures();
    std::vector<CClickableImage*> layers;
    for (int i = 0; i < state.range(0); ++i) layers.push_back(new CClickableImage("background.png"));
    for (auto _ : state) {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        for (CClickableImage* layer : layers) layer->FillScreen(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    for (CClickableImage* layer : layers) delete layer;
}
BENCHMARK(BM_FrameOfFullScreenPictures)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

// Loading (and freeing) one picture: read, scale, mipmap, compress, upload.
void BM_LoadPicture(benchmark::State& state) {
    Pictures();
    const char* name = state.range(0) == 0 ? "background.png" : "button.png";
    for (auto _ : state) {
        CClickableImage image(name);
        benchmark::DoNotOptimize(image.GetTexture());
    }
    state.SetLabel(name);
}
BENCHMARK(BM_LoadPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
