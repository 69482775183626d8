#pragma once
#include "app/CPoint.h"
#include "ui/CCustomButton.h"

class CModel;

// What a minigame that is not ready yet shows: a word for the learner and
// the exit button back to the room.
class CMinigamePlaceholder {
public:
    explicit CMinigamePlaceholder(CModel* model);
    ~CMinigamePlaceholder() { delete exitButton; }
    CMinigamePlaceholder(const CMinigamePlaceholder&) = delete;
    CMinigamePlaceholder& operator=(const CMinigamePlaceholder&) = delete;

    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // True when the exit button was clicked: the minigame then leaves.
    bool OnLButtonUp(CPoint point) const { return exitButton->HitTest(point); }

private:
    CModel* model;
    CCustomButton* exitButton;
};
