#pragma once
#include <cstdio>
#include <string>

// Best-before dates of the grocery's eight dated products: the calendar of
// the dates the games use, how each product's label is printed, and the
// four label forms found on Canadian packaging. The games compare dates
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

// The four forms a best-before label takes.
enum Form {
    FORM_EXP = 0,      // "EXP JAN 23 2012": the month in letters, the day, then the year
    FORM_BILINGUAL,    // "JA 23 12": the two-letter month, the day, the year's last two digits
    FORM_NUMERIC,      // "23/01/12": day, month, year in figures
    FORM_BBMA,         // "BB/MA 2012 JA 23": year, two-letter month, day
    kFormCount
};

// The months on the chart: the two letters on the labels, the three of
// the EXP form, and their names.
struct Month {
    const char* twoLetters;
    const char* threeLetters;
    const char* french;
    const char* english;
};
constexpr Month kMonths[12] = {
    {"JA", "JAN", "janvier", "January"},   {"FE", "FEB", "février", "February"},
    {"MR", "MAR", "mars", "March"},        {"AL", "APR", "avril", "April"},
    {"MA", "MAY", "mai", "May"},           {"JN", "JUN", "juin", "June"},
    {"JL", "JUL", "juillet", "July"},      {"AU", "AUG", "août", "August"},
    {"SE", "SEP", "septembre", "September"}, {"OC", "OCT", "octobre", "October"},
    {"NO", "NOV", "novembre", "November"}, {"DE", "DEC", "décembre", "December"},
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
     "E X P, J A N, vingt-trois, deux mille douze. Cela veut dire : meilleur avant le vingt-trois janvier "
     "deux mille douze."},
    {"format2.png", "ja2312bna.mp3",
     "J A, vingt-trois, douze. J A veut dire janvier, et douze, l'année deux mille douze. "
     "Meilleur avant le vingt-trois janvier deux mille douze."},
    {"format3.png", "230112.mp3",
     "Vingt-trois, zéro un, douze. Le jour, le mois, puis l'année : le vingt-trois janvier deux mille douze."},
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
    {"Pain", 3, FORM_EXP},           {"Céréales", 1, FORM_BILINGUAL}, {"Biscuits", 6, FORM_NUMERIC},
    {"Pâtes", 5, FORM_BBMA},         {"Soupe", 13, FORM_BBMA},        {"Lait", 8, FORM_BILINGUAL},
    {"Yogourt", 11, FORM_NUMERIC},   {"Fromage", 10, FORM_EXP},
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
        case FORM_EXP: std::snprintf(text, sizeof text, "EXP %s %02d %d", m.threeLetters, d.day, d.year); break;
        case FORM_BILINGUAL: std::snprintf(text, sizeof text, "%s %02d %02d", m.twoLetters, d.day, d.year % 100); break;
        case FORM_NUMERIC: std::snprintf(text, sizeof text, "%02d/%02d/%02d", d.day, d.month, d.year % 100); break;
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
