#include <string>
#include <vector>

#include "app/Latin1.h"
#include "core/CSubtitles.h"
#include "minigames/pizzeria/CMinigame2_5.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace PaymentTerminal;

namespace {

class CardTerminal : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    CardTerminal() : MinigameFixture(kW, kH) {}

    static constexpr int kErrorMs = 1500;  // the error sound: 96 frames
    static constexpr unsigned kTickColour = 0x10C020FF;
    static constexpr unsigned kCrossColour = 0xE01010FF;
    static bool IsTick(unsigned rgba) { return ((rgba >> 16) & 0xFF) > 0xA0 && (rgba >> 24) < 0x50; }
    static bool IsCross(unsigned rgba) { return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x40; }

    void Pictures() override {
        CornerButtonPictures();
        // The review's two marks, each a colour of its own.
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        folder.AddPicture("strip_missed.png", 64, 64, 0xE020E0FF);  // magenta
        folder.MakeFolder("Sounds");
        for (const Page& page : kPages) WriteToneWav(folder.File("Sounds/") + page.voice, 2000);
        WriteToneWav(folder.File("Sounds/error.mp3"), kErrorMs);
        for (const Payment& p : kPayments) WriteToneWav(folder.File("Sounds/") + p.announce, 400);
    }
    void SetUp() override {
        MinigameFixture::SetUp();
        game = Open<CMinigame2_5>(MINIGAME_2_5, 1);
    }
    // A click, then a frame: the flow ends play on the frame after the last step.
    void At(CPoint p) {
        Click(p.x, p.y);
        Step();
    }
    // A slip's cross and sound end, and the payment goes on.
    void SlipEnds() { Step(kErrorMs * 64 / 1000 + 2); }
    void Menu(int type) { At(game->GetMenuKey(kPayments[type].menuLine)); }
    void Key(int key) { At(game->GetKey(key)); }
    void KeyAmount(int cents) {
        const std::string digits = std::to_string(cents);
        for (char d : digits) Key(d - '0');
    }
    void Card(int type) { At(game->GetCard(type)); }
    // One payment done right, or with the given slips.
    void Pay(int type, int cents, int card) {
        Menu(type);
        KeyAmount(cents);
        Key(KEY_ENTER);
        Card(card);
    }
    void PayRight() {
        const int p = game->GetPayment();
        Pay(p, game->GetAmountCents(), p);
    }

    CMinigame2_5* game = nullptr;
};

}  // namespace

TEST_F(CardTerminal, APerfectGameFillsEveryOneOfTheTenSlots) {
    PressPlay();
    ASSERT_EQ(game->Shell().phase, PhasePlay);
    for (int p = 0; p < kPaymentCount; ++p) {
        EXPECT_EQ(game->GetPayment(), p);
        PayRight();
    }
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 10);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(game->Shell().resultsPanel->GetCompteMax(), 10);  // the panel shows what a perfect game earns
    EXPECT_EQ(Saved().compte[1][4], 10);
    EXPECT_EQ(Saved().totalScore, 10);
}

TEST_F(CardTerminal, TheTillShiftsDigitsInAndEraseDropsTheLast) {
    PressPlay();
    Menu(PAY_DEBIT);
    EXPECT_EQ(game->GetScreenLine(2), "Debit Charge:");
    EXPECT_EQ(game->GetScreenLine(3), "$0.00");
    const char* const shown[] = {"$0.01", "$0.12", "$1.23", "$12.34"};
    for (int d = 1; d <= 4; ++d) {
        Key(d);
        EXPECT_EQ(game->GetScreenLine(3), shown[d - 1]);
    }
    Key(KEY_ERASE);
    EXPECT_EQ(game->GetScreenLine(3), "$1.23");
    for (int i = 0; i < 4; ++i) Key(KEY_ERASE);
    EXPECT_EQ(game->GetScreenLine(3), "$0.00");  // erasing an empty till keeps it empty
    EXPECT_EQ(game->GetKeyedCents(), 0);
}

