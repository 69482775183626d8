#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "core/CCategory.h"
#include "core/CModel.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "minigames/dentist/CMinigame1_4.h"
#include "scenes/CSubMenu.h"
#include "support/GameFixture.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

using Model = GameFixture;

TEST_F(Model, StartsOnTheSplashWithNobodyLoggedIn) {
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SPLASH);
    EXPECT_EQ(model->GetCurrentCategory(), nullptr);
    EXPECT_EQ(model->GetCurrentCategoryMinigames(), nullptr);
    EXPECT_TRUE(model->GetLogin().IsEmpty());
    EXPECT_EQ(model->GetCompteTotal(), 0);
    EXPECT_FALSE(model->Save());  // no login, no file
    EXPECT_FALSE(folder.Exists("Profiles"));
}

TEST_F(Model, EveryMinigameSitsAtItsNumberMinusOneInItsCategory) {
    const std::vector<CCategory*> categories = model->GetCategories();
    ASSERT_EQ(categories.size(), 4u);
    const size_t counts[] = {10, 9, 5, 1};
    const int firstType[] = {MINIGAME_1_1, MINIGAME_2_1, MINIGAME_3_1, MINIGAME_REWARDS};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(categories[c]->GetCategoryType(), c);
        EXPECT_FALSE(categories[c]->IsLoaded());
        const auto& games = *categories[c]->GetMinigames();
        ASSERT_EQ(games.size(), counts[c]);
        for (size_t i = 0; i < games.size(); ++i) {
            EXPECT_EQ(games[i]->GetType(), firstType[c] + static_cast<int>(i));
            EXPECT_EQ(MinigamePosition(games[i]->GetType()), static_cast<int>(i));
            EXPECT_FLOAT_EQ(games[i]->GetIcon()->GetScale(), 2.0f);
            EXPECT_TRUE(games[i]->NeedsLoad());
        }
    }
    model->SetCurrentCategory(CATEGORY_PIZZA);
    EXPECT_EQ(model->GetCurrentCategory(), categories[1]);
    EXPECT_EQ(model->GetCurrentCategoryMinigames(), categories[1]->GetMinigames());
    model->SetCurrentCategory(CATEGORY_NONE);
    EXPECT_EQ(model->GetCurrentCategory(), nullptr);
}

TEST_F(Model, TrophiesCostWhatTheirTableSaysAndAreAffordableFromTheBalance) {
    int all = 0;
    for (int i = 0; i < CModel::kTrophies; ++i) all += model->GetTrophyCost(i);
    EXPECT_EQ(all, 74);
    model->IncrementTotalScore(5);
    model->AwardTrophy(2);  // price 3
    model->AwardTrophy(4);  // price 1
    EXPECT_EQ(model->GetCompteTotal(), 1);
    EXPECT_EQ(model->GetPointsSpent(), 4);
    EXPECT_TRUE(model->IsTrophyAwarded(2));
    EXPECT_FALSE(model->IsTrophyAwarded(1));
    EXPECT_TRUE(model->CanIAffordTrophy(1));   // price 1
    EXPECT_FALSE(model->CanIAffordTrophy(0));  // price 2
    EXPECT_THROW(model->GetTrophyCost(38), std::out_of_range);
}

TEST_F(Model, TheIngotRisesAndFadesOverAHundredFramesThenRestsInvisible) {
    model->RewardUser();
    EXPECT_FLOAT_EQ(model->GetRewardAlpha(), 1.0f);
    for (int frame = 1; frame <= 100; ++frame) model->DrawAnimationReward(800, 600);
    EXPECT_GT(model->GetRewardAlpha(), 0.0f);
    EXPECT_LT(model->GetRewardAlpha(), 1e-5f);
    EXPECT_EQ(model->GetRewardFrame(), 100);
    EXPECT_EQ(model->GetIngot()->GetPosition(), CPoint(400, 200));
    model->DrawAnimationReward(800, 600);
    EXPECT_EQ(model->GetRewardAlpha(), 0.0f);
    EXPECT_EQ(model->GetRewardFrame(), 0);
    EXPECT_EQ(model->GetIngot()->GetPosition(), CPoint(400, 300));
}

TEST_F(Model, SavingAFreshProfileWritesZerosInTheStoredFormat) {
    model->SetLogin("Ana");
    ASSERT_TRUE(model->Save());  // creates Profiles
    std::string expected;
    for (int i = 0; i < 160; ++i) expected += "0\r\n";
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), expected + "0");
}

TEST_F(Model, LoadingReadsTheProfileOfTheCurrentLogin) {
    model->SetLogin("Ana");
    model->SetCompte(0, 0, 7);
    model->IncrementTotalScore(7);
    model->AwardTrophy(1);
    ASSERT_TRUE(model->Save());
    delete model;
    model = new CModel();
    model->SetLogin("Ana");
    EXPECT_EQ(model->Load(), CProfile::READ_OK);
    EXPECT_EQ(model->GetCompte(0, 0), 7);
    EXPECT_EQ(model->GetCompteTotal(), 6);
    EXPECT_TRUE(model->IsTrophyAwarded(1));
}

