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
        if (!std::strcmp(kMonths[m].twoLetters, letters)) return m + 1;
    return 0;
}

// Reads a printed label back, as a learner would: every form prints its
// year, so nothing is guessed.
Date ReadLabel(const std::string& text) {
    Date d{0, 0, 0};
    char month[8] = {};
    int y = 0;
    if (std::sscanf(text.c_str(), "EXP %d %2s %d", &d.year, month, &d.day) == 3) {
        d.month = MonthOf(month);
    } else if (std::sscanf(text.c_str(), "BB/MA %d %2s %d", &d.year, month, &d.day) == 3) {
        d.month = MonthOf(month);
    } else if (std::sscanf(text.c_str(), "%4d-%2d-%2d", &d.year, &d.month, &d.day) == 3) {
    } else if (std::sscanf(text.c_str(), "%2d %2s %2d", &y, month, &d.day) == 3) {
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
    EXPECT_EQ(LabelText(kCardDate, FORM_EXP), "EXP 2012 JA 23");
    EXPECT_EQ(LabelText(kCardDate, FORM_BILINGUAL), "12 JA 23");
    EXPECT_EQ(LabelText(kCardDate, FORM_NUMERIC), "2012-01-23");
    EXPECT_EQ(LabelText(kCardDate, FORM_BBMA), "BB/MA 2012 JA 23");
    // Every best-before form is practised; the expiry date is only taught,
    // apart, since the games sort best-before dates.
    std::set<Form> used;
    for (const Product& p : kProducts) used.insert(p.form);
    EXPECT_EQ(used, (std::set<Form>{FORM_BILINGUAL, FORM_NUMERIC, FORM_BBMA}));
}

TEST(BestBeforeAssets, TheExpiryCardTellsItApartFromBestBefore) {
    const std::string exp = kFormatCards[FORM_EXP].spoken;
    EXPECT_NE(exp.find("n'est pas une date « meilleur avant »"), std::string::npos) << exp;
    EXPECT_NE(exp.find("date limite d'utilisation"), std::string::npos) << exp;
    EXPECT_NE(exp.find("expiry date"), std::string::npos) << exp;
    const std::string numeric = kFormatCards[FORM_NUMERIC].spoken;
    EXPECT_NE(numeric.find("peut se lire de plusieurs façons"), std::string::npos) << numeric;
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

// The learner never guesses the year: every label prints it first, and
// every product's label reads as written here.
TEST(BestBeforeAssets, EveryLabelPrintsItsYear) {
    const char* const expected[kProductCount] = {"12 MR 15",         "12 JA 23",         "2012-06-11",
                                                 "BB/MA 2012 MA 19", "BB/MA 2013 JA 14", "12 AU 27",
                                                 "2012-11-21",       "BB/MA 2012 OC 16"};
    for (int p = 0; p < kProductCount; ++p) {
        EXPECT_EQ(LabelText(OnCalendar(kProducts[p].value), kProducts[p].form), expected[p]) << kProducts[p].name;
    }
}
