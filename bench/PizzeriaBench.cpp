// One frame of the play screen of each pizzeria minigame built on the
// shell's play button (signs, GPS, lobby), with the game's own pictures.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/CController.h"
#include "core/CModel.h"
#include "support/ScratchFolder.h"
#include "ui/CornerLayout.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

void BM_PizzeriaPlayScreen(benchmark::State& state) {
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    CController controller(&model);
    const MinigameType type = static_cast<MinigameType>(state.range(0));
    model.SetCurrentCategory(CATEGORY_PIZZA);
    model.SetMinigameType(type);
    model.SetGameState(GAMESTATE_INGAME);
    model.Draw(kWidth, kHeight);  // loads the minigame on its intro sheet
    const CPoint play(kWidth - CornerLayout::kPlayFromRight, CornerLayout::kY);
    controller.OnLButtonDown(play);
    controller.OnLButtonUp(play);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    state.SetLabel("minigame 2_" + std::to_string(type - MINIGAME_2_1 + 1));
}
BENCHMARK(BM_PizzeriaPlayScreen)
    ->Arg(MINIGAME_2_2)
    ->Arg(MINIGAME_2_3)
    ->Arg(MINIGAME_2_4)
    ->Arg(MINIGAME_2_7)
    ->Arg(MINIGAME_2_8)
    ->Unit(benchmark::kMillisecond);

}  // namespace
