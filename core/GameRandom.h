#pragma once
#include <vector>

// The minigames' chance (question order, variants, amounts) comes from the C
// library's generator, seeded once from the clock as a learner expects: a
// new order each time the game is started. ZELK_SEED (a number), when set,
// seeds it instead, so a scripted run plays the same game every time.
namespace GameRandom {

// Seeds the generator: from ZELK_SEED when it is set, else from the clock.
void Seed();
// 0 .. n-1 (n > 0).
int Below(int n);
// count different numbers of 0 .. n-1 in the order drawn (count <= n): a
// question order, the goods of a round.
std::vector<int> Distinct(int count, int n);

}  // namespace GameRandom
