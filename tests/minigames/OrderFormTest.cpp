#include <set>

#include "minigames/pizzeria/CMinigame2_1.h"
#include "minigames/pizzeria/CMinigame2_6.h"
#include "support/GameFixture.h"

using namespace PizzaOrderForm;

namespace {

class OrderForm : public GameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    void Pictures() override {
        for (const char* name : {"title_exit.png", "button_play.png", "button_instruction.png",
                                 "button_questionmark.png", "button_mute.png", "button_reward_restart.png"}) {
            folder.AddPicture(name, 128, 64);  // 128 x 64 at scale 2
        }
        folder.AddPicture("dropdownbox.png", 512, 512);  // the list's rows below and right of its centre
    }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetLogin("Ana");
    }
    // Opens the French game (2_1) or the English one (2_6).
    void Open(MinigameType type) {
        model->SetCurrentCategory(CATEGORY_PIZZA);
        model->SetMinigameType(type);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, kW, kH);
        auto* list = model->GetCurrentCategoryMinigames();
        game = type == MINIGAME_2_1 ? &static_cast<CMinigame2_1*>((*list)[0])->Game()
                                    : &static_cast<CMinigame2_6*>((*list)[5])->Game();
    }
    void Play() { Click(kW - 250, 52); }
    void Line(int line) {
        const CPoint at = game->GetLinePos(line);
        Click(at.x, at.y);
    }
    // Opens the list from the name line and clicks its row.
    void ChooseName(const char* name) {
        Line(kNameLine);
        ASSERT_TRUE(game->IsNameListOpen());
        for (int row = 0; row < kNameCount; ++row) {
            if (CString(kNames[row]) != name) continue;
            const CPoint box(game->GetLinePos(kNameLine).x + 45, game->GetLinePos(kNameLine).y);
            Click(box.x + 60, box.y + CDropDownMenu::kRowHeight * row + 2);
        }
        ASSERT_FALSE(game->IsNameListOpen());
    }
    const Order& CurrentOrder() const { return kOrders[game->GetOrderIndex()]; }
    // Marks every line the current order asks for, and names its customer.
    void FillOrder() {
        ChooseName(CurrentOrder().customer);
        for (const Point& point : CurrentOrder().points) {
            Line(point.line);
            if (point.alsoLine >= 0) Line(point.alsoLine);
        }
    }
    // A topping line of pizza 1 that the order does not ask for.
    int ExtraTopping() const {
        std::set<int> asked;
        for (const Point& point : CurrentOrder().points) asked.insert({point.line, point.alsoLine});
        for (int line = kLastTopping; line >= kFirstTopping; --line)
            if (!asked.count(line)) return line;
        return -1;
    }
    int Points() const { return game->Shell().resultsPanel->GetCompte(); }
    void FinishPanel() {
        Frames(1, kW, kH);
        for (int i = 0; i < 600 && !game->Shell().resultsPanel->ButtonsShown(); ++i) Frames(1, kW, kH);
        Frames(1, kW, kH);
        Click(kW / 2, kH / 2);  // a click on the panel saves
    }
    CProfile Saved() const {
        CProfile saved;
        EXPECT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
        return saved;
    }

    const COrderFormGame* game = nullptr;
};

}  // namespace

TEST_F(OrderForm, APerfectPadScoresSevenAndGoesStraightToThePanel) {
    Open(MINIGAME_2_1);
    Play();
    ASSERT_EQ(game->Shell().phase, PhasePlay);
    FillOrder();
    Play();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 7);
    FinishPanel();
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[1][0], 7);
    EXPECT_EQ(saved.totalScore, 7);
}

TEST_F(OrderForm, TheEnglishOrdersAreJudgedTheSameAndKeptInTheirOwnCell) {
    Open(MINIGAME_2_6);
    Play();
    FillOrder();
    Play();
    EXPECT_EQ(Points(), 7);
    FinishPanel();
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[1][5], 7);
    EXPECT_EQ(saved.compte[1][0], 0);
}

