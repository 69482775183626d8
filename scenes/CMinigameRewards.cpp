#include "scenes/CMinigameRewards.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "app/CConfirmWipeDlg.h"
#include "core/CModel.h"
#include "ui/CornerLayout.h"

using namespace RewardHouseLayout;

namespace {
CCustomButton* CornerButton(const char* normal, const char* lit) {
    CCustomButton* button = new CCustomButton(normal, lit);
    button->SetScale(CornerLayout::kScale);
    return button;
}
}  // namespace

// The house is never shown in a sub-menu; it borrows a minigame's icon.
CMinigameRewards::CMinigameRewards(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_10.png") {}

void CMinigameRewards::Load() {
    Unload();
    model->PlayMusic("", true);
    houseImage = new CClickableImage("RewardHouse.png");
    houseImage->SetScale(2.0f);
    exitButton = CornerButton("title_exit.png", "title_exit_light.png");
    helpButton = CornerButton("button_questionmark.png", "button_questionmark_light.png");
    muteButton = NewMuteButton(model);
    subtitlesButton = NewSubtitleButton(model);
    victoryImage = new CClickableImage("victory.png");
    balanceIcon = new CClickableImage("bullion_large.png");
    balanceIcon->SetScale(0.8f);
    countText = new CCountText();
    for (int i = 0; i < kTrophies; ++i) {
        trophies[i] = new CClickableImage(CString::Format("trophy%d.png", i));
    }
    draggedTrophy = -1;
    hoveredTrophy = -1;
    dragging = false;
    needsLoad = false;
}

void CMinigameRewards::Unload() {
    delete countText;
    countText = nullptr;
    for (CClickableImage** image : {&houseImage, &victoryImage, &balanceIcon}) {
        delete *image;
        *image = nullptr;
    }
    for (CCustomButton** button : {&exitButton, &helpButton}) {
        delete *button;
        *button = nullptr;
    }
    delete muteButton;
    muteButton = nullptr;
    delete subtitlesButton;
    subtitlesButton = nullptr;
    for (CClickableImage*& trophy : trophies) {
        delete trophy;
        trophy = nullptr;
    }
    placedWidth = placedHeight = -1;
    needsLoad = true;
}

void CMinigameRewards::LoadButtonLocations(int width, int height) {
    victoryImage->SetPosition(width / 2, height / 2);
    restartSpot = CPoint(static_cast<int>(width * 0.5 + kRestartOffset.x),
                         static_cast<int>(height * 0.5 + kRestartOffset.y));
    for (int i = 0; i < kTrophies; ++i) {
        shelfSpots[i] = ShelfSpot(i);
        houseSpots[i] = CPoint(static_cast<int>(width * 0.5 + kHouseSpots[i].x),
                               static_cast<int>(height * 0.5 + kHouseSpots[i].y));
        BackToShelf(i);
        if (model->IsTrophyAwarded(i)) {
            trophies[i]->SetPosition(houseSpots[i].x, houseSpots[i].y);
            trophies[i]->SetScale(kHouseScale);
        }
    }
}

bool CMinigameRewards::closeEnough(CPoint a, CPoint b) {
    return std::abs(b.x - a.x) < kReach && std::abs(b.y - a.y) < kReach;
}

bool CMinigameRewards::OnItsPlace(int trophy) const {
    return closeEnough(trophies[trophy]->GetPosition(), houseSpots[trophy]);
}

void CMinigameRewards::BackToShelf(int trophy) {
    trophies[trophy]->SetScale(kShelfScale);
    trophies[trophy]->SetPosition(shelfSpots[trophy].x, shelfSpots[trophy].y);
}

bool CMinigameRewards::IsHouseFull() const {
    for (int i = 0; i < kTrophies; ++i) {
        if (!model->IsTrophyAwarded(i)) return false;
    }
    return true;
}

void CMinigameRewards::RestartGame() {
    model->RestartGame();
    for (int i = 0; i < kTrophies; ++i) BackToShelf(i);
}

std::string CMinigameRewards::PriceText(int price) {
    return std::to_string(price) + (price == 1 ? " lingot" : " lingots");
}

// "2 lingots" on a cream card under the trophy, kept inside the view.
void CMinigameRewards::DrawPrice(int trophy) {
    const std::string text = PriceText(model->GetTrophyCost(trophy));
    const CClickableImage* picture = trophies[trophy];
    const float width = CCountText::Width(text, kPriceTextHeight);
    const int cardWidth = static_cast<int>(width) + 2 * kPriceCardPadding;
    const int cardHeight = static_cast<int>(kPriceTextHeight * 0.8f);
    const int lowerEdge = picture->GetPosition().y + static_cast<int>(picture->GetHeight() * picture->GetScale() / 2);
    int left = picture->GetPosition().x - cardWidth / 2;
    if (left < 4) left = 4;
    if (left + cardWidth > viewWidth - 4) left = viewWidth - 4 - cardWidth;
    const int top = lowerEdge + kPriceCardBelow - cardHeight / 2;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    glRecti(left - 2, top - 2, left + cardWidth + 2, top + cardHeight + 2);
    glColor4f(1.0f, 0.97f, 0.9f, 1.0f);
    glRecti(left, top, left + cardWidth, top + cardHeight);
    glEnable(GL_TEXTURE_2D);
    countText->Draw(text, static_cast<float>(left + kPriceCardPadding),
                    top + cardHeight - kPriceTextHeight * 0.16f, kPriceTextHeight, 0.26f, 0.05f, 0.03f);
}

// "x12" beside the ingot, on a cream card so it reads on any background.
void CMinigameRewards::DrawBalance() {
    const std::string text = CString::Format("x%i", model->GetCompteTotal()).str();
    const int width = static_cast<int>(CCountText::Width(text, kBalanceTextHeight));
    const int top = kBalanceTextY - static_cast<int>(kBalanceTextHeight * 0.66f);
    const int bottom = kBalanceTextY + static_cast<int>(kBalanceTextHeight * 0.12f);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    glRecti(kBalanceTextX - 8, top - 2, kBalanceTextX + width + 8, bottom + 2);
    glColor4f(1.0f, 0.97f, 0.9f, 1.0f);
    glRecti(kBalanceTextX - 6, top, kBalanceTextX + width + 6, bottom);
    glEnable(GL_TEXTURE_2D);
    countText->Draw(text, kBalanceTextX, kBalanceTextY, kBalanceTextHeight, 0.0f, 0.0f, 0.0f);
}

void CMinigameRewards::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    // The spots follow the view: after F11 a trophy still drops where it shows.
    if (width != placedWidth || height != placedHeight) {
        placedWidth = width;
        placedHeight = height;
        LoadButtonLocations(width, height);
    }
    houseImage->SetPosition(width / 2 + kHouseOffsetX, height / 2);
    houseImage->Draw();
    exitButton->SetPosition(CornerLayout::kExitX, CornerLayout::kY);
    balanceIcon->SetPosition(kBalanceIconX, CornerLayout::kY);
    helpButton->SetPosition(width - CornerLayout::kHelpFromRight, CornerLayout::kY);
    muteButton->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kY);
    subtitlesButton->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kSubtitlesY);
    exitButton->Draw();
    balanceIcon->Draw();
    muteButton->Draw();
    subtitlesButton->Draw();
    helpButton->Draw();

    for (CClickableImage* trophy : trophies) trophy->Draw();
    if (hoveredTrophy >= 0) DrawPrice(hoveredTrophy);
    if (dragging && draggedTrophy >= 0) {
        trophies[draggedTrophy]->Draw();
        DrawPrice(draggedTrophy);
    }
    if (IsHouseFull()) victoryImage->Draw();

    DrawBalance();
}

