#include "core/CCategory.h"
#include "scenes/CSubMenu.h"
#include "support/GameFixture.h"

namespace {
class Room : public GameFixture {
protected:
    void Pictures() override {
        folder.AddPicture("title_exit.png", 128, 64);
        const int counts[] = {10, 9, 5};
        for (int room = 1; room <= 3; ++room) {
            for (int i = 1; i <= counts[room - 1]; ++i) {
                folder.AddPicture(CString::Format("Icon_Minigame%d_%d.png", room, i).str(), 64, 64);  // as made
            }
        }
        // Two larger ones, so that they overlap.
        folder.AddPicture("Icon_Minigame1_1.png", 128, 128);
        folder.AddPicture("Icon_Minigame1_8.png", 128, 128);
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

TEST_F(Room, EveryMinigameOpensAndItsExitLeadsBackToTheRoom) {
    const struct {
        CategoryType room;
        int first, count;
    } rooms[] = {{CATEGORY_DENTIST, MINIGAME_1_1, 10}, {CATEGORY_PIZZA, MINIGAME_2_1, 9}, {CATEGORY_GROCERY, MINIGAME_3_1, 5}};
    for (const auto& r : rooms) {
        for (int i = 0; i < r.count; ++i) {
            Enter(r.room);
            model->SetMinigameType(static_cast<MinigameType>(r.first + i));
            model->SetGameState(GAMESTATE_INGAME);
            Frames(2, 800, 600);
            CAbstractMinigame* game = (*model->GetCurrentCategoryMinigames())[i];
            EXPECT_FALSE(game->NeedsLoad()) << r.first + i;
            Click(80, 52);
            EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU) << r.first + i;
            EXPECT_TRUE(game->NeedsLoad()) << r.first + i;
        }
    }
}

TEST_F(Room, HoveringAnIconNamesItsActivityAndTheLanguageOfItsRecordings) {
    struct Expected {
        CategoryType room;
        int icon;
        const char* label;
    };
    const Expected cases[] = {
        {CATEGORY_DENTIST, 0, "Le répondeur"},
        {CATEGORY_DENTIST, 2, "Prendre un message (en anglais)"},
        {CATEGORY_DENTIST, 5, "Saluer au téléphone (en français)"},
        {CATEGORY_PIZZA, 1, "Le GPS (en anglais)"},
        {CATEGORY_PIZZA, 0, "Le bon de commande (en français)"},
        {CATEGORY_GROCERY, 3, "Les codes des fruits et légumes"},
    };
    for (const Expected& c : cases) {
        Enter(c.room);
        Frames(1, 1362, 726);
        const CPoint at = (*model->GetCurrentCategoryMinigames())[c.icon]->GetIcon()->GetPosition();
        Move(at.x, at.y);
        EXPECT_EQ(room->HoveredLabel(), c.label);
        Move(1, 700);  // off every icon: no name
        EXPECT_EQ(room->HoveredLabel(), "");
    }
}

TEST_F(Room, EveryIconOfEveryRoomHasAName) {
    for (CategoryType category : {CATEGORY_DENTIST, CATEGORY_PIZZA, CATEGORY_GROCERY}) {
        Enter(category);
        Frames(1, 1362, 726);
        for (size_t i = 0; i < model->GetCurrentCategoryMinigames()->size(); ++i) {
            room->SetHovered(static_cast<int>(i));
            EXPECT_FALSE(room->HoveredLabel().empty()) << category << " " << i;
        }
    }
}

TEST_F(Room, TheNameIsDrawnBesideTheIconInsideTheView) {
    Enter(CATEGORY_DENTIST);
    Frames(1, 800, 600);
    CClickableImage* icon = (*model->GetCurrentCategoryMinigames())[0]->GetIcon();  // 1_1, on the left edge
    Move(icon->GetPosition().x, icon->GetPosition().y);
    GlWindow::BeginFrame();
    Frames(1, 800, 600);
    // The card's cream shows under the icon, from the view's left margin.
    const int below = icon->GetPosition().y + 64 + 6 + 17;
    const unsigned pixel = GlWindow::ReadPixel(8, below);
    EXPECT_GT((pixel >> 24) & 0xFF, 0xE0u);
    EXPECT_GT((pixel >> 8) & 0xFF, 0xD0u);
}