TEST_F(OrderForm, AnExtraToppingTurnsSevenIntoSixButTheTotalKeepsSeven) {
    Open(MINIGAME_2_1);
    Play();
    FillOrder();
    Line(ExtraTopping());
    Play();
    EXPECT_EQ(Points(), 6);
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    EXPECT_EQ(model->GetTotalScore(), 7);
    // The stamps fall on the name and on each line given: seven points' lines.
    size_t lines = 1;
    for (const Point& point : CurrentOrder().points) lines += point.alsoLine >= 0 ? 2 : 1;
    EXPECT_EQ(game->RightAnswers().size(), lines);
    Play();  // the review leads to the panel all the same
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    FinishPanel();
    EXPECT_EQ(Saved().compte[1][0], 6);
    EXPECT_EQ(Saved().totalScore, 7);
}

TEST_F(OrderForm, ExtrasTakePointsBackOnlyDownToOne) {
    Open(MINIGAME_2_1);
    Play();
    ChooseName(CurrentOrder().customer);
    for (int line : {8, 9, 16, 17, 20, 22, 24, 26}) {
        if (line != ExtraTopping() && game->IsMarked(line)) continue;
        Line(line);
    }
    Play();
    EXPECT_EQ(Points(), 1);
    EXPECT_TRUE(game->RightAnswers().size() == 1);  // only the name
}

TEST_F(OrderForm, APadWithNoPointKeepsNothing) {
    Open(MINIGAME_2_1);
    Play();
    ChooseName("Aucun");
    Line(ExtraTopping());
    Play();
    EXPECT_EQ(Points(), 0);
    EXPECT_TRUE(game->RightAnswers().empty());
}

TEST_F(OrderForm, TheFirstCrustAndTheLastToppingOfPizzaTwoCostNothingTheSecondCrustDoes) {
    struct Case {
        int line;
        int points;
    };
    for (const Case c : {Case{kFirstCrust, 7}, Case{kFirstCrust + 1, 7}, Case{kPizzaStride + kFirstCrust, 6},
                         Case{kPizzaStride + kFirstCrust + 1, 6}, Case{kPizzaStride + kLastTopping, 7}}) {
        Open(MINIGAME_2_1);
        Play();
        FillOrder();
        Line(c.line);
        ASSERT_TRUE(game->IsMarked(c.line));
        Play();
        EXPECT_EQ(Points(), c.points) << "line " << c.line;
        Click(80, 52);  // leave, and come again for the next case
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    }
}

TEST_F(OrderForm, FourToppingsOnAMediumPizza) {
    Open(MINIGAME_2_1);
    Play();
    for (int line : {3, 7, 10, 13, 19}) Line(line);
    const PizzaPrice price = game->Price(0);
    EXPECT_EQ(CString::Format("%.02f", price.base), "12.99");
    EXPECT_EQ(CString::Format("%.02f", price.toppings), "1.00");
    EXPECT_EQ(CString::Format("%.02f", price.subtotal), "13.99");
    EXPECT_EQ(CString::Format("%.02f", price.hst), "1.82");
    EXPECT_EQ(CString::Format("%.02f", price.total), "15.81");
    EXPECT_EQ(game->Price(1).total, 0.0);  // the other pizza is untouched
}

TEST_F(OrderForm, ThreeToppingsAreIncludedAndEachOneMoreCostsADollar) {
    EXPECT_EQ(PizzaPrice::Of(1, 3).toppings, 0.0);
    EXPECT_EQ(PizzaPrice::Of(1, 0).subtotal, 6.99);
    EXPECT_EQ(PizzaPrice::Cents(PizzaPrice::Of(3, 8).subtotal), 2699);
    EXPECT_EQ(PizzaPrice::Of(0, 5).base, 0.0);
    EXPECT_EQ(PizzaPrice::Cents(PizzaPrice::Of(0, 5).total), 226);  // toppings alone are still counted
}

