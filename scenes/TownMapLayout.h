#pragma once
#include "scenes/ReferenceLayout.h"

// The town map: each building is a 300 x 300 square around a fixed point
// of the map, in the order of MainMenuHit (dentist, pizzeria, grocery, vault).
namespace TownMapLayout {
constexpr ReferenceLayout::Spot kBuildings[4] = {
    {1003.0 / 1362, 109.0 / 363},  // the dentist's office, reference (1003, 218)
    {267.0 / 1362, 535.0 / 726},   // the pizzeria
    {614.0 / 1362, 413.0 / 726},   // the grocery
    {1208.0 / 1362, 579.0 / 726},  // the vault
};
// A point is on a building when it is closer than this in both directions.
constexpr int kReach = 150;
// Frames of the leaving delay: 15 added per category (4) each frame, past 1000.
constexpr int kLeaveStep = 15;
constexpr int kLeaveLimit = 1000;
constexpr double kCloudDrift = 0.5;  // pixels per frame
}  // namespace TownMapLayout
