#include <string>

#include "app/CCalculatorDlg.h"
#include "core/CSubtitles.h"
#include "minigames/pizzeria/CMinigame2_9.h"
#include "support/MinigameFixture.h"
#include "support/ScriptedLearner.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

namespace {

class PricingForm : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    PricingForm() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("dropdownbox.png", 512, 512);
        // The review's two marks, each a colour of its own.
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
    }
    static constexpr unsigned kTickColour = 0x10C020FF;
    static constexpr unsigned kCrossColour = 0xE01010FF;
    static bool IsTick(unsigned rgba) { return ((rgba >> 16) & 0xFF) > 0xA0 && (rgba >> 24) < 0x50; }
    static bool IsCross(unsigned rgba) { return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x40; }
    // The hand-in, and the frame on which the flow moves on to the board or the panel.
    void HandIn() {
        PressPlay();
        Step();
    }
    void SetUp() override {
        MinigameFixture::SetUp();
        game = Open<CMinigame2_9>(MINIGAME_2_9, 1);
    }
    void Line(int line) { Click(game->GetLinePos(line).x, game->GetLinePos(line).y); }
    // Opens a chosen line's list and clicks its row.
    void Choose(int line, int row) {
        Line(line);
        ASSERT_TRUE(game->IsListOpen());
        const CPoint box(game->GetLinePos(line).x + 110, game->GetLinePos(line).y);
        Click(box.x + 60, box.y + CDropDownMenu::kRowHeight * row + 2);
        ASSERT_FALSE(game->IsListOpen());
    }
    static std::string Dollars(long cents) {
        return std::to_string(cents / 100) + "," + (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100);
    }
    // The right row of the base list and of the toppings list.
    int BaseRow() const {
        for (int s = 0; s < kSizeCount; ++s)
            if (PizzaPrice::Cents(kSizes[s].price) == game->RightCents(LINE_BASE)) return s;
        return -1;
    }
    int ToppingsRow() const { return int(game->RightCents(LINE_TOPPINGS) / 100) - 1; }
    // Types each typed line's right amount, in French writing, then OK.
    void TypeRight(Learner& learner) {
        for (int line : {LINE_SUBTOTAL, LINE_HST, LINE_TOTAL}) {
            learner.Type(Dollars(game->RightCents(line))).ClickButton(CCalculatorDlg::IDOK);
        }
    }

    CMinigame2_9* game = nullptr;
};

}  // namespace

// Each form's amounts come from the price rule; the lists hold its base and
// toppings, and its total is the subtotal plus the HST to the cent, so a
// learner who rounds the HST first is right.
TEST(PricingForms, EveryFormCanBePricedFromTheListsAndAddsUpToTheCent) {
    for (int f = 0; f < kFormCount; ++f) {
        const PizzaPrice price = CMinigame2_9::PriceOf(f);
        EXPECT_GE(price.toppings, 1.0) << f;
        EXPECT_LE(price.toppings, 1.0 * kToppingChoices) << f;
        EXPECT_GT(price.base, 0.0) << f;
        EXPECT_EQ(PizzaPrice::Cents(price.total), PizzaPrice::Cents(price.subtotal) + PizzaPrice::Cents(price.hst))
            << f;
    }
    EXPECT_EQ(PizzaPrice::Cents(CMinigame2_9::PriceOf(0).hst), 195);  // 14.99 x 0.13 = 1.9487
}

TEST_F(PricingForm, APerfectPricingScoresFive) {
    PressPlay();
    ASSERT_EQ(game->Shell().phase, PhasePlay);
    Choose(LINE_BASE, BaseRow());
    Choose(LINE_TOPPINGS, ToppingsRow());
    Learner learner;
    TypeRight(learner);
    for (int line : {LINE_SUBTOTAL, LINE_HST, LINE_TOTAL}) Line(line);
    EXPECT_EQ(learner.overran, 0);
    for (int line = 0; line < kPriceLineCount; ++line) {
        EXPECT_EQ(game->GetAmountCents(line), game->RightCents(line)) << line;
    }
    HandIn();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 5);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[1][8], 5);
    EXPECT_EQ(Saved().totalScore, 5);
}