TEST_F(OrderForm, ASizeIsOneOfThreeAndClearingItPricesZero) {
    Open(MINIGAME_2_1);
    Play();
    Line(kFirstSize + 2);
    EXPECT_EQ(game->Price(0).base, 21.99);
    Line(kFirstSize);  // another size replaces it
    EXPECT_FALSE(game->IsMarked(kFirstSize + 2));
    EXPECT_EQ(game->Price(0).base, 6.99);
    Line(kFirstSize);  // clicked again: no size
    EXPECT_FALSE(game->IsMarked(kFirstSize));
    EXPECT_EQ(game->Price(0).base, 0.0);
    EXPECT_EQ(game->Price(0).total, 0.0);
    // A size row answers across its whole width.
    const CPoint row = game->GetLinePos(kPizzaStride + kFirstSize + 1);
    Click(row.x + 150, row.y + 3);
    EXPECT_TRUE(game->IsMarked(kPizzaStride + kFirstSize + 1));
}

TEST_F(OrderForm, OneCrustAtMostAndAToppingTogglesOff) {
    Open(MINIGAME_2_1);
    Play();
    Line(kFirstCrust);
    Line(kFirstCrust + 1);
    EXPECT_FALSE(game->IsMarked(kFirstCrust));
    EXPECT_TRUE(game->IsMarked(kFirstCrust + 1));
    Line(12);
    Line(12);
    EXPECT_FALSE(game->IsMarked(12));
    // Six pixels off the row is off the line.
    const CPoint at = game->GetLinePos(12);
    Click(at.x, at.y + 6);
    EXPECT_FALSE(game->IsMarked(12));
}

TEST_F(OrderForm, PickingANameOnTheListLeavesTheLinesBeneathIt) {
    Open(MINIGAME_2_1);
    Play();
    ChooseName("Karim");  // the fourth row lies over the first pizza's sizes
    EXPECT_EQ(game->GetSelectedName(), "Karim");
    for (int line = 0; line < kLineCount; ++line) EXPECT_FALSE(game->IsMarked(line)) << line;
    // From the second copy's name line too; a click elsewhere closes it.
    Line(kPizzaStride + kNameLine);
    EXPECT_TRUE(game->IsNameListOpen());
    Line(8);
    EXPECT_FALSE(game->IsNameListOpen());
    EXPECT_TRUE(game->IsMarked(8));
    EXPECT_EQ(game->GetSelectedName(), "Karim");
}

TEST_F(OrderForm, EachNewGameTakesTheNextOrder) {
    Open(MINIGAME_2_1);
    const int first = game->GetOrderIndex();
    Click(80, 52);
    model->SetGameState(GAMESTATE_INGAME);
    Frames(1, kW, kH);
    EXPECT_EQ(game->GetOrderIndex(), (first + 1) % kOrderCount);
}

TEST_F(OrderForm, ExploringTheLinesBeforePlayingMarksNothing) {
    Open(MINIGAME_2_1);
    Line(10);
    EXPECT_EQ(game->GetSelectedButton(), 10);
    EXPECT_FALSE(game->IsMarked(10));
    Line(10);
    EXPECT_EQ(game->GetSelectedButton(), -1);
    Line(kDateLine);  // a silent line is selected all the same
    EXPECT_EQ(game->GetSelectedButton(), kDateLine);
    // Reopened during play, only the top of the pad answers.
    Play();
    Click(kW - 346, 52);
    ASSERT_EQ(game->Shell().phase, PhaseInstructions);
    Line(20);
    EXPECT_EQ(game->GetSelectedButton(), -1);
    Line(13);
    EXPECT_EQ(game->GetSelectedButton(), 13);
    Play();
    EXPECT_EQ(game->Shell().phase, PhasePlay);
}
