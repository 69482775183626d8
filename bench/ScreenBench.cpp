#include "ScreenBench.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

#include "app/CZelkView.h"
#include "core/CCategory.h"
#include "core/CModel.h"
#include "minigames/CAbstractMinigame.h"
#include "support/ScratchFolder.h"

namespace ScreenBench {

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Processor time of every thread of the process (the renderer's too).
double ProcessorTime() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double> samples, double share) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t index = static_cast<size_t>(share * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(index, samples.size() - 1)];
}

// The screen as shown, into ZELK_BENCH_SHOTS/NAME.ppm when that is set.
void SaveShot(const std::string& name) {
    const char* folder = std::getenv("ZELK_BENCH_SHOTS");
    if (folder == nullptr) return;
    std::vector<unsigned char> rgb(static_cast<size_t>(kWidth) * kHeight * 3);
    glReadBuffer(GL_BACK);  // the swap copies the frame out and leaves it there
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::FILE* file = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
    if (file == nullptr) return;
    std::fprintf(file, "P6\n%d %d\n255\n", kWidth, kHeight);
    for (int y = kHeight - 1; y >= 0; --y) std::fwrite(&rgb[static_cast<size_t>(y) * kWidth * 3], 1, kWidth * 3, file);
    std::fclose(file);
}

}  // namespace

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
    CZelkView view;  // the projection every frame is drawn in
    view.Init();
    view.OnSize(kWidth, kHeight);
}

void Screen::Frame() {
    view->Draw();
    glutMainLoopEvent();
}

void Screen::Click(CPoint point) {
    view->OnMouseMove(point);
    view->OnLButtonDown(point);
    view->OnLButtonUp(point);
}

void Screen::ThroughTheCurtainTo(MinigameType type) {
    const CAbstractMinigame* game = model->GetCategories()[MinigameCategory(type)]->GetMinigames()->at(
        MinigamePosition(type));
    Click(game->GetIcon()->GetPosition());
    for (int frame = 0; frame < 1000 && model->GetGameState() != GAMESTATE_INGAME; ++frame) Frame();
    const double start = Now();
    Frame();
    glFinish();
    firstFrameSeconds = Now() - start;
}

void Run(benchmark::State& state, const char* name, const std::function<void(Screen&)>& setUp,
         const std::function<void(Screen&)>& beforeEachFrame) {
    const bool asPlayed = state.range(0) == 1;
    // A game folder of its own: the real pictures and sounds, no profiles.
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
    CZelkView view;
    view.Init();
    view.OnSize(kWidth, kHeight);
    view.Draw();  // the first tick makes the model and the controller
    Screen screen{&view, view.GetModel()};

    const double loadStart = Now();
    setUp(screen);
    screen.Frame();
    glFinish();
    const double loadSeconds = Now() - loadStart;
    if (!asPlayed) {
        view.RedrawNextFrame();
        screen.Frame();
        SaveShot(name);
    }

    std::vector<double> frames, processor;
    for (auto _ : state) {
        state.PauseTiming();
        if (beforeEachFrame) beforeEachFrame(screen);
        if (!asPlayed) view.RedrawNextFrame();
        state.ResumeTiming();
        const double start = Now(), startProcessor = ProcessorTime();
        screen.Frame();
        frames.push_back(Now() - start);
        processor.push_back(ProcessorTime() - startProcessor);
    }
    state.counters["p50_ms"] = Percentile(frames, 0.50) * 1e3;
    state.counters["p95_ms"] = Percentile(frames, 0.95) * 1e3;
    state.counters["cpu_p50_ms"] = Percentile(processor, 0.50) * 1e3;
    state.counters["cpu_p95_ms"] = Percentile(processor, 0.95) * 1e3;
    state.counters["load_ms"] = loadSeconds * 1e3;
    if (screen.firstFrameSeconds >= 0.0) state.counters["first_frame_ms"] = screen.firstFrameSeconds * 1e3;
    state.counters["frames"] = static_cast<double>(frames.size());
    state.SetLabel(asPlayed ? "as played" : "every frame drawn");
    view.OnDestroy();
}

void Modes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(40);
}

}  // namespace ScreenBench
