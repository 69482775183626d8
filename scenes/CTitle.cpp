#include "scenes/CTitle.h"

#include "scenes/TitleLayout.h"

void CTitle::Load() {
    Unload();
    loginButton = new CCustomButton("title_login.png", "title_login_light.png");
    exitButton = new CCustomButton("title_exit.png", "title_exit_light.png");
    // The credits button glows with the exit button's light.
    creditsButton = new CCustomButton("credits_button.png", "title_exit_light.png");
    titleImage = new CClickableImage("title.png");
    background = new CClickableImage("dark_wood_background.png");
}

void CTitle::Unload() {
    delete loginButton;
    delete exitButton;
    delete creditsButton;
    delete titleImage;
    delete background;
    loginButton = exitButton = creditsButton = nullptr;
    titleImage = background = nullptr;
}

void CTitle::Draw(int width, int height) {
    using namespace TitleLayout;
    if (titleImage == nullptr) Load();
    titleImage->SetPosition(width / 2, height / 2);
    creditsButton->SetPosition(kCreditsX, height - kCreditsFromBottom);
    creditsButton->SetScale(kCreditsScale);
    const int loginX = static_cast<int>(width * kLoginFx);
    const int loginY = static_cast<int>(height * kLoginFy);
    loginButton->SetScale(kButtonScale);
    loginButton->SetPosition(loginX, loginY);
    exitButton->SetScale(kButtonScale);
    exitButton->SetPosition(loginX + kExitOffsetX, loginY + kExitOffsetY);

    background->FillScreen(width, height);
    titleImage->Draw();
    loginButton->Draw();
    exitButton->Draw();
    creditsButton->Draw();
}

TitleHit CTitle::HitTest(CPoint point) const {
    if (!loginButton || !exitButton || !creditsButton) return TITLEHIT_NONE;
    if (exitButton->HitTest(point)) return TITLEHIT_EXIT;
    if (loginButton->HitTest(point)) return TITLEHIT_LOGIN;
    if (creditsButton->HitTest(point)) return TITLEHIT_CREDITS;
    return TITLEHIT_NONE;
}

void CTitle::SetSelected(TitleHit hit) {
    if (!loginButton || !exitButton || !creditsButton) return;
    loginButton->SetLight(hit == TITLEHIT_LOGIN);
    creditsButton->SetLight(hit == TITLEHIT_CREDITS);
    exitButton->SetLight(hit == TITLEHIT_EXIT);
}

CCustomButton* CTitle::GetButton(TitleHit hit) const {
    switch (hit) {
        case TITLEHIT_LOGIN: return loginButton;
        case TITLEHIT_CREDITS: return creditsButton;
        case TITLEHIT_EXIT: return exitButton;
        default: return nullptr;
    }
}
