// The date games' labels, cards and voices come from one date table:
// these tests catch a label that prints another date than the one the game
// compares, a calendar out of order, or a card read otherwise.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "minigames/grocery/BestBefore.h"
#include "support/Narration.h"

using namespace BestBefore;

namespace {

int MonthOf(const char* letters) {
    for (int m = 0; m < 12; ++m)
        if (!std::strcmp(kMonths[m].twoLetters, letters) || !std::strcmp(kMonths[m].threeLetters, letters))
            return m + 1;
    return 0;
}

// Reads a printed label back, as a learner would: every form prints its
// year, so nothing is guessed.
Date ReadLabel(const std::string& text) {
    Date d{0, 0, 0};
    char month[8] = {};
    int y = 0;
    if (std::sscanf(text.c_str(), "EXP %3s %d %d", month, &d.day, &d.year) == 3) {
        d.month = MonthOf(month);
    } else if (std::sscanf(text.c_str(), "BB/MA %d %2s %d", &d.year, month, &d.day) == 3) {
        d.month = MonthOf(month);
    } else if (std::sscanf(text.c_str(), "%d/%d/%d", &d.day, &d.month, &y) == 3) {
        d.year = 2000 + y;
    } else if (std::sscanf(text.c_str(), "%2s %d %d", month, &d.day, &y) == 3) {
        d.month = MonthOf(month);
        d.year = 2000 + y;
    }
    return d;
}

bool Before(const Date& a, const Date& b) {
    return a.year != b.year ? a.year < b.year : a.month != b.month ? a.month < b.month : a.day < b.day;
}

}  // namespace

TEST(BestBeforeAssets, LaterCalendarNumbersAreLaterDates) {
    for (int v = 1; v < kCalendarSize; ++v) EXPECT_TRUE(Before(OnCalendar(v), OnCalendar(v + 1))) << v;
}

TEST(BestBeforeAssets, EveryLabelReadsBackAsItsProductsDate) {
    std::set<int> values;
    for (const Product& p : kProducts) {
        const Date expected = OnCalendar(p.value);
        const Date read = ReadLabel(LabelText(expected, p.form));
        EXPECT_EQ(read.year, expected.year) << p.name;
        EXPECT_EQ(read.month, expected.month) << p.name;
        EXPECT_EQ(read.day, expected.day) << p.name;
        values.insert(p.value);
    }
    EXPECT_EQ(values.size(), size_t(kProductCount));  // one product a label, on the belt too
}

TEST(BestBeforeAssets, TheFormatCardsShowOneDateInEveryForm) {
    EXPECT_EQ(LabelText(kCardDate, FORM_EXP), "EXP JAN 23 2012");
    EXPECT_EQ(LabelText(kCardDate, FORM_BILINGUAL), "JA 23 12");
    EXPECT_EQ(LabelText(kCardDate, FORM_NUMERIC), "23/01/12");
    EXPECT_EQ(LabelText(kCardDate, FORM_BBMA), "BB/MA 2012 JA 23");
    std::set<Form> used;
    for (const Product& p : kProducts) used.insert(p.form);
    EXPECT_EQ(used.size(), size_t(kFormCount));  // every form is practised
}

TEST(BestBeforeAssets, TheMonthsAreTheBilingualTwoLetterOnes) {
    const char* expected[12] = {"JA", "FE", "MR", "AL", "MA", "JN", "JL", "AU", "SE", "OC", "NO", "DE"};
    for (int m = 0; m < 12; ++m) EXPECT_STREQ(kMonths[m].twoLetters, expected[m]);
}

TEST(BestBeforeAssets, EveryCardIsReadAsTheTableSays) {
    const auto lines = NarrationLines();
    for (const FormatCard& card : kFormatCards) {
        ASSERT_TRUE(lines.count(card.recording)) << card.recording;
        EXPECT_EQ(lines.at(card.recording), std::string("fr|") + card.spoken);
    }
    EXPECT_TRUE(lines.count(kLongRecording));
    EXPECT_TRUE(lines.count("Intro3_2.mp3"));
}

// The learner never guesses the year: the two "EXP" labels print it, and
// every product's label reads as written here.
TEST(BestBeforeAssets, EveryLabelPrintsItsYear) {
    const char* const expected[kProductCount] = {"EXP MAR 15 2012",  "JA 23 12",        "11/06/12",
                                                 "BB/MA 2012 MA 19", "BB/MA 2013 JA 14", "AU 27 12",
                                                 "21/11/12",         "EXP OCT 16 2012"};
    for (int p = 0; p < kProductCount; ++p) {
        EXPECT_EQ(LabelText(OnCalendar(kProducts[p].value), kProducts[p].form), expected[p]) << kProducts[p].name;
    }
}
