// The receipts are drawn from the game's receipt table: these tests catch
// a receipt whose lines do not come to the amount the game expects, a
// wrong amount that is the right one, or a question spoken otherwise than shown.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "minigames/grocery/Receipts.h"
#include "support/Narration.h"

using namespace Receipts;

namespace {
// "2160.png" -> 2160, "2160-1.png" -> 2160: the amount the file is named after.
int NamedCents(const char* file) { return std::atoi(file); }
}  // namespace

TEST(ReceiptAssets, EachReceiptsLinesAddUpToItsRightAmount) {
    const int expected[kReceiptCount] = {2160, 690, 724, 2621, 317};
    for (int r = 0; r < kReceiptCount; ++r) {
        const Receipt& receipt = kReceipts[r];
        int sum = 0;
        for (const Line& line : receipt.lines)
            if (line.label) sum += line.cents;
        EXPECT_EQ(Total(receipt), sum + Tps(receipt) + Tvq(receipt)) << r;
        if (receipt.tendered > 0) {
            EXPECT_EQ(receipt.tendered, Total(receipt) + Change(receipt)) << r;
        }
        EXPECT_EQ(RightAmount(receipt), expected[r]) << "receipt " << r + 1;
        EXPECT_EQ(NamedCents(receipt.right), expected[r]) << receipt.right;
        EXPECT_EQ(NamedCents(receipt.wrong), expected[r]) << receipt.wrong;
    }
}

TEST(ReceiptAssets, TheTaxedSoapPaysBothTaxesRoundedToTheCent) {
    const Receipt& soap = kReceipts[2];
    ASSERT_GE(soap.taxableLine, 0);
    EXPECT_EQ(Tps(soap), 17);  // 5 % of 3.49 = 0.1745
    EXPECT_EQ(Tvq(soap), 35);  // 9.975 % of 3.49 = 0.3481
    EXPECT_EQ(Tax(kReceipts[0]), 0);  // food is not taxed
}

TEST(ReceiptAssets, EveryWrongAmountIsAPlausibleSlipNotTheRightOne) {
    for (const Receipt& r : kReceipts) {
        EXPECT_NE(WrongAmount(r), RightAmount(r)) << r.right;
        EXPECT_GT(WrongAmount(r), 0) << r.right;
        EXPECT_LT(std::abs(WrongAmount(r) - RightAmount(r)), RightAmount(r)) << r.right;
    }
    EXPECT_EQ(WrongAmount(kReceipts[0]), 2106);  // the cents read the wrong way round
}

TEST(ReceiptAssets, EveryQuestionIsAskedAndSpokenAsShown) {
    const auto lines = NarrationLines();
    bool asked[kQuestionCount] = {};
    for (const Receipt& r : kReceipts) asked[r.question] = true;
    for (int q = 0; q < kQuestionCount; ++q) {
        EXPECT_TRUE(asked[q]) << "no receipt asks question " << q;
        ASSERT_TRUE(lines.count(kQuestions[q].recording)) << kQuestions[q].recording;
        EXPECT_EQ(lines.at(kQuestions[q].recording), std::string("fr|") + kQuestions[q].text);
        ASSERT_TRUE(lines.count(kQuestions[q].term)) << kQuestions[q].term;
        EXPECT_EQ(lines.at(kQuestions[q].term), std::string("fr|") + kQuestions[q].termText);
    }
    EXPECT_TRUE(lines.count("Intro3_5.mp3"));
    EXPECT_TRUE(lines.count("3_5_instructions.mp3"));
}

// One amount is worked out, not read: the last receipt prints the cash
// handed over (20,00 $) and the total (16,83 $), but not the change the
// question asks for (3,17 $). Every other receipt prints the amount it asks.
TEST(ReceiptAssets, OneReceiptsChangeIsWorkedOutFromTheCashAndTheTotal) {
    auto printed = [](const Receipt& r, int cents) {
        for (const Line& line : r.lines)
            if (line.label && line.cents == cents) return true;
        const int printedAlways[] = {Subtotal(r), Tps(r), Tvq(r), Total(r), r.tendered};
        for (int amount : printedAlways)
            if (amount == cents) return true;
        return r.tendered > 0 && r.printsChange && Change(r) == cents;
    };
    const Receipt& last = kReceipts[4];
    EXPECT_EQ(last.question, ASK_CHANGE);
    EXPECT_FALSE(last.printsChange);
    EXPECT_EQ(last.tendered, 2000);
    EXPECT_EQ(Total(last), 1683);
    EXPECT_EQ(RightAmount(last), 317);
    EXPECT_FALSE(printed(last, 317));
    for (int r = 0; r < kReceiptCount - 1; ++r) {
        EXPECT_TRUE(kReceipts[r].printsChange) << r;
        EXPECT_TRUE(printed(kReceipts[r], RightAmount(kReceipts[r]))) << r;
    }
}
