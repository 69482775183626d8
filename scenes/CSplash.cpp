#include "scenes/CSplash.h"

#include "core/CModel.h"

void CSplash::Load() {
    splashState = SPLASH_SHOWING;
    holdCount = 0;
    delete logo;
    logo = new CAnimation(0, 0, 1.0f, 0.0f, kFramesPerLogo, false);
    for (const char* name : {"logo1.png", "logo2.png", "logo3.png", "logo4.png", "logo5.png"}) {
        logo->AddImage(name);
    }
    loaded = true;
}

void CSplash::Unload() {
    delete logo;
    logo = nullptr;
    loaded = false;
}

void CSplash::Draw(int width, int height) {
    if (!loaded) Load();
    logo->SetPos(width / 2, height / 2);
    logo->Draw();
    if (musicPending) {
        PlaySplashMusic();
        musicPending = false;
    }
    const float alpha = logo->GetAlpha();
    if (splashState == SPLASH_SHOWING && logo->IsFinished()) {
        ++holdCount;
        if (holdCount > kHoldFrames) splashState = SPLASH_FADING;
    }
    if (alpha < 0.0f && splashState == SPLASH_FADING) splashState = SPLASH_FINISHED;
    if (splashState == SPLASH_FADING) logo->SetAlpha(alpha - kFadeStep);
    if (splashState == SPLASH_FINISHED) model->SetGameState(GAMESTATE_TITLE);
}

// The splash music is the model's current music, so the town map's own
// music replaces it instead of playing over it.
void CSplash::PlaySplashMusic() { model->PlayMusic("SplashMusic.mp3", true); }
