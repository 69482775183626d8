#pragma once
#include "app/CPoint.h"
#include "ui/CClickableImage.h"

// The strip at the top of a minigame: a picture a step, numbered from 1,
// and over a step passed without its point a red disc, so the strip shows
// what was missed rather than ticking it.
class CProgressStrip {
public:
    static constexpr int kMostSteps = 16;

    CProgressStrip() = default;
    ~CProgressStrip() { Unload(); }
    CProgressStrip(const CProgressStrip&) = delete;
    CProgressStrip& operator=(const CProgressStrip&) = delete;

    // pattern: the printf pattern of the strip's pictures.
    void Load(const char* pattern);
    void Unload();
    // Replaces the strip with its picture number n.
    void Set(int n);
    int Get() const { return shown; }
    // Step `step` (from 0) of a strip of `steps` was passed without its point.
    void MissStep(int step, int steps);
    bool IsStepMissed(int step) const { return step >= 0 && step < kMostSteps && missed[step]; }
    // Where a step stands on the view: the steps are 40 pixels apart about
    // the middle.
    CPoint StepAt(int step) const { return StepAt(step, steps); }
    // The same on a strip of `stripSteps` steps.
    CPoint StepAt(int step, int stripSteps) const;
    // How many steps the strip has, once a miss has told it (0 before).
    int Steps() const { return steps; }
    int Middle() const { return middleX; }
    void Place(int width);
    void Draw();

private:
    const char* pattern = nullptr;
    CClickableImage* image = nullptr;
    CClickableImage* missedImage = nullptr;  // "strip_missed.png"
    int shown = 0;
    bool missed[kMostSteps] = {};
    int steps = 0;  // the steps of the strip a step was missed on
    int middleX = 0;
};
