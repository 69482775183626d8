#pragma once
#include <string>

// Money, clock times and numbers as each language writes and says them.
// Screens, pictures and spoken lines all take their figures from here, so
// a pad, a receipt and a voice never write one amount two ways.
// French: "12,99 $", "1 234,50 $", "8 h 30", "13 h" (no-break spaces, so a
// line never ends between a figure and its unit). English: "$12.99",
// "1:00 p.m.".
namespace Formats {

// The no-break space French puts inside numbers and before units (UTF-8).
constexpr const char* kNoBreakSpace = "\u00A0";

std::string FrenchMoney(long cents);
std::string EnglishMoney(long cents);
// hour 0..23, minute 0..59.
std::string FrenchTime(int hour, int minute);
std::string EnglishTime(int hour, int minute);

// A date in figures as Canada's standard writes it, in both languages:
// year, month, day ("2012-01-23"), which no reader takes for another date.
std::string NumericDate(int year, int month, int day);

// Words as the narration speaks them: 1299 -> "douze dollars
// quatre-vingt-dix-neuf", (8, 30) -> "huit heures trente".
std::string FrenchNumberWords(long n);
std::string SpokenFrenchMoney(long cents);
std::string SpokenFrenchTime(int hour, int minute);

}  // namespace Formats
