#pragma once

// The trophies' prices in gold bars, as the game sells them. The pictures
// show the price by the metal (1 bronze, 2 silver, 3 gold); the asset test
// checks this table against the game's.
namespace TrophyPrices {
constexpr int kCount = 38;
constexpr int kPrice[kCount] = {2, 1, 3, 1, 1, 1, 2, 1, 2, 2, 3, 3, 3, 2, 3, 2, 2, 1, 1,
                                3, 2, 1, 1, 2, 2, 2, 1, 3, 2, 1, 1, 1, 3, 3, 2, 3, 2, 3};
}  // namespace TrophyPrices
