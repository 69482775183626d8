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

// Reads a printed label back, as a learner would; the year of the EXP
// form, which it does not print, is taken from `year`.
Date ReadLabel(const std::string& text, int year) {
    Date d{0, 0, 0};
    char month[8] = {};
    int y = 0;
    if (std::sscanf(text.c_str(), "EXP %3s %d", month, &d.day) == 2) {
        d.month = MonthOf(month);
        d.year = year;
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
        const Date read = ReadLabel(LabelText(expected, p.form), expected.year);
        EXPECT_EQ(read.year, expected.year) << p.name;
        EXPECT_EQ(read.month, expected.month) << p.name;
        EXPECT_EQ(read.day, expected.day) << p.name;
        values.insert(p.value);
        // A label without its year must not be read against another year's day card.
        if (p.form == FORM_EXP) {
            for (int day : kTodayValues) EXPECT_EQ(OnCalendar(day).year, expected.year) << p.name;
        }
    }
    EXPECT_EQ(values.size(), size_t(kProductCount));  // one product a label, on the belt too
}

TEST(BestBeforeAssets, TheFormatCardsShowOneDateInEveryForm) {
    EXPECT_EQ(LabelText(kCardDate, FORM_EXP), "EXP JAN 23");
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
