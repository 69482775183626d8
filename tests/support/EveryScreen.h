#pragma once
#include <vector>

#include "core/CModel.h"
#include "core/GameTypes.h"

// Every screen a learner can reach, as a start: the scenes, the rooms, the
// trophy house, then the 24 minigames.
struct ScreenStart {
    const char* name;
    GameState state;
    CategoryType category;
    int minigame;  // -1: not a minigame
};

inline std::vector<ScreenStart> EveryScreen() {
    std::vector<ScreenStart> starts = {
        {"title", GAMESTATE_TITLE, CATEGORY_NONE, -1},
        {"credits", GAMESTATE_CREDITS, CATEGORY_NONE, -1},
        {"town map", GAMESTATE_MAINMENU, CATEGORY_NONE, -1},
        {"dentist", GAMESTATE_SUBMENU, CATEGORY_DENTIST, -1},
        {"pizzeria", GAMESTATE_SUBMENU, CATEGORY_PIZZA, -1},
        {"grocery", GAMESTATE_SUBMENU, CATEGORY_GROCERY, -1},
        {"trophy house", GAMESTATE_INGAME, CATEGORY_REWARDS, MINIGAME_REWARDS},
    };
    for (int type = MINIGAME_1_1; type <= MINIGAME_3_5; ++type) {
        if (MinigameCategory(type) == CATEGORY_NONE) continue;
        starts.push_back({"minigame", GAMESTATE_INGAME, MinigameCategory(type), type});
    }
    return starts;
}

// Leaves the screen shown as the game would (a minigame unloads), then
// opens the start directly.
inline void OpenScreen(CModel& model, const ScreenStart& start) {
    if (model.GetGameState() == GAMESTATE_INGAME) model.InGameLeave();
    if (start.minigame >= 0) model.SetMinigameType(static_cast<MinigameType>(start.minigame));
    model.SetCurrentCategory(start.category);
    model.SetGameState(start.state);
}