TEST_F(Model, RestartingTheGameClearsEverythingAndSaves) {
    model->SetLogin("Ana");
    model->SetCompte(2, 4, 5);
    model->IncrementTotalScore(9);
    model->AwardTrophy(0);
    model->RestartGame();
    EXPECT_EQ(model->GetCompte(2, 4), 0);
    EXPECT_EQ(model->GetTotalScore(), 0);
    EXPECT_EQ(model->GetPointsSpent(), 0);
    EXPECT_FALSE(model->IsTrophyAwarded(0));
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), CProfile().Serialize());
}

TEST_F(Model, EnteringTheSubMenuResetsItFirst) {
    model->SetCurrentCategory(CATEGORY_DENTIST);
    model->GetSubMenu()->Transition(3);
    model->SetGameState(GAMESTATE_SUBMENU);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(model->GetSubMenu()->GetTransition(), SUBMENUHIT_NONE);
}

TEST_F(Model, RestartingAMinigameReloadsTheFirstThreeAtOnceAndTheOthersLater) {
    model->SetCurrentCategory(CATEGORY_DENTIST);
    auto& games = *model->GetCurrentCategoryMinigames();
    model->SetMinigameType(MINIGAME_1_1);
    model->SetGameState(GAMESTATE_INGAME);
    model->Draw(800, 600);
    ASSERT_FALSE(games[0]->NeedsLoad());
    model->InGameRestart();
    EXPECT_FALSE(games[0]->NeedsLoad());

    model->SetMinigameType(MINIGAME_1_4);
    model->Draw(800, 600);
    ASSERT_FALSE(games[3]->NeedsLoad());
    model->InGameRestart();
    EXPECT_TRUE(games[3]->NeedsLoad());
}

TEST_F(Model, TheCursorFollowsWhatIsUnderThePointer) {
    model->SetCursor(CURSOR_HAND);
    EXPECT_EQ(model->GetCursor(), CURSOR_HAND);
    model->SetCursor(CURSOR_ARROW);
    EXPECT_EQ(model->GetCursor(), CURSOR_ARROW);
}

TEST_F(Model, TheScoreTableIsRangeTested) {
    model->SetCompte(10, 10, 3);
    EXPECT_EQ(model->GetCompte(10, 10), 3);
    EXPECT_THROW(model->SetCompte(11, 0, 1), std::out_of_range);
    EXPECT_THROW(model->GetCompte(0, -1), std::out_of_range);
}

TEST_F(Model, TextIsDrawnInLatin1WithTheBitmapFonts) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    // "é" alone: its glyph must have ink, above the baseline.
    CModel::DrawText(100.0f, 100.0f, GLUT_BITMAP_9_BY_15, "\xE9");
    int inked = 0;
    for (int y = 85; y <= 100; ++y) {
        for (int x = 100; x < 109; ++x) inked += GlWindow::ReadPixel(x, y) >> 24 < 128;
    }
    EXPECT_GT(inked, 8);
    glEnable(GL_TEXTURE_2D);
}

TEST_F(Model, TheDarkQuadDimsTheWholeViewByAQuarter) {
    CModel::FillDarkQuad(GlWindow::kWidth, GlWindow::kHeight);
    for (CPoint p : {CPoint(0, 0), CPoint(400, 300), CPoint(799, 599)}) {
        EXPECT_NEAR(static_cast<int>(GlWindow::ReadPixel(p.x, p.y) >> 24), 191, 2);
    }
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[3], 0.25f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Model, TheDarkFrameDimsOnlyAroundItsHoleAndEachPixelOnce) {
    CModel::FillDarkQuadAround(GlWindow::kWidth, GlWindow::kHeight, 60, 110, 740, 490);
    // Corners, each side and the edges of the hole: dimmed by a quarter,
    // once (a pixel dimmed twice would read 143).
    for (CPoint p : {CPoint(0, 0), CPoint(799, 599), CPoint(0, 599), CPoint(400, 50), CPoint(400, 550),
                     CPoint(30, 300), CPoint(770, 300), CPoint(59, 109), CPoint(740, 490)}) {
        EXPECT_NEAR(static_cast<int>(GlWindow::ReadPixel(p.x, p.y) >> 24), 191, 2) << p.x << "," << p.y;
    }
    for (CPoint p : {CPoint(60, 110), CPoint(400, 300), CPoint(739, 489)}) {
        EXPECT_EQ(GlWindow::ReadPixel(p.x, p.y) >> 24, 255u) << p.x << "," << p.y;
    }
}
