#pragma once

// The game's enumerations. Their values are stored and compared as plain
// integers (a minigame's type doubles as its column in the score table).

enum GameState {
    GAMESTATE_SPLASH = 0,
    GAMESTATE_TITLE = 1,
    GAMESTATE_CREDITS = 2,
    GAMESTATE_MAINMENU = 3,
    GAMESTATE_SUBMENU = 4,
    GAMESTATE_INGAME = 5,
};

enum CategoryType {
    CATEGORY_DENTIST = 0,
    CATEGORY_PIZZA = 1,
    CATEGORY_GROCERY = 2,
    CATEGORY_REWARDS = 3,  // the trophy house: one "minigame", CMinigameRewards
    CATEGORY_NONE = 4,
};

enum MinigameType {
    MINIGAME_1_1 = 0, MINIGAME_1_2, MINIGAME_1_3, MINIGAME_1_4, MINIGAME_1_5,
    MINIGAME_1_6, MINIGAME_1_7, MINIGAME_1_8, MINIGAME_1_9, MINIGAME_1_10,
    // 10 is not used
    MINIGAME_2_1 = 11, MINIGAME_2_2, MINIGAME_2_3, MINIGAME_2_4, MINIGAME_2_5,
    MINIGAME_2_6, MINIGAME_2_7, MINIGAME_2_8, MINIGAME_2_9,
    MINIGAME_3_1 = 20, MINIGAME_3_2, MINIGAME_3_3, MINIGAME_3_4, MINIGAME_3_5,
    MINIGAME_REWARDS = 25,
};

enum CursorState {
    CURSOR_ARROW = 0,
    CURSOR_HAND = 1,
};

// Position of a minigame in its category's list: its number minus one
// (the trophy house is alone at 0). -1 for a value that names no minigame.
inline int MinigamePosition(int type) {
    if (type >= MINIGAME_1_1 && type <= MINIGAME_1_10) return type - MINIGAME_1_1;
    if (type >= MINIGAME_2_1 && type <= MINIGAME_2_9) return type - MINIGAME_2_1;
    if (type >= MINIGAME_3_1 && type <= MINIGAME_3_5) return type - MINIGAME_3_1;
    if (type == MINIGAME_REWARDS) return 0;
    return -1;
}

// The category a minigame type belongs to.
inline CategoryType MinigameCategory(int type) {
    if (type >= MINIGAME_1_1 && type <= MINIGAME_1_10) return CATEGORY_DENTIST;
    if (type >= MINIGAME_2_1 && type <= MINIGAME_2_9) return CATEGORY_PIZZA;
    if (type >= MINIGAME_3_1 && type <= MINIGAME_3_5) return CATEGORY_GROCERY;
    if (type == MINIGAME_REWARDS) return CATEGORY_REWARDS;
    return CATEGORY_NONE;
}
