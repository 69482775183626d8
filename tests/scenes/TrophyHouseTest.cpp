#include <filesystem>

#include "app/CConfirmWipeDlg.h"
#include "scenes/CMinigameRewards.h"
#include "support/GameFixture.h"
#include "support/ScriptedLearner.h"

namespace {
class TrophyHouse : public GameFixture {
protected:
    void Pictures() override {
        for (int i = 0; i < CMinigameRewards::kTrophies; ++i) {
            folder.AddPicture(CString::Format("trophy%d.png", i).str(), 64, 64);  // 32 x 32 on the shelf
        }
        folder.AddPicture("title_exit.png", 128, 64);
    }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetLogin("Ana");
        model->SetCurrentCategory(CATEGORY_REWARDS);
        model->SetMinigameType(MINIGAME_REWARDS);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1);
        house = static_cast<CMinigameRewards*>((*model->GetCurrentCategoryMinigames())[0]);
    }
    void Drag(CPoint from, CPoint to) {
        controller->OnLButtonDown(from);
        controller->OnMouseMove(to);
        controller->OnLButtonUp(to);
    }
    void DragHome(int trophy) { Drag(house->GetShelfSpot(trophy), house->GetHouseSpot(trophy)); }
    CMinigameRewards* house = nullptr;
};
}  // namespace

TEST_F(TrophyHouse, TrophiesStartOnTheShelfFivePerRow) {
    EXPECT_EQ(house->GetShelfSpot(0), CPoint(70, 130));
    EXPECT_EQ(house->GetShelfSpot(4), CPoint(350, 130));
    EXPECT_EQ(house->GetShelfSpot(37), CPoint(210, 690));
    EXPECT_EQ(house->GetHouseSpot(0), CPoint(400 + 331, 300 - 94));
    EXPECT_EQ(house->GetTrophy(12)->GetPosition(), house->GetShelfSpot(12));
}

TEST_F(TrophyHouse, ATrophyDroppedOnItsPlaceIsBoughtAndSaved) {
    model->IncrementTotalScore(5);
    DragHome(2);  // price 3
    EXPECT_TRUE(model->IsTrophyAwarded(2));
    EXPECT_EQ(model->GetCompteTotal(), 2);
    EXPECT_EQ(house->GetTrophy(2)->GetPosition(), house->GetHouseSpot(2));
    EXPECT_FLOAT_EQ(house->GetTrophy(2)->GetScale(), 2.0f);
    CProfile saved;
    ASSERT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
    EXPECT_TRUE(saved.trophyAwarded[2]);
    // Dropped again, it stays and costs nothing.
    Drag(house->GetHouseSpot(2), house->GetHouseSpot(2));
    EXPECT_EQ(model->GetCompteTotal(), 2);
    EXPECT_EQ(house->GetTrophy(2)->GetPosition(), house->GetHouseSpot(2));
}

TEST_F(TrophyHouse, WithoutEnoughBarsTheTrophyGoesBackToTheShelf) {
    model->IncrementTotalScore(2);
    DragHome(2);  // price 3
    EXPECT_FALSE(model->IsTrophyAwarded(2));
    EXPECT_EQ(house->GetTrophy(2)->GetPosition(), house->GetShelfSpot(2));
    EXPECT_FLOAT_EQ(house->GetTrophy(2)->GetScale(), 1.0f);
    DragHome(1);  // price 1
    EXPECT_TRUE(model->IsTrophyAwarded(1));
}

TEST_F(TrophyHouse, ABalanceOfZeroBuysNothing) {
    DragHome(1);
    EXPECT_FALSE(model->IsTrophyAwarded(1));
}

TEST_F(TrophyHouse, DroppedAnywhereElseATrophyReturnsToTheShelf) {
    model->IncrementTotalScore(9);
    Drag(house->GetShelfSpot(3), CPoint(500, 500));
    EXPECT_EQ(house->GetTrophy(3)->GetPosition(), house->GetShelfSpot(3));
    EXPECT_EQ(model->GetCompteTotal(), 9);
}

