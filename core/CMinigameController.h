#pragma once
#include <vector>

#include "app/CPoint.h"
#include "core/CModel.h"

class CAbstractMinigame;

// Forwards the mouse to one minigame: the one at Position in the current
// category's list, called by its concrete type. Every minigame declares its
// own controller as an alias of this, saying whether it takes presses.
template <class Game, int Position, bool TakesPress>
class CMinigameController {
public:
    static constexpr bool takesPress = TakesPress;

    explicit CMinigameController(CModel* owner) : model(owner) {}

    void OnMouseMove(CPoint point) { Target()->OnMouseMove(point); }
    void OnLButtonDown(CPoint point) {
        static_assert(TakesPress, "this minigame does not take button presses");
        Target()->OnLButtonDown(point);
    }
    void OnLButtonUp(CPoint point) { Target()->OnLButtonUp(point); }

private:
    // Range-tested: a position past the list throws std::out_of_range.
    Game* Target() const {
        return static_cast<Game*>(model->GetCurrentCategoryMinigames()->at(Position));
    }

    CModel* model;
};
