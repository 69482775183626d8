#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"

// The scale's demonstration on its sheet: the example (the banana) on the
// tray, its cell on the chart, its four keys one after the other, the
// display, then the play button, each lit in turn and blinking. The intro
// walks through it once and stays on the play button; the instructions
// reopened from play loop through it without the button.
class CScaleDemo {
public:
    CScaleDemo();
    ~CScaleDemo();
    CScaleDemo(const CScaleDemo&) = delete;
    CScaleDemo& operator=(const CScaleDemo&) = delete;

    // From its first step, once through (the intro) or looping.
    void Restart(bool loop);
    // Where it was, to come back to after the instructions.
    void Save() { saved = step; }
    void Resume() { step = saved; }
    int Step() const { return step; }
    // How many digits of the example the display shows now.
    int Typed() const;

    // One frame: the step moves on when its time is up.
    void Advance();
    // The lit thing of the step, every other blink; keys[d] is where digit d lies.
    void Draw(int width, int height, const CPoint* keys, CPoint playButton);

private:
    void DrawAround(CClickableImage* image, CPoint at, double width, int imageWidth);

    int step = 0;
    int frames = 0;
    int saved = 0;
    bool loop = false;
    CClickableImage* border;       // around the example on the chart
    CClickableImage* borderB;      // around the item on the tray
    CClickableImage* pointer;      // "crosshair.png", pointing at the chart
    CClickableImage* smallCircle;  // on a key, and on the play button
    CClickableImage* smallCircleB; // around the display
};