TEST_F(TrophyHouse, APressBesideEveryTrophyGrabsNone) {
    model->IncrementTotalScore(9);
    Drag(house->GetShelfSpot(3), CPoint(500, 500));
    // Pressing on empty floor and moving must not drag trophy 3 again.
    controller->OnLButtonDown(CPoint(600, 100));
    controller->OnMouseMove(CPoint(610, 120));
    EXPECT_EQ(house->GetTrophy(3)->GetPosition(), house->GetShelfSpot(3));
    controller->OnLButtonUp(CPoint(610, 120));
}

TEST_F(TrophyHouse, HoveringATrophyGrowsItAndShowsTheHand) {
    Move(70, 130);
    EXPECT_EQ(house->GetHoveredTrophy(), 0);
    EXPECT_FLOAT_EQ(house->GetTrophy(0)->GetScale(), 2.0f);
    EXPECT_EQ(model->GetCursor(), CURSOR_HAND);
    Move(600, 100);
    EXPECT_EQ(house->GetHoveredTrophy(), -1);
    EXPECT_FLOAT_EQ(house->GetTrophy(0)->GetScale(), 1.0f);
    EXPECT_EQ(model->GetCursor(), CURSOR_ARROW);
}

TEST_F(TrophyHouse, VictoryAndTheRestartNeedEveryTrophy) {
    model->IncrementTotalScore(74);
    for (int i = 0; i < 37; ++i) model->AwardTrophy(i);
    EXPECT_FALSE(house->IsHouseFull()) << "trophy 37 is still on the shelf";
    Learner nobody;  // no question may come
    Click(house->GetRestartSpot().x, house->GetRestartSpot().y);
    EXPECT_EQ(nobody.overran, 0);
    EXPECT_TRUE(model->IsTrophyAwarded(0));
    model->AwardTrophy(37);
    EXPECT_TRUE(house->IsHouseFull());
}

TEST_F(TrophyHouse, TheRestartSpotDoesNothingWhileTheHouseIsNotFull) {
    model->IncrementTotalScore(74);
    for (int i = 1; i < 38; ++i) model->AwardTrophy(i);
    EXPECT_FALSE(house->IsHouseFull());
    Click(house->GetRestartSpot().x, house->GetRestartSpot().y);
    EXPECT_TRUE(model->IsTrophyAwarded(1));
}

class FullHouse : public TrophyHouse {
protected:
    void SetUp() override {
        TrophyHouse::SetUp();
        model->IncrementTotalScore(80);
        for (int i = 0; i < 38; ++i) model->AwardTrophy(i);
        ASSERT_TRUE(model->Save());
        saved = folder.Read("Profiles/Ana.txt");
    }
    void ClickRestart() { Click(house->GetRestartSpot().x + 19, house->GetRestartSpot().y - 19); }
    std::string saved;
};

TEST_F(FullHouse, WipingAsksFirstAndNonKeepsEverything) {
    std::string question;
    Learner learner;
    learner.Check([&question](CDialogFrame& f) { question = f.GetText().str(); })
        .ClickButton(CConfirmWipeDlg::IDNO);
    ClickRestart();
    EXPECT_EQ(learner.overran, 0);
    EXPECT_TRUE(model->IsTrophyAwarded(0));
    EXPECT_EQ(model->GetTotalScore(), 80);
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), saved);
    EXPECT_FALSE(folder.Exists("Profiles/Ana.txt.bak"));
}

TEST_F(FullHouse, EscapeAndEnterNeverWipe) {
    {
        Learner learner;
        learner.Key(27);
        ClickRestart();
    }
    {
        Learner learner;
        learner.Key(13);  // the default button is "Non"
        ClickRestart();
    }
    EXPECT_TRUE(model->IsTrophyAwarded(5));
    EXPECT_EQ(model->GetTotalScore(), 80);
}