void CMinigameRewards::OnLButtonDown(CPoint point) {
    if (needsLoad) return;
    // A press beside every trophy grabs none (not the one dragged last time).
    draggedTrophy = -1;
    for (int i = 0; i < kTrophies; ++i) {
        if (trophies[i]->HitTest(point) && !OnItsPlace(i)) draggedTrophy = i;
    }
    dragging = true;
}

void CMinigameRewards::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    for (CCustomButton* button : {exitButton, helpButton}) button->SetLight(false);
    muteButton->SetLight(false);
    const bool onExitOrHelp = exitButton->HitTest(point) || helpButton->HitTest(point);
    if (onExitOrHelp || muteButton->HitTest(point)) {
        if (exitButton->HitTest(point)) exitButton->SetLight(true);
        else if (helpButton->HitTest(point)) helpButton->SetLight(true);
        else muteButton->SetLight(true);
        model->SetCursor(CURSOR_HAND);
        return;
    }
    hoveredTrophy = -1;
    for (int i = 0; i < kTrophies; ++i) {
        if (!OnItsPlace(i)) trophies[i]->SetScale(kShelfScale);
    }
    for (int i = 0; i < kTrophies; ++i) {
        if (!trophies[i]->HitTest(point)) continue;
        hoveredTrophy = i;
        trophies[i]->SetScale(kHouseScale);
    }
    if (dragging && draggedTrophy >= 0) trophies[draggedTrophy]->SetPosition(point.x, point.y);
    model->SetCursor(hoveredTrophy >= 0 ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigameRewards::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    dragging = false;
    if (muteButton->HitTest(point)) model->ToggleMute();
    if (subtitlesButton->HitTest(point)) model->ToggleSubtitles();
    if (helpButton->HitTest(point)) model->PlaySoundFile("consigne_2_9.mp3", true);
    if (exitButton->HitTest(point)) {
        Unload();
        model->SetGameState(GAMESTATE_MAINMENU);
        return;
    }
    for (int i = 0; i < kTrophies; ++i) {
        if (!OnItsPlace(i)) {
            BackToShelf(i);
            continue;
        }
        trophies[i]->SetScale(kHouseScale);
        trophies[i]->SetPosition(houseSpots[i].x, houseSpots[i].y);
        if (model->IsTrophyAwarded(i)) continue;
        if (model->GetCompteTotal() > 0 && model->CanIAffordTrophy(i)) {
            model->RewardUser();
            model->AwardTrophy(i);
            model->Save();
            // The points went on another computer playing this learner.
            if (!model->IsTrophyAwarded(i)) BackToShelf(i);
        } else {
            model->PlaySoundFile("error.mp3", false);
            BackToShelf(i);
        }
    }
    // Starting over wipes everything: only after the learner says "Oui".
    if (IsHouseFull() && closeEnough(point, restartSpot) && CConfirmWipeDlg().Confirmed()) RestartGame();
}
