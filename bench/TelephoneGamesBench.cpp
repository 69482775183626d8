// One frame of the play screen of each of the office's telephone games
// (call transfers, message forms, greetings) with the game's own pictures,
// at 1366 x 768.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/CController.h"
#include "core/CModel.h"
#include "support/ScratchFolder.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

struct PlayScreen {
    MinigameType type;
    bool opensOnSheet;  // the play button leads from the intro sheet to play
    const char* name;
};
const PlayScreen kScreens[] = {
    {MINIGAME_1_2, true, "1_2 message form (French)"},
    {MINIGAME_1_3, true, "1_3 message form (English)"},
    {MINIGAME_1_6, true, "1_6 greetings (French)"},
    {MINIGAME_1_8, false, "1_8 call transfers"},
    {MINIGAME_1_9, true, "1_9 greetings (English)"},
};

void BM_TelephoneGamePlayFrame(benchmark::State& state) {
    const PlayScreen& screen = kScreens[state.range(0)];
    ScratchFolder folder;
    std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
    CModel model;
    CController controller(&model);
    model.SetLogin("Bench");
    model.SetCurrentCategory(CATEGORY_DENTIST);
    model.SetMinigameType(screen.type);
    model.SetGameState(GAMESTATE_INGAME);
    model.Draw(kWidth, kHeight);  // loads the game's pictures
    if (screen.opensOnSheet) controller.OnLButtonUp(CPoint(kWidth - 250, 52));
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.Draw(kWidth, kHeight);
        glFinish();
        glutSwapBuffers();
        glutMainLoopEvent();
    }
    state.SetLabel(screen.name);
}
BENCHMARK(BM_TelephoneGamePlayFrame)
    ->DenseRange(0, sizeof kScreens / sizeof kScreens[0] - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