TEST_F(FullHouse, OuiWipesAfterKeepingACopyOfTheProfile) {
    Learner learner;
    learner.ClickButton(CConfirmWipeDlg::IDYES);
    ClickRestart();
    EXPECT_EQ(learner.overran, 0);
    EXPECT_FALSE(model->IsTrophyAwarded(0));
    EXPECT_EQ(model->GetTotalScore(), 0);
    EXPECT_EQ(house->GetTrophy(0)->GetPosition(), house->GetShelfSpot(0));
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.bak"), saved);
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), CProfile().Serialize());
    // A second wipe replaces the copy with the profile as it is then.
    model->IncrementTotalScore(80);
    for (int i = 0; i < 38; ++i) model->AwardTrophy(i);
    model->Save();
    const std::string second = folder.Read("Profiles/Ana.txt");
    Learner again;
    again.ClickButton(CConfirmWipeDlg::IDYES);
    ClickRestart();
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.bak"), second);
}

TEST_F(TrophyHouse, TheSpotsFollowTheViewsSize) {
    model->IncrementTotalScore(5);
    Frames(1, 1366, 768);
    EXPECT_EQ(house->GetHouseSpot(4), CPoint(683 + 178, 384 - 170));
    // Bought at this size, it still stands on its spot at the next.
    Drag(house->GetShelfSpot(4), house->GetHouseSpot(4));
    ASSERT_TRUE(model->IsTrophyAwarded(4));
    Frames(1, 800, 600);
    EXPECT_EQ(house->GetTrophy(4)->GetPosition(), CPoint(400 + 178, 300 - 170));
    Drag(house->GetShelfSpot(1), CPoint(400 + 410, 300 - 61));
    EXPECT_TRUE(model->IsTrophyAwarded(1));
}

TEST_F(TrophyHouse, BoughtTrophiesStandInTheHouseOnTheNextVisit) {
    model->IncrementTotalScore(5);
    DragHome(4);
    Click(80, 52);  // exit
    EXPECT_EQ(model->GetGameState(), GAMESTATE_MAINMENU);
    EXPECT_TRUE(house->NeedsLoad());
    model->SetGameState(GAMESTATE_INGAME);
    Frames(1);
    EXPECT_EQ(house->GetTrophy(4)->GetPosition(), house->GetHouseSpot(4));
    EXPECT_FLOAT_EQ(house->GetTrophy(4)->GetScale(), 2.0f);
}

namespace {
// The house with the game's own glyph picture, so the counts draw as a
// learner sees them.
class HouseCounts : public TrophyHouse {
protected:
    void Pictures() override {
        TrophyHouse::Pictures();
        std::filesystem::copy_file(ZELK_GAME_DIR "/Images/count_glyphs.png", folder.File("Images/count_glyphs.png"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
};
}  // namespace

TEST_F(HouseCounts, TheBalanceReadsBesideItsIngotAndThePriceInLingots) {
    model->IncrementTotalScore(47);
    GlWindow::BeginFrame();
    Frames(1);
    const GlWindow::Ink balance = GlWindow::DarkInk(150, 20, 320, 90);
    EXPECT_GE(balance.Height(), 24) << "the figures of x47";
    EXPECT_GE(balance.left, 176 + 26) << "right of the ingot (its right edge at 202), not over it";

    Move(house->GetShelfSpot(2).x, house->GetShelfSpot(2).y);  // trophy 2: 3 lingots
    GlWindow::BeginFrame();
    Frames(1);
    const CPoint under = house->GetShelfSpot(2);
    const GlWindow::Ink price = GlWindow::DarkInk(under.x - 100, under.y + 20, under.x + 100, under.y + 70);
    EXPECT_GE(price.Height(), 24);
    EXPECT_GT(price.Width(), 100) << "\"3 lingots\", not a row of tiny bars";
    EXPECT_EQ(CMinigameRewards::PriceText(1), "1 lingot");
    EXPECT_EQ(CMinigameRewards::PriceText(3), "3 lingots");
}
