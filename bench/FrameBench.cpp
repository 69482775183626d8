// What a frame and a picture load cost at 1366 x 768, as a baseline for
// the scenes: run under a display (Xvfb uses Mesa's software renderer).
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "app/CZelkView.h"
#include "core/CModel.h"
#include "support/ScratchFolder.h"
#include "ui/CClickableImage.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

void OpenWindow() {
    int argc = 1;
    char name[] = "zelk_bench";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWidth, kHeight);
    glutCreateWindow("zelk bench");
    glutDisplayFunc([] {});
    for (int i = 0; i < 5; ++i) glutMainLoopEvent();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    CZelkView view;
    view.Init();
    view.OnSize(kWidth, kHeight);
}

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

// One frame of each screen with the game's own pictures (when built).
void BM_SceneFrame(benchmark::State& state) {
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    model.SetCurrentCategory(state.range(0) == GAMESTATE_INGAME ? CATEGORY_REWARDS : CATEGORY_DENTIST);
    model.SetMinigameType(MINIGAME_REWARDS);
    model.SetGameState(static_cast<GameState>(state.range(0)));
    model.Draw(kWidth, kHeight);  // loads the screen's pictures
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    static const char* const names[] = {"splash", "title", "credits", "town map", "room", "trophy house"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_SceneFrame)->DenseRange(GAMESTATE_SPLASH, GAMESTATE_INGAME)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    OpenWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
