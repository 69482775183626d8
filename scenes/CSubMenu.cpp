#include "scenes/CSubMenu.h"

#include <GL/freeglut.h>

#include <vector>

#include "core/CCategory.h"
#include "app/BitmapText.h"
#include "app/DataFolder.h"
#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/MinigameTitles.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "scenes/SubMenuLayout.h"
#include "ui/CPicturePrefetch.h"
#include "ui/CornerLayout.h"

namespace {

CClickableImage* ScaledImage(const char* name) {
    CClickableImage* image = new CClickableImage(name);
    image->SetScale(CornerLayout::kScale);
    return image;
}

const char* BackgroundFor(CategoryType type) {
    switch (type) {
        case CATEGORY_DENTIST: return "waitingroom.png";
        case CATEGORY_PIZZA: return "pizzaria.png";
        case CATEGORY_GROCERY: return "shelf_background.png";
        default: return nullptr;
    }
}

// The first minigame type of a category: icon i leads to this + i.
int FirstTypeOf(CategoryType type) {
    switch (type) {
        case CATEGORY_DENTIST: return MINIGAME_1_1;
        case CATEGORY_PIZZA: return MINIGAME_2_1;
        case CATEGORY_GROCERY: return MINIGAME_3_1;
        default: return -1;
    }
}

}  // namespace

void CSubMenu::Load() {
    Unload();
    exitImage = ScaledImage("title_exit.png");
    helpImage = ScaledImage("button_questionmark.png");
    muteImage = NewMuteButton(model);
    subtitlesButton = NewSubtitleButton(model);
    loadingImage = ScaledImage("loading.png");
    curtain = 0;
    transition = SUBMENUHIT_NONE;
    hovered = SUBMENUHIT_NONE;
    iconsWidth = iconsHeight = -1;
    CCategory* category = model->GetCurrentCategory();
    const char* name = category ? BackgroundFor(category->GetCategoryType()) : nullptr;
    if (name) background = new CClickableImage(name);
}

void CSubMenu::Unload() {
    for (CClickableImage** image : {&background, &exitImage, &helpImage, &loadingImage}) {
        delete *image;
        *image = nullptr;
    }
    delete muteImage;
    muteImage = nullptr;
    delete subtitlesButton;
    subtitlesButton = nullptr;
}

void CSubMenu::Reset() {
    Load();
    transition = SUBMENUHIT_NONE;
    curtain = 0;
    decodedAheadFor = -1;
    model->PlayMusic("", true);
    model->PlayMusic("Music2.mp3", true);
}

void CSubMenu::LoadIconPositions(int width, int height) {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return;
    const std::vector<CAbstractMinigame*>& games = *category->GetMinigames();
    const int count = static_cast<int>(games.size());
    for (int i = 0; i < count; ++i) {
        CClickableImage* icon = games[i]->GetIcon();
        switch (category->GetCategoryType()) {
            case CATEGORY_DENTIST:
                if (i < 10) {
                    const auto& spot = SubMenuLayout::kDentistIcons[i];
                    icon->SetPosition(ReferenceLayout::ScaleX(width, spot.fx), ReferenceLayout::ScaleY(height, spot.fy));
                }
                break;
            case CATEGORY_PIZZA:
                if (i < 9) {
                    const auto& spot = SubMenuLayout::kPizzaIcons[i];
                    icon->SetPosition(ReferenceLayout::ScaleX(width, spot.fx), ReferenceLayout::ScaleY(height, spot.fy));
                }
                break;
            default: {
                const int step = width / (count + 1);
                icon->SetPosition(step * (i + 1), ReferenceLayout::ScaleY(height, SubMenuLayout::kGroceryRowY));
                break;
            }
        }
    }
}

void CSubMenu::Draw(int width, int height) {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return;
    if (exitImage == nullptr) Load();
    // Placed on the first visit and again whenever the view changes size,
    // so that an icon is clicked where it shows.
    if (!category->IsLoaded() || width != iconsWidth || height != iconsHeight) {
        LoadIconPositions(width, height);
        category->SetLoaded(true);
        iconsWidth = width;
        iconsHeight = height;
    }
    if (background) background->FillScreen(width, height);
    for (CAbstractMinigame* game : *category->GetMinigames()) game->GetIcon()->Draw();

    exitImage->SetPosition(CornerLayout::kExitX, CornerLayout::kY);
    helpImage->SetPosition(width - CornerLayout::kHelpFromRight, CornerLayout::kY);
    muteImage->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kY);
    subtitlesButton->SetPosition(width - CornerLayout::kMuteFromRight, CornerLayout::kSubtitlesY);
    exitImage->Draw();
    helpImage->Draw();
    muteImage->Draw();
    subtitlesButton->Draw();

    if (transition != SUBMENUHIT_NONE) {
        DrawLoadingScreen(width, height);
    } else {
        DrawHoveredLabel(width, height);
    }
}

