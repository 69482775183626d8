// One frame of the play screen of the dentist's calls and fax minigames,
// with the game's own pictures, at 1366 x 768 (the window is opened by the
// benchmark's main).
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/CModel.h"
#include "core/MinigameDispatch.h"
#include "support/ScratchFolder.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

void BM_DentistPlayFrame(benchmark::State& state) {
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    const MinigameType type = static_cast<MinigameType>(state.range(0));
    model.SetCurrentCategory(CATEGORY_DENTIST);
    model.SetMinigameType(type);
    model.SetGameState(GAMESTATE_INGAME);
    model.Draw(kWidth, kHeight);  // loads the minigame on its intro
    CAbstractMinigame* game = (*model.GetCurrentCategoryMinigames())[MinigamePosition(type)];
    WithMinigame(game, [](auto* minigame) { minigame->OnLButtonUp(CPoint(kWidth - 250, 52)); });  // play
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    state.SetLabel(CString::Format("minigame 1_%d play", MinigamePosition(type) + 1).c_str());
}
BENCHMARK(BM_DentistPlayFrame)->Arg(MINIGAME_1_4)->Arg(MINIGAME_1_5)->Arg(MINIGAME_1_7)->Arg(MINIGAME_1_10)->Unit(benchmark::kMillisecond);

}  // namespace