// A key answers on its whole cap as drawn (46 x 31, from 23 left to 23
// right and from 17 above to 14 below its centre), and not past it.
TEST_F(CardTerminal, AKeyAnswersOnItsWholeCapAndNotPastIt) {
    PressPlay();
    Menu(PAY_DEBIT);
    const CPoint five = game->GetKey(5);
    Click(five.x + 22, five.y + 13);  // the cap's lower right corner
    EXPECT_EQ(game->GetKeyedCents(), 5);
    Click(five.x - 22, five.y - 16);  // its upper left corner
    EXPECT_EQ(game->GetKeyedCents(), 55);
    Click(five.x + 23, five.y);  // past its right edge
    Click(five.x, five.y + 14);  // past its lower edge
    Click(five.x + 30, five.y);  // between two keys
    EXPECT_EQ(game->GetKeyedCents(), 55);
}

TEST_F(CardTerminal, AnAmountBelowADollarIsKeyedWithTwoDigits) {
    game->SetAmountCents(57);
    PressPlay();
    Menu(PAY_DEBIT);
    KeyAmount(57);
    EXPECT_EQ(game->GetScreenLine(3), "$0.57");
    EXPECT_EQ(game->Instruction().str(), Latin1FromUtf8("Faites payer 0,57\u00A0$ au client avec sa carte de débit."));
    Key(KEY_ENTER);
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_CARD);
    EXPECT_TRUE(game->IsStepRight(PAY_DEBIT, 1));
    EXPECT_EQ(Points(), 2);
}

TEST_F(CardTerminal, AWrongTypeCostsItsPointButTheLaterStepsStillScore) {
    PressPlay();
    const int amount = game->GetAmountCents();
    Menu(PAY_GIFT);  // the debit customer, charged as a gift card
    SlipEnds();
    EXPECT_EQ(game->GetScreenLine(2), "Gift Card Charge:");
    EXPECT_EQ(Points(), 0);
    KeyAmount(amount);
    Key(KEY_ENTER);
    Card(PAY_DEBIT);
    EXPECT_EQ(Points(), 2);
    EXPECT_TRUE(game->IsPaymentMissed(PAY_DEBIT));
    EXPECT_FALSE(game->IsStepRight(PAY_DEBIT, 0));
    EXPECT_EQ(game->GetPayment(), PAY_CREDIT);
    PayRight();
    PayRight();
    EXPECT_EQ(Points(), 8);  // no bonus after a slip
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    PressPlay();  // the review leads to the panel
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(Saved().compte[1][4], 8);
}

// After a game with a miss, the panel offers to practise it: the same game
// again, the missed payment (the first, the debit customer) ringed on the
// strip; played perfectly, its panel shows its bars but keeps nothing, and
// offers no practice of its own. A perfect game offers none either.
TEST_F(CardTerminal, PracticeAfterAMissKeepsTheScoreAndTheTotalAsTheyWere) {
    PressPlay();
    Menu(PAY_GIFT);  // the debit customer, charged as a gift card
    SlipEnds();
    KeyAmount(game->GetAmountCents());
    Key(KEY_ENTER);
    Card(PAY_DEBIT);
    PayRight();
    PayRight();
    PressPlay();  // the review leads to the panel
    ASSERT_TRUE(FinishPanel());
    EXPECT_TRUE(game->Shell().resultsPanel->PracticeOffered());
    const std::string profile = folder.Read("Profiles/Ana.txt");
    const std::string history = folder.Read("Profiles/Ana.txt.history");
    EXPECT_NE(history.find("\t2_5\t8\t10\n"), std::string::npos) << history;
    EXPECT_EQ(Saved().compte[1][4], 8);
    EXPECT_EQ(Saved().totalScore, 8);

    const CPoint practice = game->Shell().resultsPanel->GetPracticeButton()->GetPosition();
    Click(practice.x, practice.y);
    Step();
    ASSERT_TRUE(model->IsPractising());
    EXPECT_EQ(model->PracticeSteps(), std::vector<int>{0});
    EXPECT_EQ(model->PracticeStripSteps(), 4);
    StartPlay();
    ASSERT_EQ(game->Shell().phase, PhasePlay);
    for (int p = 0; p < kPaymentCount; ++p) PayRight();
    ASSERT_EQ(game->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanel());
    EXPECT_EQ(Points(), 10);
    EXPECT_FALSE(game->Shell().resultsPanel->PracticeOffered());
    EXPECT_EQ(game->Shell().resultsPanel->GetShownTotal(), 8) << "the balance does not rise";
    Click(kW / 2, kH / 2);  // a click on the panel saves, as always
    EXPECT_EQ(model->GetCompte(1, 4), 8);
    EXPECT_EQ(model->GetTotalScore(), 8);
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), profile);
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.history"), history) << "practice is no game of the history";

    const CPoint restart = game->Shell().resultsPanel->GetRestartButton()->GetPosition();
    Click(restart.x, restart.y);
    Step();
    EXPECT_FALSE(model->IsPractising()) << "played again, the game counts";
}

