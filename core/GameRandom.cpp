#include "core/GameRandom.h"

#include <cstdlib>
#include <ctime>

namespace GameRandom {

void Seed() {
    const char* fixed = std::getenv("ZELK_SEED");
    if (fixed != nullptr && *fixed != '\0') {
        std::srand(static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)));
    } else {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    }
}

int Below(int n) { return n > 0 ? std::rand() % n : 0; }

std::vector<int> Distinct(int count, int n) {
    std::vector<int> left, drawn;
    for (int i = 0; i < n; ++i) left.push_back(i);
    for (int i = 0; i < count && !left.empty(); ++i) {
        const int at = Below(static_cast<int>(left.size()));
        drawn.push_back(left[at]);
        left.erase(left.begin() + at);
    }
    return drawn;
}

}  // namespace GameRandom
