#pragma once
// Frame times of one screen of the game, drawn by the game's own view at
// 1366 x 768 with the game's real pictures, reported by Google Benchmark as
// counters: p50_ms and p95_ms (frame time, median and 95th percentile),
// cpu_p50_ms and cpu_p95_ms (processor time of all the process's threads,
// the renderer's included, for a frame: what the frame costs whatever else
// the machine runs; on two idle cores a frame takes half to all of it),
// load_ms (putting the screen up and drawing its first frame, which loads
// its pictures; for a minigame, from its room through the curtain),
// first_frame_ms (a minigame's first frame once the curtain has closed, see
// Screen::ThroughTheCurtainTo) and frames (how many were timed).
//
// A minigame's play screen, in a file of its own under bench/:
//
//   #include "ScreenBench.h"
//   void BM_Minigame1_2Play(benchmark::State& state) {
//       ScreenBench::Run(state, "Minigame1_2Play", [](ScreenBench::Screen& screen) {
//           screen.model->SetCurrentCategory(CATEGORY_DENTIST);
//           screen.model->SetGameState(GAMESTATE_SUBMENU);
//           screen.Frame();                          // the room
//           screen.ThroughTheCurtainTo(MINIGAME_1_2);  // the minigame loads
//           screen.Click(playButtonPosition);        // and leaves its intro
//       });
//   }
//   SCREEN_BENCHMARK(BM_Minigame1_2Play);
//
// The set-up runs once (timed as load_ms); an optional second function runs
// untimed before every frame, to put back a screen that moves on by itself
// (a curtain that closes). Every benchmark starts from a fresh model. With
// ZELK_BENCH_SHOTS naming a folder, each screen's first frame is saved
// there as NAME.ppm, to compare the look of two builds.
// SCREEN_BENCHMARK runs the screen twice: "every frame drawn" forces the
// whole frame through the renderer each tick (the cost of a screen in
// motion), "as played" lets the view skip a frame identical to the last.
#include <benchmark/benchmark.h>

#include <functional>

#include "app/CPoint.h"
#include "core/GameTypes.h"

class CModel;
class CZelkView;

namespace ScreenBench {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;

struct Screen {
    CZelkView* view;
    CModel* model;
    // One frame tick, as the game's loop makes it: draw, swap, events.
    void Frame();
    // A press and release of the left button at that point, after a move.
    void Click(CPoint point);
    // From the room on screen: a click on the minigame's icon, the curtain
    // run until it closes, then the minigame's first frame, timed to the
    // end of its drawing and reported as first_frame_ms.
    void ThroughTheCurtainTo(MinigameType type);
    double firstFrameSeconds = -1.0;
};

// Opens the bench's window at 1366 x 768 (once, before any benchmark).
void OpenWindow();

// name: the screen's, for its screenshot (ZELK_BENCH_SHOTS, see Run).
void Run(benchmark::State& state, const char* name, const std::function<void(Screen&)>& setUp,
         const std::function<void(Screen&)>& beforeEachFrame = nullptr);

// Range 0: every frame drawn; 1: as played.
void Modes(benchmark::internal::Benchmark* benchmark);

}  // namespace ScreenBench

#define SCREEN_BENCHMARK(name) BENCHMARK(name)->Apply(ScreenBench::Modes)
