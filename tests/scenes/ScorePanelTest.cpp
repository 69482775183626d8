#include <filesystem>

#include "scenes/CRewardScene.h"
#include "scenes/ScorePanelLayout.h"
#include "ui/CCountText.h"
#include "support/GameFixture.h"

namespace {
class ScorePanel : public GameFixture {
protected:
    void Pictures() override {
        folder.AddPicture("button_reward_restart.png", 128, 64);
        folder.AddPicture("button_reward_menu.png", 128, 64);
    }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetCurrentCategory(CATEGORY_PIZZA);
        model->SetMinigameType(MINIGAME_2_4);
    }
};
}  // namespace

// The total rises once, when the result is stored, by the bars the panel
// shows: a count raised and lowered again during play adds nothing.
TEST_F(ScorePanel, TheTotalRisesOnceByTheBarsTheScoreStores) {
    CRewardScene panel(model);
    panel.SetCompte(3);
    EXPECT_EQ(model->GetTotalScore(), 0);
    panel.SetCompte(5);
    EXPECT_EQ(model->GetTotalScore(), 0);
    panel.SetCompte(2);
    EXPECT_EQ(model->GetTotalScore(), 0);
    EXPECT_EQ(panel.GetCompte(), 2);
    panel.SetCompteMax(6);
    for (int i = 0; i < 40 + 100 + 5 * 25 && !panel.ButtonsShown(); ++i) panel.Draw(800, 600);
    ASSERT_TRUE(panel.ButtonsShown());
    EXPECT_EQ(model->GetCompte(1, 3), 2);
    EXPECT_EQ(model->GetTotalScore(), 2);
    for (int i = 0; i < 30; ++i) panel.Draw(800, 600);  // stored on every frame, added once
    panel.Finish();
    EXPECT_EQ(model->GetTotalScore(), 2);
    EXPECT_EQ(panel.GetShownTotal(), 2);
}

// Left before its bars have dropped, the panel stores the result and adds
// it to the total at once, once.
TEST_F(ScorePanel, FinishedEarlyThePanelAddsItsScoreOnce) {
    model->IncrementTotalScore(4);
    CRewardScene panel(model);
    panel.SetCompte(9);
    panel.SetCompteMax(7);
    panel.Finish();
    EXPECT_EQ(model->GetCompte(1, 3), 7);
    EXPECT_EQ(model->GetTotalScore(), 11);
    panel.Finish();
    EXPECT_EQ(model->GetTotalScore(), 11);
}

TEST_F(ScorePanel, FourPointsOfSixDropFourBarsThenStoreTheScore) {
    model->IncrementTotalScore(10);
    CRewardScene panel(model);  // shows the balance of 10
    panel.SetCompte(4);
    panel.SetCompteMax(6);
    int frames = 0;
    while (panel.GetSlideX() < 0) {
        panel.Draw(800, 600);
        ++frames;
    }
    EXPECT_EQ(frames, 40);  // slides in from -2000 in steps of 50; the last frame is at rest
    for (int i = 0; i < 98; ++i) panel.Draw(800, 600);
    EXPECT_EQ(panel.GetSlotsShown(), 0);
    panel.Draw(800, 600);  // the hundredth frame at rest: the first slot
    EXPECT_EQ(panel.GetSlotsShown(), 1);
    EXPECT_EQ(panel.GetShownTotal(), 11);  // counts up from the balance it opened on
    for (int i = 0; i < 24; ++i) panel.Draw(800, 600);
    EXPECT_EQ(panel.GetSlotsShown(), 1);
    for (int i = 0; i < 5 * 25; ++i) panel.Draw(800, 600);
    EXPECT_EQ(panel.GetSlotsShown(), 6);
    EXPECT_EQ(panel.GetBarsFilled(), 4);
    EXPECT_EQ(panel.GetShownTotal(), 14);
    EXPECT_TRUE(panel.ButtonsShown());
    EXPECT_EQ(model->GetCompte(1, 3), 4);  // the pizzeria's fourth minigame
}

TEST_F(ScorePanel, AGameWorthNothingShowsItsButtonsAndStoresAtOnce) {
    model->SetCompte(1, 3, 9);
    CRewardScene panel(model);
    panel.SetCompteMax(0);
    panel.Draw(800, 600);
    EXPECT_TRUE(panel.ButtonsShown());
    EXPECT_EQ(model->GetCompte(1, 3), 0);
}

TEST_F(ScorePanel, EveryClickSavesButHiddenButtonsDoNothing) {
    model->SetLogin("Ana");
    CRewardScene panel(model);
    panel.SetCompteMax(2);
    panel.Draw(800, 600);
    panel.OnMouseMove(CPoint(150, 499));
    EXPECT_FALSE(panel.GetRestartButton()->GetLight());
    panel.OnLButtonUp(CPoint(150, 499));  // where restart will be
    EXPECT_TRUE(folder.Exists("Profiles/Ana.txt"));
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SPLASH);
}

