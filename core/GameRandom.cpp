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

}  // namespace GameRandom
