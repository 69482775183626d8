#pragma once
#include "core/CGameHistory.h"
#include "core/GameTypes.h"

// The n-th game HistoryLoop appends: each line differs from the others.
inline CGameHistory::Game HistoryLoopGame(int n) {
    CGameHistory::Game game;
    game.when = "2026-03-14T10:05:31+01:00";
    game.type = n % 2 == 0 ? MINIGAME_1_1 : MINIGAME_3_5;
    game.score = n;
    game.maximum = 999999;
    return game;
}
