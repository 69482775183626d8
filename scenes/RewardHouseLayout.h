#pragma once
#include "app/CPoint.h"

// The trophy house: the house picture right of centre, a shelf of trophies
// on the left, and one place in the house for each of the 38 trophies.
namespace RewardHouseLayout {
constexpr int kTrophies = 38;
constexpr int kHouseOffsetX = 125;  // house centre = view centre + this
// Trophy i's place in the house, from the view's centre.
constexpr CPoint kHouseSpots[kTrophies] = {
    {331, -94},  {410, -61},  {390, -146}, {270, -156}, {178, -170}, {51, -42},   {120, -117},
    {15, -129},  {-7, 67},    {-36, 60},   {-140, 72},  {37, 115},   {-88, 127},  {-206, 115},
    {353, 123},  {327, 183},  {278, 148},  {216, 53},   {404, 108},  {293, 59},   {165, 72},
    {163, 125},  {-101, -96}, {-127, -118}, {-61, -38}, {-81, -154}, {-164, -100}, {-183, -61},
    {-204, -126}, {327, 299}, {279, 287},  {154, 296},  {386, 289},  {-20, 269},  {-192, 276},
    {-69, 275},  {51, 294},   {51, 244},
};
// The shelf: five trophies a row, 70 pixels apart, rows 80 pixels apart.
constexpr int kShelfColumns = 5;
constexpr int kShelfStepX = 70;
constexpr int kShelfTop = 130;
constexpr int kShelfStepY = 80;
constexpr CPoint ShelfSpot(int trophy) {
    return CPoint(kShelfStepX * (trophy % kShelfColumns + 1), kShelfTop + kShelfStepY * (trophy / kShelfColumns));
}
// Once every trophy is bought, a click here (from the view's centre) starts over.
constexpr CPoint kRestartOffset = {34, 11};
constexpr int kReach = 20;  // a trophy within this of its place is on it
constexpr float kShelfScale = 1.0f;
constexpr float kHouseScale = 2.0f;
// The balance: an ingot and "x%i" beside the exit button.
constexpr int kBalanceIconX = 176;
// The balance "x12" beside its ingot (left end, baseline), and the price
// card "2 lingots" under a hovered trophy; figures at least 24 px high.
constexpr int kBalanceTextX = 210, kBalanceTextY = 68;
constexpr float kBalanceTextHeight = 44;
constexpr int kPriceCardBelow = 20;  // from the trophy's lower edge
constexpr float kPriceTextHeight = 42;
constexpr int kPriceCardPadding = 8;
}  // namespace RewardHouseLayout
