#pragma once
#include <cstdio>
#include <string>

// Best-before dates of the grocery's eight dated products: the calendar of
// the dates the games use, how each product's label is printed, and the
// four date forms found on Canadian packaging. Canada writes a date year
// first, then the month (in figures, or in the two bilingual letters), then
// the day. An expiry date ("EXP") is another thing than a best-before date,
// so it is taught on its own card and no product of the games carries one. The games compare dates
// by their place in the calendar; the labels, the day cards and the
// voices are made from the same table, so a printed date always sorts
// where the game expects it.
namespace BestBefore {

struct Date {
    int year, month, day;  // month 1 to 12
};

// The calendar: date number v (1 to 13) is kCalendar[v - 1]; later numbers
// are later dates.
constexpr int kCalendarSize = 13;
constexpr Date kCalendar[kCalendarSize] = {
    {2012, 1, 23}, {2012, 2, 7},  {2012, 3, 15}, {2012, 4, 2},  {2012, 5, 19}, {2012, 6, 11}, {2012, 7, 4},
    {2012, 8, 27}, {2012, 9, 9},  {2012, 10, 16}, {2012, 11, 21}, {2012, 12, 5}, {2013, 1, 14},
};
constexpr const Date& OnCalendar(int value) { return kCalendar[value - 1]; }

// The four forms of a date on a package.
enum Form {
    FORM_EXP = 0,      // "EXP 2012 JA 23": an expiry date (date limite d'utilisation), not a best-before one
    FORM_BILINGUAL,    // "12 JA 23": the year's last two digits, the two-letter month, the day
    FORM_NUMERIC,      // "2012-01-23": year, month, day in figures
    FORM_BBMA,         // "BB/MA 2012 JA 23": year, two-letter month, day
    kFormCount
};

// The months on the chart: the two letters on the labels, and their names.
struct Month {
    const char* twoLetters;
    const char* french;
    const char* english;
};
constexpr Month kMonths[12] = {
    {"JA", "janvier", "January"},   {"FE", "février", "February"}, {"MR", "mars", "March"},
    {"AL", "avril", "April"},       {"MA", "mai", "May"},          {"JN", "juin", "June"},
    {"JL", "juillet", "July"},      {"AU", "août", "August"},      {"SE", "septembre", "September"},
    {"OC", "octobre", "October"},   {"NO", "novembre", "November"}, {"DE", "décembre", "December"},
};

// The format cards: one date, the 23rd of January 2012, in the four forms,
// each read aloud; and the long card that explains them all.
struct FormatCard {
    const char* picture;
    const char* recording;
    const char* spoken;  // what the recording says (UTF-8)
};
constexpr FormatCard kFormatCards[kFormCount] = {
    {"format1.png", "expjan23.mp3",
     "E X P, deux mille douze, J A, vingt-trois. Attention : E X P n'est pas une date « meilleur avant ». "
     "C'est la date limite d'utilisation, en anglais expiry date : le vingt-trois janvier deux mille douze. "
     "On la trouve par exemple sur les préparations pour nourrissons. Après cette date, le produit ne se vend "
     "plus."},
    {"format2.png", "ja2312bna.mp3",
     "Douze, J A, vingt-trois. D'abord l'année : douze, pour deux mille douze. Puis le mois : J A veut dire "
     "janvier. Puis le jour. Meilleur avant le vingt-trois janvier deux mille douze."},
    {"format3.png", "230112.mp3",
     "Deux mille douze, zéro un, vingt-trois. En chiffres, l'année, le mois, puis le jour : le vingt-trois "
     "janvier deux mille douze. Attention : une date en chiffres écrite autrement, comme vingt-trois, zéro un, "
     "douze, peut se lire de plusieurs façons. Le vingt-trois janvier deux mille douze, ou le douze janvier "
     "deux mille vingt-trois ? Dans le doute, demandez à un collègue."},
    {"format4.png", "BBMA2012JA23.mp3",
     "B B, M A, deux mille douze, J A, vingt-trois. B B et M A veulent dire meilleur avant, "
     "en anglais et en français : le vingt-trois janvier deux mille douze."},
};
constexpr const char* kLongCard = "formatLong.png";
constexpr const char* kLongRecording = "3_1_instructions.mp3";
constexpr const char* kMonthChart = "DateRefChart.png";
constexpr Date kCardDate = {2012, 1, 23};

// The eight dated products, "Item1.png" to "Item8.png" with their labels
// "Item1Date.png" to "Item8Date.png"; the first five keep on the shelf.
struct Product {
    const char* name;  // printed on the package (UTF-8)
    int value;         // its best-before date on the calendar
    Form form;         // how its label prints it
};
constexpr int kProductCount = 8;
constexpr Product kProducts[kProductCount] = {
    {"Pain", 3, FORM_BILINGUAL},     {"Céréales", 1, FORM_BILINGUAL}, {"Biscuits", 6, FORM_NUMERIC},
    {"Pâtes", 5, FORM_BBMA},         {"Soupe", 13, FORM_BBMA},        {"Lait", 8, FORM_BILINGUAL},
    {"Yogourt", 11, FORM_NUMERIC},   {"Fromage", 10, FORM_BBMA},
};

// The five day cards "Today1.png" to "Today5.png": today's date on the calendar.
constexpr int kTodayCount = 5;
constexpr int kTodayValues[kTodayCount] = {2, 4, 7, 9, 12};

// A product goes in the cart while its date is still to come; on the day
// itself or after, it goes in the trash.
constexpr bool StillGood(int productValue, int todayValue) { return productValue > todayValue; }

// A date as a label of the given form prints it, every form with its year.
inline std::string LabelText(const Date& d, Form form) {
    char text[48];
    const Month& m = kMonths[d.month - 1];
    switch (form) {
        case FORM_EXP: std::snprintf(text, sizeof text, "EXP %d %s %02d", d.year, m.twoLetters, d.day); break;
        case FORM_BILINGUAL: std::snprintf(text, sizeof text, "%02d %s %02d", d.year % 100, m.twoLetters, d.day); break;
        case FORM_NUMERIC: std::snprintf(text, sizeof text, "%d-%02d-%02d", d.year, d.month, d.day); break;
        case FORM_BBMA: std::snprintf(text, sizeof text, "BB/MA %d %s %02d", d.year, m.twoLetters, d.day); break;
        default: text[0] = '\0'; break;
    }
    return text;
}

// The day card's words: "Aujourd'hui : le 7 février 2012".
inline std::string TodayText(const Date& d) {
    return "Aujourd'hui : le " + std::to_string(d.day) + (d.day == 1 ? "er " : " ") + kMonths[d.month - 1].french +
           " " + std::to_string(d.year);
}

}  // namespace BestBefore
