#include <filesystem>

#include "scenes/CRewardScene.h"
#include "scenes/ScorePanelLayout.h"
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

TEST_F(ScorePanel, RaisingTheCountAddsOnlyTheRiseToTheTotal) {
    CRewardScene panel(model);
    panel.SetCompte(3);
    EXPECT_EQ(model->GetTotalScore(), 3);
    panel.SetCompte(5);
    EXPECT_EQ(model->GetTotalScore(), 5);
    panel.SetCompte(2);
    EXPECT_EQ(model->GetTotalScore(), 5);
    EXPECT_EQ(panel.GetCompte(), 2);
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
