// Pricing the pad (2_9) judged as a teacher marks it: each sum from the
// learner's own lines above it, so that one slip costs one point; an amount
// that cannot be a price refused with a word, at no cost; the price lists
// chosen only by a click on an amount's words.
#include <initializer_list>
#include <string>

#include "app/CCalculatorDlg.h"
#include "app/Latin1.h"
#include "minigames/pizzeria/CMinigame2_9.h"
#include "support/MinigameFixture.h"
#include "support/ScriptedLearner.h"

using namespace PricingForms;

namespace {

// What the learner gives on each of the four pads: the rows of the two
// lists, then the three amounts typed as the pad prints them.
struct Pricing {
    int baseRow, toppingsRow;
    const char* subtotal;
    const char* hst;
    const char* total;
};
// Julie's medium (12,99 $ and 2,00 $), Marc's small (6,99 $ and 1,00 $),
// Sophie's large (21,99 $ and 4,00 $), Karim's medium (12,99 $ and 5,00 $).
constexpr Pricing kRight[4] = {{1, 1, "14,99", "1,95", "16,94"},
                               {0, 0, "7,99", "1,04", "9,03"},
                               {2, 3, "25,99", "3,38", "29,37"},
                               {1, 4, "17,99", "2,34", "20,33"}};
// A wrong base, and the sums worked out right from it.
constexpr Pricing kWrongBaseCarried[4] = {{0, 1, "8,99", "1,17", "10,16"},
                                          {1, 0, "13,99", "1,82", "15,81"},
                                          {0, 3, "10,99", "1,43", "12,42"},
                                          {0, 4, "11,99", "1,56", "13,55"}};
// The right lists, a subtotal a dollar too high, and the HST and total
// worked out right from it.
constexpr Pricing kWrongSubtotalCarried[4] = {{1, 1, "15,99", "2,08", "18,07"},
                                              {0, 0, "8,99", "1,17", "10,16"},
                                              {2, 3, "26,99", "3,51", "30,50"},
                                              {1, 4, "18,99", "2,47", "21,46"}};

class PricingJudging : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;
    PricingJudging() : MinigameFixture(kW, kH) {}

    void Start() {
        game = Open<CMinigame2_9>(MINIGAME_2_9);
        PressPlay();
        ASSERT_EQ(game->Shell().phase, PhasePlay);
    }
    int Form() const { return game->GetFormIndex(); }
    void Line(int line) { Click(game->GetLinePos(line).x, game->GetLinePos(line).y); }
    // Where an amount's words are drawn on a line's open list, which stands
    // 110 pixels right of the line's middle.
    CPoint Words(int line, int row) const {
        return CPoint(game->GetLinePos(line).x + 110 + 60, game->GetLinePos(line).y + 40 * row - 12);
    }
    void Slide(int line, std::initializer_list<int> rows) {
        for (int row : rows) {
            const CPoint at = Words(line, row);
            for (int dy = -6; dy <= 6; dy += 3) Move(at.x, at.y + dy);
        }
    }
    // Opens a chosen line's list, slides over its rows to the last and clicks its words.
    void Choose(int line, std::initializer_list<int> rows) {
        Line(line);
        ASSERT_TRUE(game->IsListOpen());
        Slide(line, rows);
        const CPoint at = Words(line, *(rows.end() - 1));
        Move(at.x, at.y);
        Click(at.x, at.y);
        EXPECT_FALSE(game->IsListOpen());
    }
    void Type(int line, const std::string& amount) {
        Learner learner;
        learner.Type(amount).ClickButton(CCalculatorDlg::IDOK);
        Line(line);
        EXPECT_EQ(learner.overran, 0) << amount;
    }
    void Price(const Pricing& p) {
        Choose(LINE_BASE, {p.baseRow});
        Choose(LINE_TOPPINGS, {p.toppingsRow});
        Type(LINE_SUBTOTAL, p.subtotal);
        Type(LINE_HST, p.hst);
        Type(LINE_TOTAL, p.total);
    }
    int HandIn() {
        PressPlay();
        Step();
        return Points();
    }
    // The review's verdict on each line: what it says under what was written.
    std::string Answer(int line) const { return game->ReviewAnswer(line); }

    const CMinigame2_9* game = nullptr;
};

}  // namespace

// "6,99 $" is the top amount of the base list: chosen on its words after
// "12,99 $", and a pointer slid over the list and away changes nothing.
TEST_F(PricingJudging, TheTopAmountIsChosenOnItsWordsAndSlidingChoosesNothing) {
    Start();
    Choose(LINE_BASE, {0, 1});
    EXPECT_EQ(game->GetAmountCents(LINE_BASE), 1299);
    Choose(LINE_BASE, {2, 1, 0});
    EXPECT_EQ(game->GetAmountCents(LINE_BASE), 699);
    // Opened again, the amount chosen stands on the dark bar.
    Line(LINE_BASE);
    const unsigned chosen = PixelOfAFrame(CPoint(Words(LINE_BASE, 0).x + 120, Words(LINE_BASE, 0).y + 4), kW, kH);
    EXPECT_TRUE((chosen >> 24) < 0x40 && ((chosen >> 8) & 0xFF) > 0x50) << std::hex << chosen;
    Click(60, 700);
    EXPECT_EQ(game->GetAmountCents(LINE_BASE), 699);
    Line(LINE_TOPPINGS);
    Slide(LINE_TOPPINGS, {0, 1, 2, 3, 4});
    Click(60, 700);
    EXPECT_FALSE(game->IsListOpen());
    EXPECT_FALSE(game->IsFilled(LINE_TOPPINGS));
    Choose(LINE_TOPPINGS, {4, 3, 2, 1, 0});
    EXPECT_EQ(game->GetAmountCents(LINE_TOPPINGS), 100);
}

