#pragma once

// How many games each SharedSaveLoop process plays and saves.
constexpr int kSharedSaveGames = 1000;
