#include "minigames/MinigameTable.h"

#include <type_traits>

#include "minigames/CMinigameFlow.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "minigames/dentist/CMinigame1_10.h"
#include "minigames/dentist/CMinigame1_2.h"
#include "minigames/dentist/CMinigame1_3.h"
#include "minigames/dentist/CMinigame1_4.h"
#include "minigames/dentist/CMinigame1_5.h"
#include "minigames/dentist/CMinigame1_6.h"
#include "minigames/dentist/CMinigame1_7.h"
#include "minigames/dentist/CMinigame1_8.h"
#include "minigames/dentist/CMinigame1_9.h"
#include "minigames/grocery/CMinigame3_1.h"
#include "minigames/grocery/CMinigame3_2.h"
#include "minigames/grocery/CMinigame3_3.h"
#include "minigames/grocery/CMinigame3_4.h"
#include "minigames/grocery/CMinigame3_5.h"
#include "minigames/pizzeria/CMinigame2_1.h"
#include "minigames/pizzeria/CMinigame2_2.h"
#include "minigames/pizzeria/CMinigame2_3.h"
#include "minigames/pizzeria/CMinigame2_4.h"
#include "minigames/pizzeria/CMinigame2_5.h"
#include "minigames/pizzeria/CMinigame2_6.h"
#include "minigames/pizzeria/CMinigame2_7.h"
#include "minigames/pizzeria/CMinigame2_8.h"
#include "minigames/pizzeria/CMinigame2_9.h"
#include "scenes/CMinigameRewards.h"

namespace {

template <class Game>
Game& As(CAbstractMinigame* game) {
    return *static_cast<Game*>(game);
}

template <class Game, class = void>
struct MaximumOf : std::integral_constant<int, 0> {};
template <class Game>
struct MaximumOf<Game, std::void_t<decltype(Game::kMaximum)>> : std::integral_constant<int, Game::kMaximum> {};

// Loading, unloading and drawing go through the shared flow, or to the class
// itself when it runs its own (the trophy house); the mouse through the
// class's controller.
template <class Game, class Controller>
const MinigameOps& OpsOf() {
    using Flow = CMinigameFlow<Game>;
    constexpr bool runsItself = Controller::template RunsItself<Game>::value;
    static const MinigameOps ops = {
        [](CModel* model, MinigameType type) -> CAbstractMinigame* { return new Game(model, type); },
        [](CAbstractMinigame* game) {
            // A minigame still loaded frees its pictures first (the game
            // closed in the middle of one).
            if constexpr (!runsItself) {
                if (!game->NeedsLoad()) Flow::Unload(As<Game>(game));
            }
            delete static_cast<Game*>(game);
        },
        [](CAbstractMinigame* game) {
            if constexpr (runsItself) {
                As<Game>(game).Load();
            } else {
                Flow::Load(As<Game>(game));
            }
        },
        [](CAbstractMinigame* game) {
            if constexpr (runsItself) {
                As<Game>(game).Unload();
            } else {
                Flow::Unload(As<Game>(game));
            }
        },
        [](CAbstractMinigame* game, int width, int height) {
            if constexpr (runsItself) {
                As<Game>(game).Draw(width, height);
            } else {
                Flow::Draw(As<Game>(game), width, height);
            }
        },
        Controller::OnMouseMove,
        Controller::TakesPress() ? Controller::OnLButtonDown : nullptr,
        Controller::OnLButtonUp,
        MaximumOf<Game>::value,
    };
    return ops;
}

}  // namespace

const MinigameOps* MinigameOpsFor(int type) {
    switch (type) {
        case MINIGAME_1_1: return &OpsOf<CMinigame1_1, CMinigame1_1Controller>();
        case MINIGAME_1_2: return &OpsOf<CMinigame1_2, CMinigame1_2Controller>();
        case MINIGAME_1_3: return &OpsOf<CMinigame1_3, CMinigame1_3Controller>();
        case MINIGAME_1_4: return &OpsOf<CMinigame1_4, CMinigame1_4Controller>();
        case MINIGAME_1_5: return &OpsOf<CMinigame1_5, CMinigame1_5Controller>();
        case MINIGAME_1_6: return &OpsOf<CMinigame1_6, CMinigame1_6Controller>();
        case MINIGAME_1_7: return &OpsOf<CMinigame1_7, CMinigame1_7Controller>();
        case MINIGAME_1_8: return &OpsOf<CMinigame1_8, CMinigame1_8Controller>();
        case MINIGAME_1_9: return &OpsOf<CMinigame1_9, CMinigame1_9Controller>();
        case MINIGAME_1_10: return &OpsOf<CMinigame1_10, CMinigame1_10Controller>();
        case MINIGAME_2_1: return &OpsOf<CMinigame2_1, CMinigame2_1Controller>();
        case MINIGAME_2_2: return &OpsOf<CMinigame2_2, CMinigame2_2Controller>();
        case MINIGAME_2_3: return &OpsOf<CMinigame2_3, CMinigame2_3Controller>();
        case MINIGAME_2_4: return &OpsOf<CMinigame2_4, CMinigame2_4Controller>();
        case MINIGAME_2_5: return &OpsOf<CMinigame2_5, CMinigame2_5Controller>();
        case MINIGAME_2_6: return &OpsOf<CMinigame2_6, CMinigame2_6Controller>();
        case MINIGAME_2_7: return &OpsOf<CMinigame2_7, CMinigame2_7Controller>();
        case MINIGAME_2_8: return &OpsOf<CMinigame2_8, CMinigame2_8Controller>();
        case MINIGAME_2_9: return &OpsOf<CMinigame2_9, CMinigame2_9Controller>();
        case MINIGAME_3_1: return &OpsOf<CMinigame3_1, CMinigame3_1Controller>();
        case MINIGAME_3_2: return &OpsOf<CMinigame3_2, CMinigame3_2Controller>();
        case MINIGAME_3_3: return &OpsOf<CMinigame3_3, CMinigame3_3Controller>();
        case MINIGAME_3_4: return &OpsOf<CMinigame3_4, CMinigame3_4Controller>();
        case MINIGAME_3_5: return &OpsOf<CMinigame3_5, CMinigame3_5Controller>();
        case MINIGAME_REWARDS: return &OpsOf<CMinigameRewards, CMinigameRewardsController>();
        default: return nullptr;
    }
}

int MinigameMaximum(int type) {
    const MinigameOps* ops = MinigameOpsFor(type);
    return ops != nullptr ? ops->maximum : 0;
}
