#include <iterator>
#include <set>

#include "minigames/pizzeria/CMinigame2_1.h"
#include "minigames/pizzeria/CMinigame2_6.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace PizzaOrderForm;

namespace {

class OrderForm : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    OrderForm() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("dropdownbox.png", 512, 512);  // the list's rows below and right of its centre
        folder.MakeFolder("Sounds");
        WriteToneWav(folder.File("Sounds/Intro2_1.mp3"), 3000);  // the instruction, three seconds long
    }
    // Opens the French game (2_1) or the English one (2_6): the same pad.
    void Open(MinigameType type) { game = MinigameFixture::Open<COrderFormGame>(type, 1); }
    // The play button hands the pad in; the review or the panel comes with the next frame.
    void HandIn() {
        PressPlay();
        Step();
    }
    // A game on order n: each new game takes the next order.
    void OpenOrder(int n) {
        Open(MINIGAME_2_1);
        while (game->GetOrderIndex() != n) {
            PressExit();
            model->SetGameState(GAMESTATE_INGAME);
            Step();
        }
    }
    // Ink of the review's right answers (green) somewhere in a box of the next frame.
    bool GreenIn(int x0, int y0, int x1, int y1) {
        GlWindow::BeginFrame();
        Step();
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const unsigned rgba = GlWindow::ReadPixel(x, y);
                const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF, b = (rgba >> 8) & 0xFF;
                if (g > 0x60 && r < 0x50 && b < 0x70) return true;
            }
        }
        return false;
    }
    int RightItems() const {
        int right = 0;
        for (const OrderFormReview::Item& item : game->ReviewItems()) right += item.right ? 1 : 0;
        return right;
    }
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

    const COrderFormGame* game = nullptr;
};

}  // namespace

TEST_F(OrderForm, APerfectPadScoresSevenAndGoesStraightToThePanel) {
    Open(MINIGAME_2_1);
    PressPlay();
    ASSERT_EQ(game->Shell().phase, PhasePlay);
    FillOrder();
    HandIn();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 7);
    ASSERT_TRUE(FinishPanelAndSave());
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[1][0], 7);
    EXPECT_EQ(saved.totalScore, 7);
}

TEST_F(OrderForm, TheEnglishOrdersAreJudgedTheSameAndKeptInTheirOwnCell) {
    Open(MINIGAME_2_6);
    PressPlay();
    FillOrder();
    HandIn();
    EXPECT_EQ(Points(), 7);
    ASSERT_TRUE(FinishPanelAndSave());
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[1][5], 7);
    EXPECT_EQ(saved.compte[1][0], 0);
}

TEST_F(OrderForm, AnExtraToppingTurnsSevenIntoSixAndTheTotalRisesBySix) {
    Open(MINIGAME_2_1);
    PressPlay();
    FillOrder();
    Line(ExtraTopping());
    HandIn();
    EXPECT_EQ(Points(), 6);
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    EXPECT_EQ(model->GetTotalScore(), 0);  // counted once the panel stores the score
    // The name and the six points are ticked; the extra line is the one item missed.
    EXPECT_EQ(game->ReviewItems().size(), 8u);
    EXPECT_EQ(RightItems(), 7);
    PressPlay();  // the review leads to the panel all the same
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[1][0], 6);
    EXPECT_EQ(Saved().totalScore, 6);
}

TEST_F(OrderForm, ExtrasTakePointsBackOnlyDownToOne) {
    Open(MINIGAME_2_1);
    PressPlay();
    ChooseName(CurrentOrder().customer);
    for (int line : {8, 9, 16, 17, 20, 22, 24, 26}) {
        if (line != ExtraTopping() && game->IsMarked(line)) continue;
        Line(line);
    }
    HandIn();
    EXPECT_EQ(Points(), 1);
    EXPECT_EQ(RightItems(), 1);  // only the name
}

TEST_F(OrderForm, APadWithNoPointKeepsNothing) {
    Open(MINIGAME_2_1);
    PressPlay();
    ChooseName("Aucun");
    Line(ExtraTopping());
    HandIn();
    EXPECT_EQ(Points(), 0);
    EXPECT_EQ(RightItems(), 0);
}

TEST_F(OrderForm, BothCopiesCrustsAndTheLastToppingOfPizzaTwoCostAPointAsEveryLineDoes) {
    struct Case {
        int line;
        int points;
    };
    for (const Case c : {Case{kFirstCrust, 6}, Case{kFirstCrust + 1, 6}, Case{kPizzaStride + kFirstCrust, 6},
                         Case{kPizzaStride + kFirstCrust + 1, 6}, Case{kPizzaStride + kLastTopping, 6}}) {
        Open(MINIGAME_2_1);
        PressPlay();
        FillOrder();
        Line(c.line);
        ASSERT_TRUE(game->IsMarked(c.line));
        HandIn();
        EXPECT_EQ(Points(), c.points) << "line " << c.line;
        PressExit();  // leave, and come again for the next case
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    }
}

