// One frame of each grocery game's play screen, with the game's pictures,
// at 1366 x 768 (the window is opened by the frame benchmarks' main).
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/CController.h"
#include "core/CModel.h"
#include "support/ScratchFolder.h"

namespace {

void BM_GroceryPlayFrame(benchmark::State& state) {
    constexpr int kWidth = 1366, kHeight = 768;
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    CController controller(&model);
    model.SetCurrentCategory(CATEGORY_GROCERY);
    model.SetMinigameType(static_cast<MinigameType>(state.range(0)));
    model.SetGameState(GAMESTATE_INGAME);
    model.Draw(kWidth, kHeight);  // loads the game's pictures
    controller.OnLButtonDown(CPoint(kWidth - 250, 52));
    controller.OnLButtonUp(CPoint(kWidth - 250, 52));  // play: from the intro to the game
    model.Draw(kWidth, kHeight);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    static const char* const names[] = {"3_1 dates on the belt", "3_2 sorting by date", "3_3 putting away",
                                        "3_4 checkout scale", "3_5 receipts"};
    state.SetLabel(names[state.range(0) - MINIGAME_3_1]);
}
BENCHMARK(BM_GroceryPlayFrame)->DenseRange(MINIGAME_3_1, MINIGAME_3_5)->Unit(benchmark::kMillisecond);

}  // namespace