TEST_F(PricingForm, AWrongBaseAndAnEmptyLineCostTheirPointsOnly) {
    PressPlay();
    Choose(LINE_BASE, (BaseRow() + 1) % kSizeCount);
    Choose(LINE_TOPPINGS, ToppingsRow());
    Learner learner;
    learner.Type(Dollars(game->RightCents(LINE_SUBTOTAL))).ClickButton(CCalculatorDlg::IDOK);
    learner.Type(Dollars(game->RightCents(LINE_HST))).ClickButton(CCalculatorDlg::IDOK);
    Line(LINE_SUBTOTAL);
    Line(LINE_HST);
    HandIn();  // the total left empty
    EXPECT_EQ(Points(), 3);
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[1][8], 3);
}

TEST_F(PricingForm, ATypedAmountIsTakenOnlyOnOk) {
    PressPlay();
    {
        Learner learner;
        learner.Type("9,99").ClickCloseBox();
        Line(LINE_TOTAL);
    }
    EXPECT_FALSE(game->IsFilled(LINE_TOTAL));
    {
        Learner learner;
        learner.Type("9,99").Key(27);  // Escape
        Line(LINE_TOTAL);
    }
    EXPECT_FALSE(game->IsFilled(LINE_TOTAL));
    {
        Learner learner;
        learner.Type("9,99").ClickButton(CCalculatorDlg::IDOK);
        Line(LINE_TOTAL);
    }
    EXPECT_TRUE(game->IsFilled(LINE_TOTAL));
    EXPECT_EQ(game->GetAmountCents(LINE_TOTAL), 999);
    {
        Learner learner;  // a later cancel leaves the amount as it was
        learner.Type("1").ClickCloseBox();
        Line(LINE_TOTAL);
    }
    EXPECT_EQ(game->GetAmountCents(LINE_TOTAL), 999);
}

TEST_F(PricingForm, TheChosenLinesOfferTheSizesAndOneToFiveDollars) {
    PressPlay();
    Choose(LINE_BASE, 2);
    EXPECT_EQ(game->GetAmountCents(LINE_BASE), 2199);
    Choose(LINE_TOPPINGS, 4);
    EXPECT_EQ(game->GetAmountCents(LINE_TOPPINGS), 500);
    Choose(LINE_TOPPINGS, 0);
    EXPECT_EQ(game->GetAmountCents(LINE_TOPPINGS), 100);
    // A click away from the open list closes it and changes nothing.
    Line(LINE_BASE);
    Click(80, 400);
    EXPECT_FALSE(game->IsListOpen());
    EXPECT_EQ(game->GetAmountCents(LINE_BASE), 2199);
}

TEST_F(PricingForm, ALineAnswersOnlyWithinItsReach) {
    PressPlay();
    Learner learner;
    const CPoint total = game->GetLinePos(LINE_TOTAL);
    Click(total.x - kReachX, total.y);
    Click(total.x, total.y + kReachY);
    EXPECT_EQ(learner.overran, 0);  // no dialog opened
    Click(total.x - kReachX + 1, total.y + kReachY - 1);
    EXPECT_EQ(learner.overran, 1);  // this one did, and the learner closed it
    EXPECT_FALSE(game->IsFilled(LINE_TOTAL));
}

TEST_F(PricingForm, ExploringTheLinesBeforePlayingFillsNothing) {
    Learner learner;  // no dialog may open while exploring
    Line(LINE_HST);
    EXPECT_EQ(game->GetSelectedButton(), LINE_HST);
    EXPECT_FALSE(game->IsFilled(LINE_HST));
    EXPECT_FALSE(game->IsListOpen());
    EXPECT_EQ(learner.overran, 0);
}