TEST_F(OrderForm, FourToppingsOnAMediumPizza) {
    Open(MINIGAME_2_1);
    PressPlay();
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
    PressPlay();
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
    PressPlay();
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
    PressPlay();
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
    PressExit();
    model->SetGameState(GAMESTATE_INGAME);
    Step();
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
    PressPlay();
    PressInstructions();
    ASSERT_EQ(game->Shell().phase, PhaseInstructions);
    Line(20);
    EXPECT_EQ(game->GetSelectedButton(), -1);
    Line(13);
    EXPECT_EQ(game->GetSelectedButton(), 13);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhasePlay);
}

// Julie's order: a medium pizza with mozzarella, pepperoni, chicken, green
// peppers and onions. The learner names Sophie, forgets the chicken and
// adds feta.
TEST_F(OrderForm, TheReviewTicksWhatWasRightAndGivesTheRightAnswerBesideWhatWasMissed) {
    OpenOrder(0);
    PressPlay();
    ChooseName("Sophie");
    for (int line : {3, 7, 10, 15, 21, 9}) Line(line);  // medium, mozzarella, pepperoni, green peppers, onions, feta
    HandIn();
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 4);  // five points met, one taken back by the feta
    struct Expected {
        const char* text;
        bool right;
    };
    const Expected expected[] = {
        {"Client : Julie", false}, {"Moyenne 12 po", true}, {"Mozzarella", true},     {"Sans : Feta", false},
        {"Pepperoni", true},       {"Poulet", false},       {"Poivrons verts", true}, {"Oignons", true},
    };
    const std::vector<OrderFormReview::Item> items = game->ReviewItems();
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text) << i;
        EXPECT_EQ(items[i].right, expected[i].right) << i;
    }
    // One column left of the pad, top to bottom in the pad's order; each mark
    // beside its words, all clear of the corner buttons and of the legend.
    const std::vector<OrderFormReview::Row> rows = game->ReviewRows();
    ASSERT_EQ(rows.size(), items.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_LT(rows[i].mark.x + 32, rows[i].textLeft) << i;
        EXPECT_LE(rows[i].textRight, kW / 2 + kPadLeft) << i;  // beside the pad, not on it
        EXPECT_GE(rows[i].mark.y - 32, 100) << i;
        EXPECT_LE(rows[i].mark.y + 32, kH - 80) << i;
        if (i > 0) {
            EXPECT_GE(rows[i].mark.y - rows[i - 1].mark.y, 64) << i;
        }
    }
    // The chicken the learner missed is ticked in green on the pad, and the
    // right name is written beside the one picked.
    const CPoint chicken = game->GetLinePos(14);
    EXPECT_TRUE(GreenIn(chicken.x + kTickDx[0] - 2, chicken.y, chicken.x + kTickDx[0] + 10, chicken.y + 8));
    const CPoint name = game->GetLinePos(kNameLine);
    EXPECT_TRUE(GreenIn(name.x + 108, name.y - 4, name.x + 140, name.y + 8));
    const CPoint pepperoni = game->GetLinePos(10);  // marked by the learner: red, not green
    EXPECT_FALSE(GreenIn(pepperoni.x + kTickDx[0] - 2, pepperoni.y, pepperoni.x + kTickDx[0] + 10, pepperoni.y + 8));
}

TEST_F(OrderForm, ASecondPizzasItemsStandRightOfThePad) {
    OpenOrder(1);  // Marc: two small pizzas
    PressPlay();
    ChooseName("Marc");
    Line(2);
    Line(kPizzaStride + 2);
    HandIn();
    const std::vector<OrderFormReview::Item> items = game->ReviewItems();
    const std::vector<OrderFormReview::Row> rows = game->ReviewRows();
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[3].text, "Jambon, Olives vertes");  // the first pizza's last point
    EXPECT_FALSE(items[3].right);
    EXPECT_EQ(items[4].text, "Petite 10 po");  // the second pizza's size leads its column
    EXPECT_TRUE(items[4].right);
    EXPECT_EQ(items[6].text, "Jambon, Olives vertes");
    EXPECT_FALSE(items[6].right);
    for (int i = 0; i < 4; ++i) EXPECT_LT(rows[i].mark.x, kW / 2 + kPadLeft) << i;
    for (int i = 4; i < 7; ++i) EXPECT_GT(rows[i].mark.x - 32, kW / 2 + kPadRight) << i;
    EXPECT_EQ(rows[4].mark.y, rows[0].mark.y);  // each column starts at the top
}