TEST_F(CardTerminal, APerfectGameOffersNoPractice) {
    PressPlay();
    for (int p = 0; p < kPaymentCount; ++p) PayRight();
    ASSERT_TRUE(FinishPanel());
    EXPECT_FALSE(game->Shell().resultsPanel->PracticeOffered());
}

TEST_F(CardTerminal, AWrongAmountOrCardIsASlipOfThatPaymentOnly) {
    PressPlay();
    Menu(PAY_DEBIT);
    KeyAmount(game->GetAmountCents() + 1);
    Key(KEY_ENTER);
    SlipEnds();
    Card(PAY_DEBIT);
    EXPECT_FALSE(game->IsStepRight(PAY_DEBIT, 1));
    Pay(PAY_CREDIT, game->GetAmountCents(), PAY_GIFT);
    SlipEnds();
    EXPECT_FALSE(game->IsStepRight(PAY_CREDIT, 2));
    EXPECT_TRUE(game->IsStepRight(PAY_CREDIT, 1));
    PayRight();
    EXPECT_TRUE(game->IsPaymentMissed(PAY_DEBIT));
    EXPECT_TRUE(game->IsPaymentMissed(PAY_CREDIT));
    EXPECT_FALSE(game->IsPaymentMissed(PAY_GIFT));
    EXPECT_EQ(Points(), 7);
}

TEST_F(CardTerminal, TheEmptyMenuLineAndTheCardsDoNothingOutOfTurn) {
    PressPlay();
    At(game->GetMenuKey(2));  // the third line of the menu is empty
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_MENU);
    Card(PAY_DEBIT);  // no card before the amount
    EXPECT_EQ(game->GetPayment(), PAY_DEBIT);
    Menu(PAY_DEBIT);
    Card(PAY_DEBIT);
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_AMOUNT);
    Menu(PAY_CREDIT);  // the menu no longer answers
    EXPECT_EQ(game->GetScreenLine(2), "Debit Charge:");
}

TEST_F(CardTerminal, AmountsAreWholeCentsAndNeverNothing) {
    for (int i = 0; i < 200; ++i) {
        game->GenerateRandomGame();
        EXPECT_GE(game->GetAmountCents(), 1);
        EXPECT_LE(game->GetAmountCents(), 9898);
    }
}

TEST_F(CardTerminal, TheHelpPagesFollowThePointerOnceEach) {
    const CPoint centre(kW / 2, kH / 2);
    Move(centre.x + kPages[2].at.dx, centre.y + kPages[2].at.dy);
    EXPECT_EQ(game->GetShownPage(), 2);
    EXPECT_TRUE(model->IsSoundPlaying());
    model->StopSoundFile();
    Move(centre.x + kPages[2].at.dx + 5, centre.y + kPages[2].at.dy);  // still on the same point: silent
    EXPECT_FALSE(model->IsSoundPlaying());
    Move(centre.x + kPages[3].at.dx, centre.y + kPages[3].at.dy);
    EXPECT_EQ(game->GetShownPage(), 3);
    // A click on a help point selects it; the erase key is one of them.
    At(game->GetKey(KEY_ERASE));
    EXPECT_EQ(game->GetSelectedButton(), 3);
    PressPlay();
    EXPECT_EQ(game->GetSelectedButton(), -1);
}

