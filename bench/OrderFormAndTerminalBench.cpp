// One frame of the play screen of the pizzeria's order form (in French and
// in English), of its card terminal and of its pricing game, with the game's
// own pictures.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/CModel.h"
#include "core/MinigameDispatch.h"
#include "support/ScratchFolder.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

void BM_OrderFormAndTerminalPlayFrame(benchmark::State& state) {
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    const MinigameType type = static_cast<MinigameType>(state.range(0));
    model.SetCurrentCategory(CATEGORY_PIZZA);
    model.SetMinigameType(type);
    model.SetGameState(GAMESTATE_INGAME);
    model.Draw(kWidth, kHeight);  // loads the game on its intro
    CAbstractMinigame* game = model.GetCurrentCategoryMinigames()->at(MinigamePosition(type));
    WithMinigame(game, [](auto* concrete) { concrete->OnLButtonUp(CPoint(kWidth - 250, 52)); });  // play
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    switch (type) {
        case MINIGAME_2_1: state.SetLabel("order form (French)"); break;
        case MINIGAME_2_6: state.SetLabel("order form (English)"); break;
        case MINIGAME_2_5: state.SetLabel("card terminal"); break;
        case MINIGAME_2_9: state.SetLabel("pricing the order form"); break;
        default: break;
    }
}
BENCHMARK(BM_OrderFormAndTerminalPlayFrame)
    ->Arg(MINIGAME_2_1)
    ->Arg(MINIGAME_2_6)
    ->Arg(MINIGAME_2_5)
    ->Arg(MINIGAME_2_9)
    ->Unit(benchmark::kMillisecond);

}  // namespace