TEST_F(OrderForm, HelpClosesTheNameListAndTheOrderWaitsForTheWholeInstruction) {
    Open(MINIGAME_2_1);
    PressPlay();
    Step(2);
    Line(kNameLine);
    ASSERT_TRUE(game->IsNameListOpen());
    PressHelp();
    EXPECT_FALSE(game->IsNameListOpen());
    EXPECT_TRUE(game->Shell().IsInstructionSpeaking());
    Step(64);  // a second on, the order still waits for the instruction
    EXPECT_TRUE(game->Shell().HasWaitingPrompt());
    Step(2 * 64 + 8);
    EXPECT_FALSE(game->Shell().IsInstructionSpeaking());
    EXPECT_FALSE(game->Shell().HasWaitingPrompt());  // the order, heard again
}

TEST_F(OrderForm, WhileTheIntroSpeaksItsWordsStandLeftOfThePadClearOfTheSheetsCard) {
    Open(MINIGAME_2_1);
    const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    EXPECT_LE(band.right, kW / 2 + kPadLeft);
    EXPECT_GE(band.top, 128);                 // under the task card
    EXPECT_LE(band.bottom, kH / 2 + kPadBottom);  // above the sheet's card under the pad
    EXPECT_GE(band.Width(), 160);
}

// --- fair judging: one rule for every line, one line a click ---

namespace {

class FairOrderForm : public OrderForm {
protected:
    // Julie's order (the first): a medium pizza with mozzarella, pepperoni,
    // chicken, green peppers and onions, all on the first copy.
    void TakeJuliesOrder() {
        OpenOrder(0);
        PressPlay();
        ChooseName("Julie");
        for (int line : {3, 7, 10, 14, 15, 21}) Line(line);
    }
    int MarkedCount() const {
        int marked = 0;
        for (int line = 0; line < kLineCount; ++line) marked += game->IsMarked(line) ? 1 : 0;
        return marked;
    }
};

}  // namespace

// Every extra mark costs one point, whichever line it is on: the first
// copy's crusts (5, 6) and Bœuf (27), the second copy's size (30), crusts
// (33, 34) and Bœuf (55).
TEST_F(FairOrderForm, EveryExtraMarkCostsOnePointOnEitherCopy) {
    for (int extra : {5, 6, 27, 30, 33, 34, 55}) {
        TakeJuliesOrder();
        Line(extra);
        ASSERT_TRUE(game->IsMarked(extra)) << extra;
        HandIn();
        EXPECT_EQ(Points(), 6) << "line " << extra;
        PressExit();
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    }
}

// The green and the red peppers are 10 pixels apart: a click halfway marks
// one of them, not both. The two copies' size rows meet between the copies:
// a click there marks one size.
TEST_F(FairOrderForm, OneClickMarksExactlyOneLine) {
    Open(MINIGAME_2_1);
    PressPlay();
    const CPoint green = game->GetLinePos(15), red = game->GetLinePos(16);
    ASSERT_EQ(red.y - green.y, 10);
    Click(green.x, green.y + 5);
    EXPECT_EQ(MarkedCount(), 1);
    EXPECT_TRUE(game->IsMarked(15));  // the first of two equally near
    Click(red.x, red.y - 4);
    EXPECT_EQ(MarkedCount(), 2);
    EXPECT_TRUE(game->IsMarked(16));

    const CPoint medium1 = game->GetLinePos(3), medium2 = game->GetLinePos(31);
    ASSERT_EQ(medium1.y, medium2.y);
    Click(kW / 2, medium1.y);  // 152 pixels from the first copy's row, 168 from the second's
    EXPECT_EQ(MarkedCount(), 3);
    EXPECT_TRUE(game->IsMarked(3));
    EXPECT_FALSE(game->IsMarked(31));
    Click(kW / 2 + 20, medium2.y);  // nearer the second copy
    EXPECT_EQ(MarkedCount(), 4);
    EXPECT_TRUE(game->IsMarked(31));
}

// The panel says 6 and the total rises by 6: the point the extra mark took
// back was never counted. The order was taken with chicken and feta (9).
TEST_F(FairOrderForm, TheTotalRisesByExactlyWhatThePanelShows) {
    model->IncrementTotalScore(12);
    TakeJuliesOrder();
    Line(9);
    HandIn();
    EXPECT_EQ(Points(), 6);
    EXPECT_EQ(model->GetTotalScore(), 12);
    PressPlay();  // the review leads on to the panel
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Shell().resultsPanel->GetShownTotal(), 18);
    EXPECT_EQ(Saved().totalScore, 18);
    EXPECT_EQ(Saved().compte[1][0], 6);
}
