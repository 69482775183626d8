#pragma once
#include <cstdint>
#include <vector>

#include "ui/CClickableImage.h"

// A sequence of pictures, each shown for a fixed number of draws, that
// stops on its last picture or starts over.
class CAnimation {
public:
    CAnimation(int32_t x, int32_t y, float scale, float angle, int32_t ticksPerFrame, bool loop);
    ~CAnimation();
    CAnimation(const CAnimation&) = delete;
    CAnimation& operator=(const CAnimation&) = delete;

    void AddImage(const char* fileName) { frames.push_back(new CClickableImage(fileName)); }
    void SetPos(int32_t px, int32_t py) { x = px; y = py; }
    void SetAlpha(float a) { alpha = a; }
    float GetAlpha() const { return alpha; }
    // True from the moment the last picture is first shown.
    bool IsFinished() const { return !frames.empty() && frame == frames.size() - 1; }
    uint32_t GetFrame() const { return frame; }
    // Draws the current picture, then counts the draw. With no picture it
    // draws and counts nothing.
    void Draw();

private:
    uint32_t frame = 0;
    int32_t tick = 0;
    int32_t ticksPerFrame;
    int32_t x;
    int32_t y;
    bool loop;
    float alpha = 1.0f;
    float scale;
    float angle;
    std::vector<CClickableImage*> frames;
};