std::string CSubMenu::HoveredLabel() const {
    CCategory* category = model->GetCurrentCategory();
    const int first = category ? FirstTypeOf(category->GetCategoryType()) : -1;
    if (first < 0 || hovered < 0 || hovered >= static_cast<int>(category->GetMinigames()->size())) return "";
    const MinigameTitle* title = TitleOf(first + hovered);
    if (title == nullptr) return "";
    std::string label = title->name;
    if (*title->language) label += std::string(" (") + title->language + ")";
    return label;
}

// A cream card with the name, under the icon (above it near the bottom
// edge), kept inside the view.
void CSubMenu::DrawHoveredLabel(int width, int height) {
    const std::string text = Latin1FromUtf8(HoveredLabel());
    if (text.empty()) return;
    void* const font = GLUT_BITMAP_HELVETICA_18;
    const CClickableImage* icon = (*model->GetCurrentCategory()->GetMinigames())[hovered]->GetIcon();
    const int textWidth = BitmapText::Width(font, text);
    const int boxWidth = textWidth + 2 * SubMenuLayout::kLabelPadding;
    const int boxHeight = SubMenuLayout::kLabelHeight;
    const int iconHalf = static_cast<int>(icon->GetHeight() * icon->GetScale() / 2);
    int left = icon->GetPosition().x - boxWidth / 2;
    int top = icon->GetPosition().y + iconHalf + SubMenuLayout::kLabelGap;
    if (top + boxHeight > height) top = icon->GetPosition().y - iconHalf - SubMenuLayout::kLabelGap - boxHeight;
    if (left + boxWidth > width - 4) left = width - 4 - boxWidth;
    if (left < 4) left = 4;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    glRecti(left - 2, top - 2, left + boxWidth + 2, top + boxHeight + 2);
    glColor4f(1.0f, 0.97f, 0.9f, 1.0f);
    glRecti(left, top, left + boxWidth, top + boxHeight);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    model->DrawText(static_cast<float>(left + SubMenuLayout::kLabelPadding), static_cast<float>(top + boxHeight - 10),
                    font, text.c_str());
    glEnable(GL_TEXTURE_2D);
}

int CSubMenu::HitTest(CPoint point) const {
    CCategory* category = model->GetCurrentCategory();
    if (category == nullptr) return SUBMENUHIT_NONE;
    const std::vector<CAbstractMinigame*>& games = *category->GetMinigames();
    for (int i = static_cast<int>(games.size()) - 1; i >= 0; --i) {
        if (games[i]->GetIcon()->HitTest(point)) return i;
    }
    return SUBMENUHIT_NONE;
}

int CSubMenu::OnLButtonUp(CPoint point) {
    if (exitImage && exitImage->HitTest(point)) return SUBMENUHIT_EXIT;
    if (helpImage && helpImage->HitTest(point)) model->PlaySoundFile("submenuInstruction.mp3", true);
    if (muteImage && muteImage->HitTest(point)) model->ToggleMute();
    if (subtitlesButton && subtitlesButton->HitTest(point)) model->ToggleSubtitles();
    return SUBMENUHIT_NONE;
}

void CSubMenu::DrawLoadingScreen(int width, int height) {
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glTranslatef(static_cast<float>(width - curtain), 0.0f, 0.0f);
    const bool closed = curtain >= 2 * width;
    if (!closed) curtain += SubMenuLayout::kCurtainStep;

    const float w = static_cast<float>(width), h = static_cast<float>(height);
    glBegin(GL_QUADS);  // the soft leading edge
    glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glVertex2f(w, 0.0f);
    glVertex2f(w, h);
    glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
    glVertex2f(0.0f, h);
    glEnd();
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex2f(w, 0.0f);
    glVertex2f(static_cast<float>(static_cast<int>(width * 2.1)), 0.0f);
    glVertex2f(static_cast<float>(static_cast<int>(width * 2.1)), h);
    glVertex2f(w, h);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
    loadingImage->SetPosition(width - SubMenuLayout::kLoadingFromRight, height - SubMenuLayout::kLoadingFromBottom);
    loadingImage->Draw();

    // While the curtain closes, the minigame's big pictures are decoded on
    // the side; after the loading sign, which the first frame loads here.
    const int destination = Destination();
    if (destination != decodedAheadFor && destination >= 0) {
        decodedAheadFor = destination;  // a curtain stopped and run again may lead elsewhere
        for (const char* name : CMinigameShell::FirstFramePictures(static_cast<MinigameType>(destination))) {
            CPicturePrefetch::Request(DataFile("Images", name));
        }
    }
    if (closed) Enter();
}

int CSubMenu::Destination() const {
    CCategory* category = model->GetCurrentCategory();
    const int first = category ? FirstTypeOf(category->GetCategoryType()) : -1;
    if (first < 0 || transition < 0 || transition >= static_cast<int>(category->GetMinigames()->size())) return -1;
    return first + transition;
}

void CSubMenu::Enter() {
    if (transition == SUBMENUHIT_EXIT) {
        model->SetGameState(GAMESTATE_MAINMENU);
        return;
    }
    const int destination = Destination();
    if (destination < 0) return;
    model->SetMinigameType(static_cast<MinigameType>(destination));
    model->SetGameState(GAMESTATE_INGAME);
}
