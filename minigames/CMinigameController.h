#pragma once
#include <type_traits>
#include <utility>

#include "app/CPoint.h"
#include "minigames/CMinigameFlow.h"

class CAbstractMinigame;

// Hands the mouse to one minigame class: through the shared flow, or to the
// class itself when it runs its own events (the trophy house). Presses reach
// only the classes that do something with them.
template <class Game>
class CMinigameController {
public:
    template <class G, class = void>
    struct RunsItself : std::false_type {};
    template <class G>
    struct RunsItself<G, std::void_t<decltype(std::declval<G&>().Draw(0, 0))>> : std::true_type {};

    static constexpr bool TakesPress() {
        if constexpr (RunsItself<Game>::value) {
            return TakesPresses<Game>::value;
        } else {
            return CMinigameFlow<Game>::TakesPresses();
        }
    }

    static void OnMouseMove(CAbstractMinigame* game, CPoint point) {
        if constexpr (RunsItself<Game>::value) {
            As(game).OnMouseMove(point);
        } else {
            CMinigameFlow<Game>::OnMouseMove(As(game), point);
        }
    }
    static void OnLButtonDown(CAbstractMinigame* game, CPoint point) {
        if constexpr (!RunsItself<Game>::value) {
            CMinigameFlow<Game>::OnLButtonDown(As(game), point);
        } else if constexpr (TakesPresses<Game>::value) {
            As(game).OnLButtonDown(point);
        }
    }
    static void OnLButtonUp(CAbstractMinigame* game, CPoint point) {
        if constexpr (RunsItself<Game>::value) {
            As(game).OnLButtonUp(point);
        } else {
            CMinigameFlow<Game>::OnLButtonUp(As(game), point);
        }
    }

private:
    template <class G, class = void>
    struct TakesPresses : std::false_type {};
    template <class G>
    struct TakesPresses<G, std::void_t<decltype(std::declval<G&>().OnLButtonDown(CPoint()))>> : std::true_type {};

    static Game& As(CAbstractMinigame* game) { return *static_cast<Game*>(game); }
};
