#include "scenes/CRewardScene.h"

#include <GL/freeglut.h>

#include <algorithm>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"
#include "scenes/ScorePanelLayout.h"

using namespace ScorePanelLayout;

namespace {
CClickableImage* PanelImage(const char* name) {
    CClickableImage* image = new CClickableImage(name);
    image->SetScale(2.0f);
    return image;
}
CCustomButton* PanelButton(const char* normal, const char* lit) {
    CCustomButton* button = new CCustomButton(normal, lit);
    button->SetScale(2.0f);
    return button;
}
}  // namespace

CRewardScene::CRewardScene(CModel* owner)
    : model(owner), slideX(kSlideStart), shownTotal(owner->GetCompteTotal()) {
    restartButton = PanelButton("button_reward_restart.png", "button_reward_restart_light.png");
    menuButton = PanelButton("button_reward_menu.png", "button_reward_menu_light.png");
    practiceButton = PanelButton("button_reward_practice.png", "button_reward_practice_light.png");
    completeImage = PanelImage("MinijeuComplete.png");
    titlesImage = PanelImage("scoreTitles.png");
    barImage = PanelImage("gold_bullion.png");
    emptyBarImage = PanelImage("gold_bullion_empty.png");
    logoImage = PanelImage("logo.png");
    largeBarImage = PanelImage("bullion_large.png");
    countText = new CCountText();
}

void CRewardScene::Unload() {
    if (model->GetShownPanel() == this) model->SetShownPanel(nullptr);
    delete restartButton;
    delete menuButton;
    delete practiceButton;
    restartButton = menuButton = practiceButton = nullptr;
    delete countText;
    countText = nullptr;
    for (CClickableImage** image : {&completeImage, &titlesImage, &barImage, &emptyBarImage, &logoImage, &largeBarImage}) {
        delete *image;
        *image = nullptr;
    }
}

namespace {
constexpr const char* kPracticeWords = "Entraînement : ces points ne comptent pas, votre score reste le même.";
}

std::string CRewardScene::ScoreWords() const {
    const int score = compteMax > 0 ? std::min(compte, compteMax) : compte;
    return std::to_string(score) + " sur " + std::to_string(compteMax);
}

