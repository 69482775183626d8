#include <gtest/gtest.h>

#include <vector>

#include "core/CCategory.h"
#include "core/CController.h"
#include "core/CModel.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

// The routing is observed through the lists' range test: with a category's
// list emptied, an event that reaches a minigame controller throws
// std::out_of_range, and an event that is dropped does not.
namespace {

class Routing : public testing::Test {
protected:
    void SetUp() override {
        GlWindow::Use();
        model = new CModel();
        controller = new CController(model);
        for (CCategory* category : model->GetCategories()) {
            kept.push_back(*category->GetMinigames());
            category->GetMinigames()->clear();
        }
    }
    void TearDown() override {
        std::vector<CCategory*> categories = model->GetCategories();
        for (size_t i = 0; i < categories.size(); ++i) *categories[i]->GetMinigames() = kept[i];
        delete controller;
        delete model;
    }

    // Which of move, press and release reach a minigame: "MDU" with dashes.
    std::string Reaching(GameState state, CategoryType category, int type) {
        model->SetGameState(state);
        model->SetCurrentCategory(category);
        model->SetMinigameType(static_cast<MinigameType>(type));
        std::string reached;
        const CPoint p(10, 10);
        reached += Throws([&] { controller->OnMouseMove(p); }) ? 'M' : '-';
        reached += Throws([&] { controller->OnLButtonDown(p); }) ? 'D' : '-';
        reached += Throws([&] { controller->OnLButtonUp(p); }) ? 'U' : '-';
        return reached;
    }

    template <class F>
    static bool Throws(F&& f) {
        try {
            f();
        } catch (const std::out_of_range&) {
            return true;
        }
        return false;
    }

    ScratchFolder folder;
    CModel* model = nullptr;
    CController* controller = nullptr;
    std::vector<std::vector<CAbstractMinigame*>> kept;
};

}  // namespace

TEST_F(Routing, PressesAreDroppedForTheMinigamesThatTakeNone) {
    const std::string noPress = "M-U", all = "MDU";
    const struct { CategoryType category; int type; const std::string& expected; } table[] = {
        {CATEGORY_DENTIST, MINIGAME_1_1, noPress}, {CATEGORY_DENTIST, MINIGAME_1_2, noPress},
        {CATEGORY_DENTIST, MINIGAME_1_3, noPress}, {CATEGORY_DENTIST, MINIGAME_1_4, all},
        {CATEGORY_DENTIST, MINIGAME_1_5, all},     {CATEGORY_DENTIST, MINIGAME_1_6, noPress},
        {CATEGORY_DENTIST, MINIGAME_1_7, noPress}, {CATEGORY_DENTIST, MINIGAME_1_8, noPress},
        {CATEGORY_DENTIST, MINIGAME_1_9, noPress}, {CATEGORY_DENTIST, MINIGAME_1_10, noPress},
        {CATEGORY_PIZZA, MINIGAME_2_1, noPress},   {CATEGORY_PIZZA, MINIGAME_2_2, noPress},
        {CATEGORY_PIZZA, MINIGAME_2_3, noPress},   {CATEGORY_PIZZA, MINIGAME_2_4, noPress},
        {CATEGORY_PIZZA, MINIGAME_2_5, noPress},   {CATEGORY_PIZZA, MINIGAME_2_6, noPress},
        {CATEGORY_PIZZA, MINIGAME_2_7, noPress},   {CATEGORY_PIZZA, MINIGAME_2_8, noPress},
        {CATEGORY_PIZZA, MINIGAME_2_9, noPress},   {CATEGORY_GROCERY, MINIGAME_3_1, noPress},
        {CATEGORY_GROCERY, MINIGAME_3_2, noPress}, {CATEGORY_GROCERY, MINIGAME_3_3, all},
        {CATEGORY_GROCERY, MINIGAME_3_4, noPress}, {CATEGORY_GROCERY, MINIGAME_3_5, noPress},
        {CATEGORY_REWARDS, MINIGAME_REWARDS, all},
    };
    for (const auto& row : table) {
        EXPECT_EQ(Reaching(GAMESTATE_INGAME, row.category, row.type), row.expected) << row.type;
    }
}

TEST_F(Routing, ATypeOutsideItsCategoryReachesNothing) {
    EXPECT_EQ(Reaching(GAMESTATE_INGAME, CATEGORY_DENTIST, MINIGAME_2_1), "---");
    EXPECT_EQ(Reaching(GAMESTATE_INGAME, CATEGORY_PIZZA, MINIGAME_1_4), "---");
    EXPECT_EQ(Reaching(GAMESTATE_INGAME, CATEGORY_PIZZA, 10), "---");
    EXPECT_EQ(Reaching(GAMESTATE_INGAME, CATEGORY_NONE, MINIGAME_1_4), "---");
    // The trophy house takes every event, whatever the type says.
    EXPECT_EQ(Reaching(GAMESTATE_INGAME, CATEGORY_REWARDS, MINIGAME_1_1), "MDU");
}

TEST_F(Routing, OutsideTheGameNoMinigameIsReached) {
    for (int state = GAMESTATE_SPLASH; state <= GAMESTATE_SUBMENU; ++state) {
        EXPECT_EQ(Reaching(static_cast<GameState>(state), CATEGORY_DENTIST, MINIGAME_1_4), "---")
            << state;
    }
    // A value no state has (the largest the enum's values can hold).
    EXPECT_EQ(Reaching(static_cast<GameState>(7), CATEGORY_DENTIST, MINIGAME_1_4), "---");
}
