#include <gtest/gtest.h>

#include "core/Formats.h"

using namespace Formats;

TEST(Formats, FrenchMoneyPutsTheDollarAfterTheAmountAndGroupsThousands) {
    EXPECT_EQ(FrenchMoney(1299), "12,99\u00A0$");
    EXPECT_EQ(FrenchMoney(5), "0,05\u00A0$");
    EXPECT_EQ(FrenchMoney(123450), "1\u00A0234,50\u00A0$");
    EXPECT_EQ(FrenchMoney(-2037), "-20,37\u00A0$");
}

TEST(Formats, EnglishMoneyPutsTheDollarFirst) {
    EXPECT_EQ(EnglishMoney(1299), "$12.99");
    EXPECT_EQ(EnglishMoney(123450), "$1,234.50");
    EXPECT_EQ(EnglishMoney(7), "$0.07");
}

TEST(Formats, FrenchTimesUseTheTwentyFourHourClockAndDropZeroMinutes) {
    EXPECT_EQ(FrenchTime(8, 30), "8\u00A0h\u00A030");
    EXPECT_EQ(FrenchTime(13, 0), "13\u00A0h");
    EXPECT_EQ(FrenchTime(9, 5), "9\u00A0h\u00A005");
}

TEST(Formats, EnglishTimesUseTheTwelveHourClock) {
    EXPECT_EQ(EnglishTime(13, 0), "1:00 p.m.");
    EXPECT_EQ(EnglishTime(8, 30), "8:30 a.m.");
    EXPECT_EQ(EnglishTime(12, 0), "12:00 p.m.");
    EXPECT_EQ(EnglishTime(0, 15), "12:15 a.m.");
}

TEST(Formats, NumericDatesGoYearMonthDay) {
    EXPECT_EQ(NumericDate(2012, 1, 23), "2012-01-23");
    EXPECT_EQ(NumericDate(2026, 12, 5), "2026-12-05");
}

TEST(Formats, FrenchNumbersInWords) {
    EXPECT_EQ(FrenchNumberWords(0), "zéro");
    EXPECT_EQ(FrenchNumberWords(21), "vingt et un");
    EXPECT_EQ(FrenchNumberWords(71), "soixante et onze");
    EXPECT_EQ(FrenchNumberWords(77), "soixante-dix-sept");
    EXPECT_EQ(FrenchNumberWords(80), "quatre-vingts");
    EXPECT_EQ(FrenchNumberWords(81), "quatre-vingt-un");
    EXPECT_EQ(FrenchNumberWords(99), "quatre-vingt-dix-neuf");
    EXPECT_EQ(FrenchNumberWords(200), "deux cents");
    EXPECT_EQ(FrenchNumberWords(560), "cinq cent soixante");
    EXPECT_EQ(FrenchNumberWords(1200), "mille deux cents");
    EXPECT_EQ(FrenchNumberWords(80000), "quatre-vingt mille");
    EXPECT_EQ(FrenchNumberWords(2000000), "deux millions");
}

TEST(Formats, SpokenMoneyNamesDollarsThenCents) {
    EXPECT_EQ(SpokenFrenchMoney(1299), "douze dollars quatre-vingt-dix-neuf");
    EXPECT_EQ(SpokenFrenchMoney(100), "un dollar");
    EXPECT_EQ(SpokenFrenchMoney(56000), "cinq cent soixante dollars");
    EXPECT_EQ(SpokenFrenchMoney(45), "quarante-cinq cents");
}

TEST(Formats, SpokenTimesAgreeWithHeure) {
    EXPECT_EQ(SpokenFrenchTime(8, 30), "huit heures trente");
    EXPECT_EQ(SpokenFrenchTime(13, 0), "treize heures");
    EXPECT_EQ(SpokenFrenchTime(1, 0), "une heure");
    EXPECT_EQ(SpokenFrenchTime(21, 21), "vingt et une heures vingt et une");
}
