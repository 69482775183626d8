// Every screen of the game around the minigames: splash, title, credits,
// town map, the three rooms, the curtain, the score panel and the trophy
// house (see ScreenBench.h).
#include "ScreenBench.h"
#include "core/CCategory.h"
#include "core/CModel.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "scenes/CMainMenu.h"
#include "scenes/CSubMenu.h"
#include "scenes/SubMenuLayout.h"

namespace {

using ScreenBench::Screen;

void SetState(Screen& screen, GameState state) { screen.model->SetGameState(state); }

void Room(Screen& screen, CategoryType category) {
    screen.model->SetCurrentCategory(category);
    SetState(screen, GAMESTATE_SUBMENU);
}

CMinigame1_1* AnsweringMachine(Screen& screen) {
    return static_cast<CMinigame1_1*>(screen.model->GetCategories()[CATEGORY_DENTIST]->GetMinigames()->at(0));
}

void BM_Splash(benchmark::State& state) {
    ScreenBench::Run(state, "Splash", [](Screen& screen) { SetState(screen, GAMESTATE_SPLASH); });
}
SCREEN_BENCHMARK(BM_Splash);

void BM_Title(benchmark::State& state) {
    ScreenBench::Run(state, "Title", [](Screen& screen) { SetState(screen, GAMESTATE_TITLE); });
}
SCREEN_BENCHMARK(BM_Title);

void BM_Credits(benchmark::State& state) {
    ScreenBench::Run(state, "Credits", [](Screen& screen) { SetState(screen, GAMESTATE_CREDITS); });
}
SCREEN_BENCHMARK(BM_Credits);

// The map with the dentist's building lit, its clouds drifting.
void BM_TownMap(benchmark::State& state) {
    ScreenBench::Run(state, "TownMap", [](Screen& screen) {
        screen.model->SetCurrentCategory(CATEGORY_DENTIST);
        SetState(screen, GAMESTATE_MAINMENU);
    });
}
SCREEN_BENCHMARK(BM_TownMap);

void BM_RoomDentist(benchmark::State& state) {
    ScreenBench::Run(state, "RoomDentist", [](Screen& screen) { Room(screen, CATEGORY_DENTIST); });
}
SCREEN_BENCHMARK(BM_RoomDentist);

void BM_RoomPizzeria(benchmark::State& state) {
    ScreenBench::Run(state, "RoomPizzeria", [](Screen& screen) { Room(screen, CATEGORY_PIZZA); });
}
SCREEN_BENCHMARK(BM_RoomPizzeria);

void BM_RoomGrocery(benchmark::State& state) {
    ScreenBench::Run(state, "RoomGrocery", [](Screen& screen) { Room(screen, CATEGORY_GROCERY); });
}
SCREEN_BENCHMARK(BM_RoomGrocery);

// The curtain running across the dentist's room towards the map; it is
// drawn again from the start each time it would close.
void BM_Curtain(benchmark::State& state) {
    ScreenBench::Run(state, "Curtain",
        [](Screen& screen) {
            Room(screen, CATEGORY_DENTIST);
            screen.model->GetSubMenu()->Transition(SUBMENUHIT_EXIT);
        },
        [](Screen& screen) {
            CSubMenu* room = screen.model->GetSubMenu();
            if (room->GetCurtain() + 2 * SubMenuLayout::kCurtainStep < 2 * ScreenBench::kWidth) return;
            Room(screen, CATEGORY_DENTIST);
            room->Transition(SUBMENUHIT_EXIT);
        });
}
SCREEN_BENCHMARK(BM_Curtain);

// The answering-machine lesson's play screen, past its intro.
void BM_Minigame1_1Play(benchmark::State& state) {
    ScreenBench::Run(state, "Minigame1_1Play", [](Screen& screen) {
        Room(screen, CATEGORY_DENTIST);
        screen.Frame();
        screen.ThroughTheCurtainTo(MINIGAME_1_1);
        screen.Click(AnsweringMachine(screen)->Shell().playButton->GetPosition());
    });
}
SCREEN_BENCHMARK(BM_Minigame1_1Play);

// The score panel of the answering-machine lesson: sliding in, counting.
void BM_ScorePanel(benchmark::State& state) {
    ScreenBench::Run(state, "ScorePanel", [](Screen& screen) {
        Room(screen, CATEGORY_DENTIST);
        screen.model->SetMinigameType(MINIGAME_1_1);
        SetState(screen, GAMESTATE_INGAME);
        screen.Frame();
        const_cast<CMinigameShell&>(AnsweringMachine(screen)->Shell()).EnterResults();
    });
}
SCREEN_BENCHMARK(BM_ScorePanel);

void BM_TrophyHouse(benchmark::State& state) {
    ScreenBench::Run(state, "TrophyHouse", [](Screen& screen) {
        screen.model->SetCurrentCategory(CATEGORY_REWARDS);
        screen.model->SetMinigameType(MINIGAME_REWARDS);
        SetState(screen, GAMESTATE_INGAME);
    });
}
SCREEN_BENCHMARK(BM_TrophyHouse);

}  // namespace
