#pragma once
#include "app/CPoint.h"

// The red cross a wrong answer leaves at the click, so that a learner
// without sound sees the point was lost: it fades within three quarters of
// a second as it shrinks a little.
class CWrongAnswerCross {
public:
    static constexpr int kFrames = 48;

    void Show(CPoint point) {
        at = point;
        framesLeft = kFrames;
    }
    void Hide() { framesLeft = 0; }
    bool IsShown() const { return framesLeft > 0; }
    // One frame of it, if shown.
    void Draw();

private:
    CPoint at;
    int framesLeft = 0;
};
