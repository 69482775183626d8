#include "core/CCategory.h"
#include "scenes/CSubMenu.h"
#include "support/GameFixture.h"

namespace {
class Room : public GameFixture {
protected:
    void Pictures() override {
        folder.AddPicture("title_exit.png", 128, 64);
        for (const char* icon : {"Icon_Minigame1_1.png", "Icon_Minigame1_8.png", "Icon_Minigame3_1.png",
                                 "Icon_Minigame3_2.png"}) {
            folder.AddPicture(icon, 128, 128);
        }
    }
    void Enter(CategoryType category) {
        model->SetCurrentCategory(category);
        model->SetGameState(GAMESTATE_SUBMENU);
        room = model->GetSubMenu();
    }
    CSubMenu* room = nullptr;
};
}  // namespace

TEST_F(Room, FiveGroceryIconsSpreadAcrossAnEightHundredView) {
    Enter(CATEGORY_GROCERY);
    Frames(1, 800, 600);
    const int expected[] = {133, 266, 399, 532, 665};
    const auto& games = *model->GetCurrentCategoryMinigames();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(games[i]->GetIcon()->GetPosition(), CPoint(expected[i], 504)) << i;
    }
    EXPECT_TRUE(model->GetCurrentCategory()->IsLoaded());
}

TEST_F(Room, IconsFollowTheViewsSize) {
    Enter(CATEGORY_DENTIST);
    Frames(1, 1362, 726);
    CClickableImage* first = (*model->GetCurrentCategoryMinigames())[0]->GetIcon();
    EXPECT_EQ(first->GetPosition(), CPoint(69, 498));
    Frames(1, 800, 600);  // the window left full screen
    EXPECT_EQ(first->GetPosition(), CPoint(40, 411));
    // Another room visited at this size, then the first again at another.
    Enter(CATEGORY_PIZZA);
    Frames(1, 800, 600);
    Enter(CATEGORY_DENTIST);
    Frames(1, 1362, 726);
    EXPECT_EQ(first->GetPosition(), CPoint(69, 498));
}

TEST_F(Room, TheCurtainTakesEightyStepsThenStartsTheMinigame) {
    Enter(CATEGORY_GROCERY);
    Frames(1, 800, 600);
    Click(266, 504);  // the second icon
    EXPECT_EQ(room->GetTransition(), 1);
    Frames(80, 800, 600);
    EXPECT_EQ(room->GetCurtain(), 1600);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    Frames(1, 800, 600);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_INGAME);
    EXPECT_EQ(model->GetMinigameType(), MINIGAME_3_2);
}

TEST_F(Room, AClickOnNothingStopsTheCurtainWhereItIs) {
    Enter(CATEGORY_GROCERY);
    Frames(1, 800, 600);
    Click(133, 504);
    Frames(10, 800, 600);
    Click(400, 100);
    EXPECT_EQ(room->GetTransition(), SUBMENUHIT_NONE);
    Frames(5, 800, 600);
    EXPECT_EQ(room->GetCurtain(), 200);
    Click(80, 52);  // exit continues from there
    Frames(71, 800, 600);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_MAINMENU);
}

TEST_F(Room, WhereIconsOverlapTheLaterOneWinsTheClick) {
    Enter(CATEGORY_DENTIST);
    Frames(1, 1362, 726);
    // Icons 0 (69, 498) and 7 (85, 568) overlap between y 504 and 562.
    EXPECT_EQ(room->HitTest(CPoint(75, 530)), 7);
    EXPECT_EQ(room->HitTest(CPoint(69, 480)), 0);
    EXPECT_EQ(room->HitTest(CPoint(700, 100)), SUBMENUHIT_NONE);
}

TEST_F(Room, TheHandShowsOverIconsOnly) {
    Enter(CATEGORY_DENTIST);
    Frames(1, 1362, 726);
    Move(69, 480);
    EXPECT_EQ(model->GetCursor(), CURSOR_HAND);
    Move(80, 52);  // the corner buttons keep the arrow
    EXPECT_EQ(model->GetCursor(), CURSOR_ARROW);
}

TEST_F(Room, EnteringAgainStartsWithNoCurtain) {
    Enter(CATEGORY_GROCERY);
    Frames(1, 800, 600);
    Click(133, 504);
    Frames(30, 800, 600);
    Enter(CATEGORY_GROCERY);
    EXPECT_EQ(room->GetTransition(), SUBMENUHIT_NONE);
    EXPECT_EQ(room->GetCurtain(), 0);
}

TEST_F(Room, APlaceholderMinigameLeadsBackToTheRoom) {
    Enter(CATEGORY_GROCERY);
    model->SetMinigameType(MINIGAME_3_5);
    model->SetGameState(GAMESTATE_INGAME);
    Frames(1, 800, 600);
    Click(80, 52);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_TRUE((*model->GetCurrentCategoryMinigames())[4]->NeedsLoad());
}
