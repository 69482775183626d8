#pragma once
#include "scenes/ReferenceLayout.h"

// Where a workplace's room puts its minigame icons (drawn at scale 2).
namespace SubMenuLayout {
constexpr ReferenceLayout::Spot kDentistIcons[10] = {
    {69.0 / 1362, 498.0 / 726},  {477.0 / 1362, 597.0 / 726}, {521.0 / 1362, 672.0 / 726},
    {671.0 / 1362, 0.5},         {568.0 / 1362, 439.0 / 726}, {226.0 / 1362, 411.0 / 726},
    {945.0 / 1362, 421.0 / 726}, {85.0 / 1362, 568.0 / 726},  {163.0 / 1362, 358.0 / 726},
    {957.0 / 1362, 492.0 / 726},
};
constexpr ReferenceLayout::Spot kPizzaIcons[9] = {
    {271.0 / 1362, 640.0 / 726}, {787.0 / 1362, 586.0 / 726}, {891.0 / 1362, 256.0 / 726},
    {571.0 / 1362, 474.0 / 726}, {867.0 / 1362, 504.0 / 726}, {400.0 / 1362, 643.0 / 726},
    {800.0 / 1362, 324.0 / 726}, {687.0 / 1362, 668.0 / 726}, {488.0 / 1362, 577.0 / 726},
};
// The grocery's icons stand in one row, evenly spread: icon i of n at
// x = (width / (n + 1)) x (i + 1).
constexpr double kGroceryRowY = 610.0 / 726;

// The curtain into a minigame: 20 pixels a frame, twice the view width.
constexpr int kCurtainStep = 20;
// The "loading" sign, from the bottom-right corner.
constexpr int kLoadingFromRight = 90;
constexpr int kLoadingFromBottom = 40;
// The name card under a hovered icon.
constexpr int kLabelPadding = 12;
constexpr int kLabelHeight = 34;
constexpr int kLabelGap = 6;
}  // namespace SubMenuLayout
