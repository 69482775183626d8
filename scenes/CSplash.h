#pragma once
#include "ui/CAnimation.h"

class CModel;

// The logo sequence with its music; after the last logo has stood for a
// while it fades out and the title takes over. It takes no input.
class CSplash {
public:
    static constexpr int kFramesPerLogo = 42;
    static constexpr int kHoldFrames = 90;  // the last logo stands this long
    static constexpr float kFadeStep = 0.04f;

    enum SplashState { SPLASH_SHOWING = 0, SPLASH_FADING = 1, SPLASH_FINISHED = 2 };

    explicit CSplash(CModel* model) : model(model) {}
    ~CSplash() { Unload(); }
    CSplash(const CSplash&) = delete;
    CSplash& operator=(const CSplash&) = delete;

    void Load();
    void Unload();
    void Draw(int width, int height);
    void PlaySplashMusic();

    int GetState() const { return splashState; }
    float GetAlpha() const { return logo ? logo->GetAlpha() : 1.0f; }

private:
    int splashState = SPLASH_SHOWING;
    CModel* model;
    bool loaded = false;
    int holdCount = 0;
    CAnimation* logo = nullptr;
    bool musicPending = true;
};