// A wrong type shows the cross where it was clicked and plays the error
// sound; input waits for their end, and only then does the charge of the
// chosen type come, so the cross is never drawn on the next screen.
TEST_F(CardTerminal, AWrongTypeShowsTheCrossAndTheChargeComesAfterItsSound) {
    PressPlay();
    const CPoint gift = game->GetMenuKey(kPayments[PAY_GIFT].menuLine);
    Click(gift.x, gift.y);
    EXPECT_TRUE(game->Shell().IsWrongSignShown());
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(gift, kW, kH))) << std::hex << PixelOfAFrame(gift, kW, kH);
    EXPECT_TRUE(game->Shell().IsPaused());
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_MENU);
    Key(1);  // ignored while the sound plays
    Step(70);
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_MENU);  // the sound is longer than the cross
    SlipEnds();
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
    EXPECT_EQ(game->GetTerminalScreen(), CMinigame2_5::SCREEN_AMOUNT);
    EXPECT_EQ(game->GetScreenLine(2), "Gift Card Charge:");
    EXPECT_EQ(game->GetKeyedCents(), 0);
    EXPECT_FALSE(game->IsStepRight(PAY_DEBIT, 0));
    EXPECT_EQ(Points(), 0);
}

// After a wrong card the next customer is announced once the error sound
// has ended, not over it.
TEST_F(CardTerminal, TheNextCustomerWaitsForTheErrorSoundOfAWrongCard) {
    PressPlay();
    Menu(PAY_DEBIT);
    KeyAmount(game->GetAmountCents());
    Key(KEY_ENTER);
    const uint64_t plays = model->GetSoundPlayer().PlayCount();
    Card(PAY_GIFT);
    EXPECT_EQ(model->GetSoundPlayer().PlayCount(), plays + 1);  // the error sound
    Step(80);
    EXPECT_EQ(game->GetPayment(), PAY_DEBIT);
    EXPECT_EQ(model->GetSoundPlayer().PlayCount(), plays + 1);
    SlipEnds();
    EXPECT_EQ(game->GetPayment(), PAY_CREDIT);
    EXPECT_EQ(model->GetSoundPlayer().PlayCount(), plays + 2);  // the credit customer
    EXPECT_TRUE(model->IsSoundPlaying());
}

// The review's board: a row a payment, a column a step, each step with the
// tick when done right, or the cross and its right answer.
TEST_F(CardTerminal, TheReviewTicksEachStepDoneAndCrossesEachMissedWithItsAnswer) {
    game->SetAmountCents(1234);
    PressPlay();
    Menu(PAY_CREDIT);  // the debit customer's type, missed
    SlipEnds();
    KeyAmount(1234);
    Key(KEY_ENTER);
    Card(PAY_DEBIT);
    Menu(PAY_CREDIT);
    KeyAmount(game->GetAmountCents() + 1);  // the credit amount, missed
    Key(KEY_ENTER);
    SlipEnds();
    Card(PAY_CREDIT);
    PayRight();
    ASSERT_EQ(game->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 7);
    Step(20);
    for (int p = 0; p < kPaymentCount; ++p) {
        for (int s = 0; s < CMinigame2_5::kSteps; ++s) {
            const bool missed = (p == PAY_DEBIT && s == STEP_TYPE) || (p == PAY_CREDIT && s == STEP_AMOUNT);
            const CPoint mark = game->GetReviewMark(p, s);
            const unsigned pixel = PixelOfAFrame(mark, kW, kH);
            EXPECT_EQ(IsCross(pixel), missed) << p << s << " " << std::hex << pixel;
            EXPECT_EQ(IsTick(pixel), !missed) << p << s << " " << std::hex << pixel;
            EXPECT_GT(mark.y - 32, 84);
            EXPECT_LT(mark.y + 32, kH - 80);
            if (s > 0) {
                EXPECT_GT(mark.x, game->GetReviewMark(p, s - 1).x);
            }
            if (p > 0) {
                EXPECT_GT(mark.y, game->GetReviewMark(p - 1, s).y);
            }
        }
    }
    EXPECT_EQ(game->ReviewAnswer(PAY_DEBIT, STEP_TYPE), "Debit");
    EXPECT_EQ(game->ReviewAnswer(PAY_DEBIT, STEP_AMOUNT), "$12.34");
    EXPECT_EQ(game->ReviewAnswer(PAY_GIFT, STEP_CARD), "CARTE CADEAU");
}

