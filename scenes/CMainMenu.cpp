#include "scenes/CMainMenu.h"

#include <GL/gl.h>

#include <cstdlib>

#include "core/CCategory.h"
#include "core/CModel.h"
#include "scenes/TownMapLayout.h"
#include "ui/CornerLayout.h"

namespace {
CClickableImage* CornerImage(const char* name) {
    CClickableImage* image = new CClickableImage(name);
    image->SetScale(CornerLayout::kScale);
    return image;
}
}  // namespace

void CMainMenu::Load() {
    Unload();
    exitImage = CornerImage("title_exit.png");
    background = new CClickableImage("roadmapBackground.png");
    dentistOverlay = new CClickableImage("BuildingDentist.png");
    pizzaOverlay = new CClickableImage("BuildingPizza.png");
    groceryOverlay = new CClickableImage("BuildingGrocery.png");
    vaultOverlay = new CClickableImage("vault.png");
    helpImage = CornerImage("button_questionmark.png");
    muteImage = NewMuteButton(model);
    subtitlesButton = NewSubtitleButton(model);
    clouds = new CClickableImage("clouds.png");
    menuState = MAINMENU_IDLE;
    leaveCounter = 0;
    cloudOffset = 0.0;
    model->PlayMusic("Music3.mp3", true);
}

void CMainMenu::Unload() {
    for (CClickableImage** image : {&exitImage, &background, &dentistOverlay, &pizzaOverlay,
                                    &groceryOverlay, &vaultOverlay, &helpImage, &clouds}) {
        delete *image;
        *image = nullptr;
    }
    delete muteImage;
    muteImage = nullptr;
    delete subtitlesButton;
    subtitlesButton = nullptr;
}

void CMainMenu::DrawClouds(int width, int height) {
    glPushMatrix();
    glTranslatef(static_cast<float>(cloudOffset), 0.0f, 0.0f);
    clouds->FillScreen(width, height);
    glTranslatef(static_cast<float>(-width), 0.0f, 0.0f);
    clouds->FillScreen(width, height);
    glPopMatrix();
    cloudOffset += TownMapLayout::kCloudDrift;
    if (cloudOffset > width) cloudOffset = 0.0;
}

void CMainMenu::Draw(int width, int height) {
    lastWidth = width;
    lastHeight = height;
    if (exitImage == nullptr) Load();
    background->FillScreen(width, height);

    if (CCategory* category = model->GetCurrentCategory()) {
        switch (category->GetCategoryType()) {
            case CATEGORY_DENTIST: dentistOverlay->FillScreen(width, height); break;
            case CATEGORY_PIZZA: pizzaOverlay->FillScreen(width, height); break;
            case CATEGORY_GROCERY: groceryOverlay->FillScreen(width, height); break;
            case CATEGORY_REWARDS: vaultOverlay->FillScreen(width, height); break;
            default: break;
        }
    }
    DrawClouds(width, height);

    if (menuState == MAINMENU_LEAVING) {
        // Once per category, as the delay always was: past 1000 on the 17th frame.
        for (size_t i = 0; i < model->GetCategories().size(); ++i) {
            leaveCounter += TownMapLayout::kLeaveStep;
            if (leaveCounter > TownMapLayout::kLeaveLimit) {
                Unload();
                model->SetGameState(GAMESTATE_SUBMENU);
                return;
            }
        }
    }

    exitImage->SetPosition(CornerLayout::kExitX, CornerLayout::kY);
    helpImage->SetPosition(width - CornerLayout::kHelpFromRight, CornerLayout::kY);
    muteImage->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kY);
    subtitlesButton->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kSubtitlesY);
    exitImage->Draw();
    helpImage->Draw();
    muteImage->Draw();
    subtitlesButton->Draw();
}

bool CMainMenu::closeEnough(CPoint a, CPoint b) {
    return std::abs(b.x - a.x) < TownMapLayout::kReach && std::abs(b.y - a.y) < TownMapLayout::kReach;
}

MainMenuHit CMainMenu::HitTest(CPoint point) const {
    if (exitImage == nullptr) return MAINMENUHIT_NONE;
    if (exitImage->HitTest(point)) return MAINMENUHIT_EXIT;
    if (lastHeight <= 0) return MAINMENUHIT_NONE;
    for (int building = MAINMENUHIT_DENTIST; building <= MAINMENUHIT_VAULT; ++building) {
        const ReferenceLayout::Spot& spot = TownMapLayout::kBuildings[building];
        const CPoint centre(ReferenceLayout::ScaleX(lastWidth, spot.fx),
                            ReferenceLayout::ScaleY(lastHeight, spot.fy));
        if (closeEnough(centre, point)) return static_cast<MainMenuHit>(building);
    }
    return MAINMENUHIT_NONE;
}

void CMainMenu::HandleAudio(CPoint point) {
    if (helpImage && helpImage->HitTest(point)) model->PlaySoundFile("mainmenuInstruction.mp3", true);
    if (muteImage && muteImage->HitTest(point)) model->ToggleMute();
    if (subtitlesButton && subtitlesButton->HitTest(point)) model->ToggleSubtitles();
}