TEST_F(PricingJudging, APerfectPricingStillScoresFive) {
    Start();
    Price(kRight[Form()]);
    EXPECT_EQ(HandIn(), 5);
    EXPECT_EQ(game->Shell().phase, PhaseResults);
}

// A wrong base costs its own point: the sums worked out right from it are right.
TEST_F(PricingJudging, ASumIsJudgedFromTheLearnersOwnLines) {
    Start();
    Price(kWrongBaseCarried[Form()]);
    EXPECT_EQ(HandIn(), 4);
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    const char* const bases[4] = {"12,99\u00A0$", "6,99\u00A0$", "21,99\u00A0$", "12,99\u00A0$"};
    EXPECT_EQ(Answer(LINE_BASE), std::string("bonne réponse : ") + bases[Form()]);
    EXPECT_EQ(Answer(LINE_TOPPINGS), "");
}

// A slip in the subtotal is marked once: the HST and the total worked out
// from it are right.
TEST_F(PricingJudging, AnErrorCarriedForwardIsMarkedOnce) {
    Start();
    Price(kWrongSubtotalCarried[Form()]);
    EXPECT_EQ(HandIn(), 4);
    const char* const subtotals[4] = {"14,99\u00A0$", "7,99\u00A0$", "25,99\u00A0$", "17,99\u00A0$"};
    EXPECT_EQ(Answer(LINE_SUBTOTAL), std::string("bonne réponse : ") + subtotals[Form()]);
    for (int line : {LINE_BASE, LINE_TOPPINGS}) EXPECT_EQ(Answer(line), "") << line;
    EXPECT_NE(Answer(LINE_HST).find("d'après vos lignes"), std::string::npos) << Answer(LINE_HST);
    EXPECT_NE(Answer(LINE_TOTAL).find("d'après vos lignes"), std::string::npos) << Answer(LINE_TOTAL);
}

// The pad's own right amounts stay right after a wrong line above them.
TEST_F(PricingJudging, TheRightSumsStayRightAfterAWrongLineAboveThem) {
    Start();
    const Pricing& right = kRight[Form()];
    Price({kWrongBaseCarried[Form()].baseRow, right.toppingsRow, right.subtotal, right.hst, right.total});
    EXPECT_EQ(HandIn(), 4);
}

// A wrong HST then costs the total worked out from it nothing more.
TEST_F(PricingJudging, AWrongHstCostsOnePoint) {
    Start();
    const char* const wrongHst[4] = {"1,94", "1,03", "3,37", "2,33"};
    const char* const totals[4] = {"16,93", "9,02", "29,36", "20,32"};
    const Pricing& right = kRight[Form()];
    Price({right.baseRow, right.toppingsRow, right.subtotal, wrongHst[Form()], totals[Form()]});
    EXPECT_EQ(HandIn(), 4);
}

// A negative, a huge or a malformed amount is refused with a word in
// French and the line is left as it was; nothing is lost for it.
TEST_F(PricingJudging, AnAmountThatCannotBeAPriceIsRefusedWithAWordAndCostsNothing) {
    Start();
    const std::string negative = Latin1FromUtf8("Un montant ne peut pas être négatif.");
    const std::string huge = Latin1FromUtf8("Ce montant est trop grand : 9 999,99 $ au plus.");
    const std::string malformed = Latin1FromUtf8("Écrivez un montant, par exemple 12,50 $.");
    struct Refused {
        const char* typed;
        const std::string* said;
    };
    for (const Refused& r : {Refused{"-3", &negative}, Refused{"-0,01", &negative}, Refused{"99999999999", &huge},
                             Refused{"10000", &huge}, Refused{"3,3,8", &malformed}, Refused{"3,38 $ $", &malformed},
                             Refused{"douze", &malformed}}) {
        Learner learner;
        std::string said;
        learner.Type(r.typed)
            .ClickButton(CCalculatorDlg::IDOK)
            .Check([&said](CDialogFrame& f) { said = f.GetMessage(); })
            .Key(27);  // the learner gives up
        Line(LINE_SUBTOTAL);
        EXPECT_EQ(said, *r.said) << r.typed;
        EXPECT_FALSE(game->IsFilled(LINE_SUBTOTAL)) << r.typed;
        EXPECT_EQ(learner.overran, 0) << r.typed;
    }
    EXPECT_FALSE(game->Shell().IsPaused());  // no cross for any of them
    Price(kRight[Form()]);
    EXPECT_EQ(HandIn(), 5);
}

// The pad prints its amounts "3,38 $": typed so, with or without the
// space, or as "$3.38", they are taken.
TEST_F(PricingJudging, AnAmountTypedAsThePadPrintsItIsTaken) {
    Start();
    for (const char* typed : {"3,38 $", "3,38$", "$3.38", " 3,38 $ "}) {
        Type(LINE_HST, typed);
        EXPECT_TRUE(game->IsFilled(LINE_HST)) << typed;
        EXPECT_EQ(game->GetAmountCents(LINE_HST), 338) << typed;
    }
    Type(LINE_TOTAL, "9 999,99 $");
    EXPECT_EQ(game->GetAmountCents(LINE_TOTAL), 999999);
    EXPECT_EQ(game->ReviewWritten(LINE_HST), "TVH\u00A0: 3,38\u00A0$");
}