// While the intro speaks, its words stand clear of the sheet's card at the
// bottom, of the terminal and of the customer's bubble.
TEST_F(CardTerminal, TheIntroWordsStayClearOfTheSheetsCardAndTheTerminal) {
    const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
    const CRect sheetCard(kW / 2 - 280, kH / 2 + 300, kW / 2 + 280, kH / 2 + 376);
    const CRect bubble(kW / 2 - 256, kH - 116, kW / 2 + 256, kH - 52);
    for (const CRect& box : {sheetCard, bubble}) {
        EXPECT_TRUE(band.right <= box.left || band.left >= box.right || band.bottom <= box.top ||
                    band.top >= box.bottom)
            << band.left << "," << band.top << " " << band.right << "," << band.bottom;
    }
    EXPECT_LE(band.right, kW / 2 - 318);  // left of the terminal
    EXPECT_GE(band.top, 96);               // under the task card
}

// --- The keys answer where they are drawn ---

// The debit customer's type picked on the gift card's key, clicked on its
// notch and on the corner of its cap, as a learner does: each time the
// cross at the click and the error sound, and the type costs its point.
TEST_F(CardTerminal, AWrongTypeClickedAnywhereOnItsKeyShowsTheCrossAndItsSound) {
    game->SetAmountCents(1234);
    PressPlay();
    const CPoint gift = game->GetMenuKey(3);  // the key beside "Gift Card", the menu's fourth line
    const CPoint notch(gift.x - 18, gift.y);
    Click(notch.x, notch.y);
    EXPECT_TRUE(game->Shell().IsWrongSignShown());
    EXPECT_EQ(model->CurrentSoundName(), "error.mp3");
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(notch, kW, kH))) << std::hex << PixelOfAFrame(notch, kW, kH);
    SlipEnds();
    EXPECT_EQ(game->GetScreenLine(2), "Gift Card Charge:");
    EXPECT_FALSE(game->IsStepRight(PAY_DEBIT, STEP_TYPE));
    KeyAmount(1234);
    Key(KEY_ENTER);
    Card(PAY_DEBIT);
    EXPECT_EQ(Points(), 2);
    // The credit customer's type picked on the debit key's corner.
    ASSERT_EQ(game->GetPayment(), PAY_CREDIT);
    const CPoint debit = game->GetMenuKey(0);
    Click(debit.x + 10, debit.y + 6);
    EXPECT_TRUE(game->Shell().IsWrongSignShown());
    EXPECT_EQ(model->CurrentSoundName(), "error.mp3");
    SlipEnds();
    EXPECT_EQ(game->GetScreenLine(2), "Debit Charge:");
    EXPECT_EQ(Points(), 2);
}

// The right type, picked on the edge of its key, is taken.
TEST_F(CardTerminal, TheRightTypeIsTakenOnTheEdgeOfItsKey) {
    PressPlay();
    const CPoint debit = game->GetMenuKey(0);
    Click(debit.x - 10, debit.y - 10);
    Frames(1, kW, kH);
    EXPECT_FALSE(game->Shell().IsWrongSignShown());
    EXPECT_EQ(game->GetScreenLine(2), "Debit Charge:");
    EXPECT_EQ(Points(), 1);
}

// --- fair judging: a missed payment shown on the strip ---

// The debit payment taken as credit first is missed; the credit payment
// after it is right. The strip's four steps (three payments, the end)
// stand 40 pixels apart about the middle (683): the first, at 623, shows
// the payment missed; the second, at 663, does not.
TEST_F(CardTerminal, TheStripShowsAMissedPaymentAsMissed) {
    PressPlay();
    ASSERT_EQ(game->GetPayment(), PAY_DEBIT);
    Menu(PAY_CREDIT);
    SlipEnds();
    KeyAmount(game->GetAmountCents());  // the amount the instruction reads out
    Key(KEY_ENTER);
    Card(PAY_DEBIT);
    ASSERT_EQ(game->GetPayment(), PAY_CREDIT);
    Pay(PAY_CREDIT, game->GetAmountCents(), PAY_CREDIT);
    ASSERT_EQ(game->GetPayment(), PAY_GIFT);
    const auto magenta = [](unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    };
    EXPECT_TRUE(magenta(PixelOfAFrame(CPoint(623, 38), kW, kH)));
    EXPECT_FALSE(magenta(PixelOfAFrame(CPoint(663, 38), kW, kH)));
}
