// The customer's name on the order pads (2_1, 2_6), chosen from the shared
// list as a learner does it: the pointer slides over the names on its way,
// and only a click on a name's words writes it on the pad.
#include <initializer_list>

#include "minigames/pizzeria/COrderFormGame.h"
#include "support/MinigameFixture.h"

using namespace PizzaOrderForm;

namespace {

class OrderPadNames : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;
    OrderPadNames() : MinigameFixture(kW, kH) {}

    // The game on its first order that is `order`, in play.
    void Start(MinigameType type, int order) {
        pad = Open<COrderFormGame>(type);
        while (pad->GetOrderIndex() != order) {
            PressExit();
            model->SetGameState(GAMESTATE_INGAME);
            Step();
        }
        PressPlay();
        ASSERT_EQ(pad->Shell().phase, PhasePlay);
    }
    void OpenNames() {
        const CPoint line = pad->GetLinePos(kNameLine);
        Click(line.x, line.y);
        ASSERT_TRUE(pad->IsNameListOpen());
    }
    // Where a name's words are drawn: the list stands 45 pixels right of the name line.
    CPoint Words(int row) const {
        const CPoint line = pad->GetLinePos(kNameLine);
        return CPoint(line.x + 45 + 60, line.y + 40 * row - 12);
    }
    void Slide(std::initializer_list<int> rows) {
        for (int row : rows) {
            const CPoint at = Words(row);
            for (int dy = -6; dy <= 6; dy += 3) Move(at.x, at.y + dy);
        }
    }
    void SlideAndClick(std::initializer_list<int> rows) {
        Slide(rows);
        const CPoint at = Words(*(rows.end() - 1));
        Move(at.x, at.y);
        Click(at.x, at.y);
    }
    void Line(int line) { Click(pad->GetLinePos(line).x, pad->GetLinePos(line).y); }

    const COrderFormGame* pad = nullptr;
};

}  // namespace

// Julie's order, her name the top one: chosen on her name after "Marc",
// the pad is perfect.
TEST_F(OrderPadNames, JulieIsChosenOnHerNameAfterAnotherAndThePadIsPerfect) {
    Start(MINIGAME_2_1, 0);
    OpenNames();
    SlideAndClick({0, 1, 2});
    EXPECT_EQ(pad->GetSelectedName(), CString("Marc"));
    EXPECT_FALSE(pad->IsNameListOpen());
    OpenNames();
    SlideAndClick({3, 2, 1, 0});
    EXPECT_EQ(pad->GetSelectedName(), CString("Julie"));
    // Slid over, then closed by a click off the pad: the name stays, on the dark bar.
    OpenNames();
    Slide({1, 2, 3, 4});
    const unsigned chosen = PixelOfAFrame(CPoint(Words(0).x + 120, Words(0).y + 4), kW, kH);
    EXPECT_TRUE((chosen >> 24) < 0x40 && ((chosen >> 8) & 0xFF) > 0x50) << std::hex << chosen;
    Click(60, 700);
    EXPECT_FALSE(pad->IsNameListOpen());
    EXPECT_EQ(pad->GetSelectedName(), CString("Julie"));
    // A medium pizza with mozzarella, pepperoni, chicken, green peppers and onions.
    for (int line : {3, 7, 10, 14, 15, 21}) Line(line);
    PressPlay();
    EXPECT_EQ(Points(), 7);
}

TEST_F(OrderPadNames, TheEnglishPadTakesTheNameClickedAndNoneSlidOver) {
    Start(MINIGAME_2_6, 3);
    OpenNames();
    Slide({0, 1, 2, 3});
    Click(60, 700);
    EXPECT_EQ(pad->GetSelectedName(), CString(""));
    OpenNames();
    SlideAndClick({4, 3});
    EXPECT_EQ(pad->GetSelectedName(), CString("Karim"));
    OpenNames();
    SlideAndClick({2, 1, 0});
    EXPECT_EQ(pad->GetSelectedName(), CString("Julie"));
}
