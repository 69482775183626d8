#include "core/Formats.h"

#include <cstdio>

namespace Formats {

namespace {

// 1234567 -> "1<sep>234<sep>567".
std::string Grouped(long n, const char* separator) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::string TwoDigits(long n) {
    char text[4];
    std::snprintf(text, sizeof text, "%02ld", n % 100);
    return text;
}

const char* const kUnits[20] = {"zéro", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf",
                                "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize", "dix-sept",
                                "dix-huit", "dix-neuf"};
const char* const kTens[10] = {"", "", "vingt", "trente", "quarante", "cinquante", "soixante", "soixante",
                               "quatre-vingt", "quatre-vingt"};

// 0..99; `final` when nothing follows, for "quatre-vingts".
std::string BelowHundred(int n, bool final) {
    if (n < 20) return kUnits[n];
    const int ten = n / 10;
    // 70..79 and 90..99 count on from ten: soixante-dix, quatre-vingt-onze.
    const int rest = (ten == 7 || ten == 9) ? n % 10 + 10 : n % 10;
    std::string words = kTens[ten];
    if (rest == 0) return ten == 8 && final ? words + "s" : words;
    if (rest == 1 && ten != 8) return words + " et un";
    if (rest == 11 && ten == 7) return words + " et onze";
    return words + "-" + kUnits[rest];
}

// 0..999.
std::string BelowThousand(int n, bool final) {
    const int hundreds = n / 100, rest = n % 100;
    if (hundreds == 0) return BelowHundred(rest, final);
    std::string words = hundreds == 1 ? "cent" : std::string(kUnits[hundreds]) + " cent";
    if (rest == 0) return hundreds > 1 && final ? words + "s" : words;
    return words + " " + BelowHundred(rest, final);
}

// "une heure", "vingt et une heures": heure is feminine.
std::string Feminine(const std::string& words) {
    if (words == "un") return "une";
    const std::string tail = " et un";
    if (words.size() > tail.size() && words.compare(words.size() - tail.size(), tail.size(), tail) == 0)
        return words + "e";
    return words;
}

}  // namespace

std::string FrenchMoney(long cents) {
    const std::string sign = cents < 0 ? "-" : "";
    if (cents < 0) cents = -cents;
    return sign + Grouped(cents / 100, kNoBreakSpace) + "," + TwoDigits(cents) + kNoBreakSpace + "$";
}

std::string EnglishMoney(long cents) {
    const std::string sign = cents < 0 ? "-" : "";
    if (cents < 0) cents = -cents;
    return sign + "$" + Grouped(cents / 100, ",") + "." + TwoDigits(cents);
}

std::string FrenchTime(int hour, int minute) {
    std::string text = std::to_string(hour) + kNoBreakSpace + "h";
    if (minute != 0) text += kNoBreakSpace + TwoDigits(minute);
    return text;
}

std::string EnglishTime(int hour, int minute) {
    const int onDial = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(onDial) + ":" + TwoDigits(minute) + (hour < 12 ? " a.m." : " p.m.");
}

std::string NumericDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string FrenchNumberWords(long n) {
    if (n < 0) return "moins " + FrenchNumberWords(-n);
    if (n < 1000) return BelowThousand(static_cast<int>(n), true);
    if (n < 1000000) {
        const int thousands = static_cast<int>(n / 1000), rest = static_cast<int>(n % 1000);
        // "mille" never takes an "s", and "quatre-vingt mille" none either.
        std::string words = thousands == 1 ? "mille" : BelowThousand(thousands, false) + " mille";
        return rest == 0 ? words : words + " " + BelowThousand(rest, true);
    }
    const long millions = n / 1000000, rest = n % 1000000;
    std::string words = FrenchNumberWords(millions) + (millions == 1 ? " million" : " millions");
    return rest == 0 ? words : words + " " + FrenchNumberWords(rest);
}

std::string SpokenFrenchMoney(long cents) {
    const long dollars = cents / 100, small = cents % 100;
    if (dollars == 0) return FrenchNumberWords(small) + (small == 1 ? " cent" : " cents");
    std::string words = FrenchNumberWords(dollars) + (dollars == 1 ? " dollar" : " dollars");
    return small == 0 ? words : words + " " + FrenchNumberWords(small);
}

std::string SpokenFrenchTime(int hour, int minute) {
    std::string words = Feminine(FrenchNumberWords(hour)) + (hour == 1 ? " heure" : " heures");
    return minute == 0 ? words : words + " " + Feminine(FrenchNumberWords(minute));
}

}  // namespace Formats
