// The play screen of every minigame but the answering machine (in
// Screens.cpp): from its room, through the curtain, past its intro sheet,
// through the game's own view (see ScreenBench.h).
#include "ScreenBench.h"
#include "core/CModel.h"
#include "ui/CornerLayout.h"

namespace {

using ScreenBench::Screen;

struct PlayScreen {
    MinigameType type;
    CategoryType room;
    bool opensOnSheet;  // its play button leads from the intro sheet to play
    const char* name;
};

const PlayScreen kScreens[] = {
    {MINIGAME_1_2, CATEGORY_DENTIST, true, "Minigame1_2Play"},
    {MINIGAME_1_3, CATEGORY_DENTIST, true, "Minigame1_3Play"},
    {MINIGAME_1_4, CATEGORY_DENTIST, true, "Minigame1_4Play"},
    {MINIGAME_1_5, CATEGORY_DENTIST, true, "Minigame1_5Play"},
    {MINIGAME_1_6, CATEGORY_DENTIST, true, "Minigame1_6Play"},
    {MINIGAME_1_7, CATEGORY_DENTIST, true, "Minigame1_7Play"},
    {MINIGAME_1_8, CATEGORY_DENTIST, false, "Minigame1_8Play"},
    {MINIGAME_1_9, CATEGORY_DENTIST, true, "Minigame1_9Play"},
    {MINIGAME_1_10, CATEGORY_DENTIST, true, "Minigame1_10Play"},
    {MINIGAME_2_1, CATEGORY_PIZZA, true, "Minigame2_1Play"},
    {MINIGAME_2_2, CATEGORY_PIZZA, true, "Minigame2_2Play"},
    {MINIGAME_2_3, CATEGORY_PIZZA, true, "Minigame2_3Play"},
    {MINIGAME_2_4, CATEGORY_PIZZA, true, "Minigame2_4Play"},
    {MINIGAME_2_5, CATEGORY_PIZZA, true, "Minigame2_5Play"},
    {MINIGAME_2_6, CATEGORY_PIZZA, true, "Minigame2_6Play"},
    {MINIGAME_2_7, CATEGORY_PIZZA, true, "Minigame2_7Play"},
    {MINIGAME_2_8, CATEGORY_PIZZA, true, "Minigame2_8Play"},
    {MINIGAME_2_9, CATEGORY_PIZZA, true, "Minigame2_9Play"},
    {MINIGAME_3_1, CATEGORY_GROCERY, true, "Minigame3_1Play"},
    {MINIGAME_3_2, CATEGORY_GROCERY, true, "Minigame3_2Play"},
    {MINIGAME_3_3, CATEGORY_GROCERY, true, "Minigame3_3Play"},
    {MINIGAME_3_4, CATEGORY_GROCERY, true, "Minigame3_4Play"},
    {MINIGAME_3_5, CATEGORY_GROCERY, true, "Minigame3_5Play"},
};

// Range 0: the mode (ScreenBench::Modes); range 1: the row of kScreens.
void BM_MinigamePlay(benchmark::State& state) {
    const PlayScreen& play = kScreens[state.range(1)];
    ScreenBench::Run(state, play.name, [&play](Screen& screen) {
        screen.model->SetLogin("Bench");
        screen.model->SetCurrentCategory(play.room);
        screen.model->SetGameState(GAMESTATE_SUBMENU);
        screen.Frame();
        screen.ThroughTheCurtainTo(play.type);  // the minigame loads, on its intro
        if (play.opensOnSheet) screen.Click(CPoint(ScreenBench::kWidth - CornerLayout::kPlayFromRight, CornerLayout::kY));
    });
    state.SetLabel(std::string(play.name) + (state.range(0) == 1 ? ", as played" : ", every frame drawn"));
}

void EveryPlayScreen(benchmark::internal::Benchmark* benchmark) {
    for (int row = 0; row < static_cast<int>(sizeof kScreens / sizeof kScreens[0]); ++row) {
        benchmark->Args({0, row})->Args({1, row});
    }
    benchmark->Unit(benchmark::kMillisecond)->Iterations(40);
}
BENCHMARK(BM_MinigamePlay)->Apply(EveryPlayScreen);

}  // namespace