// The review lists the five lines in their order: the tick beside each
// line right to the cent, the cross beside each one missed with its right
// amount. The amounts a learner must find, form by form.
TEST_F(PricingForm, TheReviewTicksTheRightLinesAndGivesTheAmountOfEachMissedOne) {
    const char* const bases[kFormCount] = {"12,99\u00A0$", "6,99\u00A0$", "21,99\u00A0$", "12,99\u00A0$"};
    const char* const totals[kFormCount] = {"16,94\u00A0$", "9,03\u00A0$", "29,37\u00A0$", "20,33\u00A0$"};
    PressPlay();
    Choose(LINE_BASE, (BaseRow() + 1) % kSizeCount);
    Choose(LINE_TOPPINGS, ToppingsRow());
    Learner learner;
    learner.Type(Dollars(game->RightCents(LINE_SUBTOTAL))).ClickButton(CCalculatorDlg::IDOK);
    learner.Type(Dollars(game->RightCents(LINE_HST))).ClickButton(CCalculatorDlg::IDOK);
    Line(LINE_SUBTOTAL);
    Line(LINE_HST);
    HandIn();  // a wrong base, the total left empty
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    Step(20);
    for (int line = 0; line < kPriceLineCount; ++line) {
        const bool missed = line == LINE_BASE || line == LINE_TOTAL;
        const CPoint mark = game->GetReviewMark(line);
        const unsigned pixel = PixelOfAFrame(mark, kW, kH);
        EXPECT_EQ(IsCross(pixel), missed) << line << " " << std::hex << pixel;
        EXPECT_EQ(IsTick(pixel), !missed) << line << " " << std::hex << pixel;
        EXPECT_GT(mark.y - 32, 84);
        EXPECT_LT(mark.y + 32, kH - 80);
        if (line > 0) {
            EXPECT_GT(mark.y, game->GetReviewMark(line - 1).y);
        }
        EXPECT_EQ(game->ReviewAnswer(line).empty(), !missed) << line;
    }
    const int form = game->GetFormIndex();
    EXPECT_EQ(game->ReviewAnswer(LINE_BASE), std::string("bonne réponse : ") + bases[form]);
    EXPECT_EQ(game->ReviewWritten(LINE_TOTAL), "Total\u00A0: rien");
    EXPECT_EQ(game->ReviewAnswer(LINE_TOTAL), std::string("bonne réponse : ") + totals[form]);
}

// An open list closes on help and on the instruction sheet.
TEST_F(PricingForm, AnOpenListClosesOnHelpAndOnTheInstructions) {
    PressPlay();
    Line(LINE_BASE);
    ASSERT_TRUE(game->IsListOpen());
    PressHelp();
    EXPECT_FALSE(game->IsListOpen());
    Line(LINE_TOPPINGS);
    ASSERT_TRUE(game->IsListOpen());
    PressInstructions();
    EXPECT_EQ(game->Shell().phase, PhaseInstructions);
    EXPECT_FALSE(game->IsListOpen());
    PressPlay();
    EXPECT_FALSE(game->IsListOpen());
    EXPECT_FALSE(game->IsFilled(LINE_TOPPINGS));
}

// While the intro speaks, its words stand clear of the sheet's card at the
// bottom and of the pad.
TEST_F(PricingForm, TheIntroWordsStayClearOfTheSheetsCardAndThePad) {
    const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    const CRect sheetCard(kW / 2 - 250, kH / 2 + 262, kW / 2 + 250, kH / 2 + 346);
    EXPECT_TRUE(band.right <= sheetCard.left || band.left >= sheetCard.right || band.bottom <= sheetCard.top ||
                band.top >= sheetCard.bottom)
        << band.left << "," << band.top << " " << band.right << "," << band.bottom;
    EXPECT_LE(band.right, kW / 2 - 319);  // left of the pad
    EXPECT_GE(band.top, 96);               // under the task card
}
