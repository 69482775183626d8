#include "core/CCategory.h"
#include "scenes/CMainMenu.h"
#include "scenes/CSubMenu.h"
#include "support/GameFixture.h"

namespace {
class TownMap : public GameFixture {
protected:
    void Pictures() override { folder.AddPicture("title_exit.png", 128, 64); }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetGameState(GAMESTATE_MAINMENU);
        menu = model->GetMainMenu();
    }
    CMainMenu* menu = nullptr;
};
}  // namespace

TEST_F(TownMap, TheDentistsSquareEndsExactly150PixelsFromItsSpot) {
    Frames(1, 1362, 726);
    // 1362 x 1003 / 1362 truncates to 1002: the spot is (1002, 218).
    EXPECT_EQ(menu->HitTest(CPoint(1151, 300)), MAINMENUHIT_DENTIST);
    EXPECT_EQ(menu->HitTest(CPoint(1152, 300)), MAINMENUHIT_NONE);
    EXPECT_EQ(menu->HitTest(CPoint(853, 218)), MAINMENUHIT_DENTIST);
    EXPECT_EQ(menu->HitTest(CPoint(852, 218)), MAINMENUHIT_NONE);
    EXPECT_EQ(menu->HitTest(CPoint(267, 535)), MAINMENUHIT_PIZZA);
    EXPECT_EQ(menu->HitTest(CPoint(614, 413)), MAINMENUHIT_GROCERY);
    EXPECT_EQ(menu->HitTest(CPoint(1208, 579)), MAINMENUHIT_VAULT);
    EXPECT_EQ(menu->HitTest(CPoint(80, 52)), MAINMENUHIT_EXIT);
}

TEST_F(TownMap, WhereSquaresOverlapTheFirstBuildingInOrderWins) {
    // In a small view the squares overlap: dentist (589, 180), pizzeria
    // (156, 442), grocery (360, 341).
    Frames(1, 800, 600);
    EXPECT_EQ(menu->HitTest(CPoint(250, 400)), MAINMENUHIT_PIZZA);    // pizzeria and grocery
    EXPECT_EQ(menu->HitTest(CPoint(480, 250)), MAINMENUHIT_DENTIST);  // dentist and grocery
    EXPECT_EQ(menu->HitTest(CPoint(380, 360)), MAINMENUHIT_GROCERY);
}

TEST_F(TownMap, BeforeItsFirstFrameTheMapHitsNothing) {
    EXPECT_EQ(menu->HitTest(CPoint(80, 52)), MAINMENUHIT_NONE);
    EXPECT_EQ(menu->HitTest(CPoint(1002, 218)), MAINMENUHIT_NONE);
}

TEST_F(TownMap, PointingChoosesTheWorkplaceAndNothingResetsIt) {
    Frames(1, 1362, 726);
    Move(1002, 218);
    EXPECT_EQ(model->GetCurrentCategoryType(), CATEGORY_DENTIST);
    EXPECT_EQ(model->GetCursor(), CURSOR_HAND);
    Move(700, 100);
    EXPECT_EQ(model->GetCurrentCategoryType(), CATEGORY_NONE);
    EXPECT_EQ(model->GetCursor(), CURSOR_ARROW);
    Move(80, 52);  // the exit is not a building
    EXPECT_EQ(model->GetCurrentCategoryType(), CATEGORY_NONE);
}

TEST_F(TownMap, AClickedWorkplaceOpensOnTheSeventeenthFrameAndStaysChosen) {
    Frames(1, 1362, 726);
    Click(267, 535);
    EXPECT_EQ(menu->GetState(), MAINMENU_LEAVING);
    Move(700, 100);  // wandering off during the delay keeps the pizzeria
    Frames(16, 1362, 726);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_MAINMENU);
    EXPECT_TRUE(menu->IsLoaded());
    Frames(1, 1362, 726);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_FALSE(menu->IsLoaded());  // it unloads on the way out
    EXPECT_EQ(model->GetCurrentCategoryType(), CATEGORY_PIZZA);
    // Back on the map later, it starts idle again.
    model->SetGameState(GAMESTATE_MAINMENU);
    Frames(1, 1362, 726);
    EXPECT_EQ(menu->GetState(), MAINMENU_IDLE);
}

TEST_F(TownMap, TheVaultOpensTheTrophyHouseAtOnceAndExitLeadsToTheTitle) {
    Frames(1, 1362, 726);
    Click(1208, 579);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_INGAME);
    EXPECT_EQ(model->GetCurrentCategoryType(), CATEGORY_REWARDS);
    EXPECT_EQ(model->GetMinigameType(), MINIGAME_REWARDS);
    model->SetGameState(GAMESTATE_MAINMENU);
    Click(80, 52);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_TITLE);
}

TEST_F(TownMap, TheCloudsDriftHalfAPixelAFrameAndWrapAtTheWidth) {
    Frames(1, 800, 600);
    EXPECT_DOUBLE_EQ(menu->GetCloudOffset(), 0.5);
    Frames(1599, 800, 600);
    EXPECT_DOUBLE_EQ(menu->GetCloudOffset(), 800.0);
    Frames(1, 800, 600);
    EXPECT_DOUBLE_EQ(menu->GetCloudOffset(), 0.0);
}