TEST_F(ScorePanel, TheMenuButtonLeadsBackToTheRoom) {
    model->SetGameState(GAMESTATE_INGAME);
    CRewardScene panel(model);
    panel.SetCompteMax(0);
    panel.Draw(800, 600);
    panel.OnMouseMove(CPoint(646, 440));
    EXPECT_TRUE(panel.GetMenuButton()->GetLight());
    panel.OnLButtonUp(CPoint(646, 440));
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
}

TEST_F(ScorePanel, TheBalanceIsLargeEnoughToRead) {
    std::filesystem::copy_file(ZELK_GAME_DIR "/Images/count_glyphs.png", folder.File("Images/count_glyphs.png"));
    model->IncrementTotalScore(38);
    CRewardScene panel(model);
    for (int i = 0; i < 41; ++i) panel.Draw(800, 600);  // at rest
    GlWindow::BeginFrame();
    panel.Draw(800, 600);
    using namespace ScorePanelLayout;
    const GlWindow::Ink count = GlWindow::DarkInk(kBalanceTextX - 4, kBalanceTextY - 50, kBalanceTextX + 120,
                                                  kBalanceTextY + 12);
    EXPECT_GE(count.Height(), 24) << "x38";
    EXPECT_GE(count.left, kBalanceTextX);
    EXPECT_LE(count.bottom, kBalanceTextY + 1) << "figures stand on the baseline";
}

TEST_F(ScorePanel, TheFrameIsDarkRedRoundOrangeWhereverThePanelHasSlid) {
    using namespace ScorePanelLayout;
    CRewardScene panel(model);
    panel.SetCompteMax(3);
    const auto colourAt = [](int x, int y) { return GlWindow::ReadPixel(x, y) >> 8; };  // RGB
    const unsigned darkRed = 0x430301, orange = 0xff992a;
    // 35 frames in, the panel is drawn 300 px short of its place: its right
    // side stands at 740 - 300, its top and bottom sides where they belong.
    for (int i = 0; i < 35; ++i) {
        GlWindow::BeginFrame();
        panel.Draw(800, 600);
    }
    const int right = 800 - kFrameMargin - 300;
    EXPECT_EQ(colourAt(right - kFrameWidth + 1, 300), darkRed);
    EXPECT_EQ(colourAt(right - kFrameWidth - 1, 300), orange);
    EXPECT_EQ(colourAt(right - 20, kFrameTop + 1), darkRed);
    EXPECT_EQ(colourAt(right - 20, 600 - kFrameTop - 2), darkRed);
    EXPECT_EQ(colourAt(right - 20, kFrameTop + kFrameWidth + 1), orange);
    EXPECT_EQ(colourAt(right + 1, 300), 0xbfbfbfu);  // beside it, the view dimmed by a quarter
    while (panel.GetSlideX() < 0) panel.Draw(800, 600);
    GlWindow::BeginFrame();
    panel.Draw(800, 600);  // at rest
    EXPECT_EQ(colourAt(kFrameMargin, 300), darkRed);
    EXPECT_EQ(colourAt(kFrameMargin - 1, 300), 0xbfbfbfu);
    EXPECT_EQ(colourAt(kFrameMargin + kFrameWidth, 300), orange);
    EXPECT_EQ(colourAt(800 - kFrameMargin - 1, 300), darkRed);
}

// The score in words beside the bars, for a learner who does not count
// them: "5 sur 7", written under the row of slots in the balance's ink.
TEST_F(ScorePanel, TheScoreIsWrittenInWordsUnderTheBars) {
    std::filesystem::copy_file(ZELK_GAME_DIR "/Images/count_glyphs.png", folder.File("Images/count_glyphs.png"));
    CRewardScene panel(model);
    panel.SetCompte(5);
    panel.SetCompteMax(7);
    for (int i = 0; i < 41; ++i) panel.Draw(1024, 768);  // at rest
    // The view of a 1024 x 768 window, drawn 300 pixels up into the tests' window.
    GlWindow::BeginFrame();
    glPushMatrix();
    glTranslatef(0.0f, -300.0f, 0.0f);
    panel.Draw(1024, 768);
    glPopMatrix();
    const GlWindow::Ink words = GlWindow::DarkInk(100, 445 - 300, 500, 500 - 300);
    EXPECT_GE(words.Height(), 18) << "large enough to read";
    EXPECT_GE(words.left, 110);
    EXPECT_LE(words.left, 130) << "under the first slot";
    // As wide as "5 sur 7" in the house type, not a figure alone.
    const float wide = CCountText::Width("5 sur 7", 40);
    EXPECT_GE(words.right - words.left, static_cast<int>(wide * 0.8f));
    EXPECT_LE(words.right - words.left, static_cast<int>(wide) + 2);
}