namespace {
// An opaque rectangle of the view filled by a scissored clear: on a
// software renderer far cheaper than rasterising it. xOffset: the panel's
// slide, which the scissor box (window pixels, from the bottom) does not get
// from the modelview.
void ClearRect(int xOffset, int viewHeight, int left, int top, int right, int bottom, float r, float g, float b) {
    glScissor(left + xOffset, viewHeight - bottom, right - left, bottom - top);
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
}  // namespace

void CRewardScene::DrawRedBorder(int xOffset, int width, int height) {
    const int left = kFrameMargin, top = kFrameTop, right = width - kFrameMargin, bottom = height - kFrameTop;
    const int inner = kFrameWidth;
    const float red[3] = {0.26274511f, 0.0117647f, 0.0039216f};
    glEnable(GL_SCISSOR_TEST);
    // The dark red frame's four sides, then the orange inside: each pixel once.
    ClearRect(xOffset, height, left, top, right, top + inner, red[0], red[1], red[2]);
    ClearRect(xOffset, height, left, bottom - inner, right, bottom, red[0], red[1], red[2]);
    ClearRect(xOffset, height, left, top + inner, left + inner, bottom - inner, red[0], red[1], red[2]);
    ClearRect(xOffset, height, right - inner, top + inner, right, bottom - inner, red[0], red[1], red[2]);
    ClearRect(xOffset, height, left + inner, top + inner, right - inner, bottom - inner, 1.0f, 0.6f, 0.16470589f);
    glDisable(GL_SCISSOR_TEST);
}

bool CRewardScene::PracticeOffered() const {
    return ButtonsShown() && !model->IsPractising() && std::min(compte, compteMax) < compteMax;
}

void CRewardScene::StoreResult() {
    if (model->IsPractising()) return;  // practice keeps no score and earns nothing
    const int type = model->GetMinigameType();
    if (type >= MINIGAME_1_1 && type <= MINIGAME_1_10) model->SetCompte(0, type, barsFilled);
    if (type >= MINIGAME_2_1 && type <= MINIGAME_2_9) model->SetCompte(1, type - MINIGAME_2_1, barsFilled);
    if (type >= MINIGAME_3_1 && type <= MINIGAME_3_5) model->SetCompte(2, type - MINIGAME_3_1, barsFilled);
    // The total rises once, by exactly the bars the panel shows; the game
    // goes into the learner's history once.
    if (!totalRaised) {
        totalRaised = true;
        model->IncrementTotalScore(barsFilled);
        if (MinigamePosition(type) >= 0 && type != MINIGAME_REWARDS) model->RecordGame(type, barsFilled, compteMax);
    }
    // Written at once: the learner may close the game without a click.
    if (!resultSaved) {
        resultSaved = true;
        model->Save();
    }
}

void CRewardScene::Draw(int width, int height) {
    if (logoImage == nullptr) return;  // unloaded
    model->SetShownPanel(this);
    glPushMatrix();
    const int xOffset = slideX;
    glTranslatef(static_cast<float>(xOffset), 0.0f, 0.0f);
    if (slideX < 0) {
        slideX += kSlideStep;
    } else {
        slideX = 0;
    }
    if (slideX == 0) ++frameCount;

    // The red frame hides all but the margins of the dimming.
    CModel::FillDarkQuadAround(width, height, kFrameMargin, kFrameTop, width - kFrameMargin, height - kFrameTop);
    DrawRedBorder(xOffset, width, height);

    logoImage->SetPosition(width - kLogoFromRight, height / 2 - kLogoAboveMiddle);
    logoImage->Draw();
    restartButton->SetPosition(kRestartX, height - kRestartFromBottom);
    menuButton->SetPosition(width - kMenuFromRight, height - kMenuFromBottom);
    practiceButton->SetPosition(kPracticeX, height - kRestartFromBottom);
    if (ButtonsShown()) {
        restartButton->Draw();
        menuButton->Draw();
        if (PracticeOffered()) practiceButton->Draw();
    }

    completeImage->SetPosition(kCompleteX, kCompleteY);
    completeImage->Draw();
    titlesImage->SetPosition(kTitlesX, kTitlesY);
    titlesImage->Draw();
    largeBarImage->SetPosition(kLargeBarX, kLargeBarY);
    largeBarImage->Draw();

    countText->Draw(CString::Format("x%d", shownTotal).str(), kBalanceTextX, kBalanceTextY, kBalanceTextHeight,
                    0.3137255f, 0.05098039f, 0.02745098f);

    if (frameCount >= kFirstSlotFrame && frameCount % kFramesPerSlot == 0 && slotsShown < compteMax) {
        ++slotsShown;
        if (barsFilled < compte) {
            ++barsFilled;
            if (!model->IsPractising()) ++shownTotal;
            model->PlaySoundFile("drop.mp3", false);
        }
    }
    // Stored in the frame its last slot appears, so a ready panel is a saved one.
    if (ButtonsShown()) StoreResult();
    for (int i = 0; i < slotsShown; ++i) {
        CClickableImage* slot = i < compte ? barImage : emptyBarImage;
        slot->SetPosition(kFirstSlotX + kSlotStep * i, kSlotsY);
        slot->Draw();
    }
    // The score in words for a learner who does not count the bars.
    if (compteMax > 0) {
        countText->Draw(ScoreWords(), kScoreWordsX, kScoreWordsY, kScoreWordsHeight, 0.3137255f, 0.05098039f,
                        0.02745098f);
    }
    if (model->IsPractising()) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.3137255f, 0.05098039f, 0.02745098f, 1.0f);
        CModel::DrawText(static_cast<float>(kScoreWordsX), static_cast<float>(kPracticeWordsY),
                         GLUT_BITMAP_HELVETICA_18, Latin1FromUtf8(kPracticeWords).c_str());
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
    }
    glPopMatrix();
}

void CRewardScene::Finish() {
    if (logoImage == nullptr) return;
    barsFilled = compteMax > 0 ? std::min(compte, compteMax) : compte;
    slotsShown = compteMax;
    StoreResult();
}

void CRewardScene::OnMouseMove(CPoint point) {
    if (restartButton == nullptr) return;
    restartButton->SetLight(false);
    menuButton->SetLight(false);
    practiceButton->SetLight(false);
    if (!ButtonsShown()) return;
    if (PracticeOffered() && practiceButton->HitTest(point)) practiceButton->SetLight(true);
    if (restartButton->HitTest(point)) restartButton->SetLight(true);
    if (menuButton->HitTest(point)) menuButton->SetLight(true);
}

void CRewardScene::OnLButtonUp(CPoint point) {
    model->Save();
    if (restartButton == nullptr || !ButtonsShown()) return;
    if (PracticeOffered() && practiceButton->HitTest(point)) {
        std::vector<int> missed;
        int steps = 0;
        if (const CMinigameShell* shell = model->GetActiveShell()) {
            for (int step = 0; step < CProgressStrip::kMostSteps; ++step)
                if (shell->IsStepMissed(step)) missed.push_back(step);
            steps = shell->StripSteps();
        }
        Unload();
        model->InGamePractice(missed, steps);  // deletes this panel
        return;
    }
    if (restartButton->HitTest(point)) {
        Unload();
        model->InGameRestart();  // deletes this panel
        return;
    }
    if (menuButton->HitTest(point)) model->InGameLeave();  // deletes this panel
}
