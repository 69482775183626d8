#pragma once

// The checkout scale and its chart: the twelve fruits and vegetables with
// their four-digit produce codes, and where the scale's keys, tray and
// display lie. The game judges from these tables, the pictures are drawn
// from them and the voices speak from them, so the code printed beside a
// fruit on the chart is always the one the scale accepts.
namespace ProduceCodes {

// Positions are pixels of the 1362 x 726 reference layout; the scale, the
// keypad and the chart are full-view pictures stretched over the view, so
// a point of the layout lands at (x * W / 1362, y * H / 726).
constexpr int kReferenceWidth = 1362;
constexpr int kReferenceHeight = 726;

constexpr int kItemCount = 12;
constexpr int kTurnCount = 8;
constexpr int kCodeDigits = 4;

struct Produce {
    int code;            // typed on the scale
    const char* name;    // printed on the chart (UTF-8)
};

// Item n (1 to 12) is the picture "FruitVeg<n>.png"; index n - 1 here. The
// codes are the ones shops use (PLU codes), so a learner meets the same at
// a real till: 4011 is a banana at any checkout.
constexpr Produce kProduce[kItemCount] = {
    {4016, "Pomme rouge"}, {4011, "Banane"},    {4012, "Orange"}, {4053, "Citron"},
    {4409, "Poire"},       {4562, "Carotte"},   {4664, "Tomate"}, {4060, "Brocoli"},
    {4023, "Raisins"},     {4081, "Aubergine"}, {4430, "Ananas"}, {4032, "Pastèque"},
};

// The item the demonstration types as its example (item 2, the banana).
constexpr int kExampleItem = 1;

// Digits of a code, most significant first.
constexpr int Digit(int code, int i) {
    int d = code;
    for (int k = i; k < kCodeDigits - 1; ++k) d /= 10;
    return d % 10;
}

// --- the scale ---
struct Box {
    int left, top, right, bottom;
    constexpr int CentreX() const { return (left + right) / 2; }
    constexpr int CentreY() const { return (top + bottom) / 2; }
};
constexpr Box kScale = {712, 150, 1332, 716};    // the whole scale: hovering it lights the keypad
constexpr Box kTray = {812, 168, 1232, 372};     // the platter the item lies on
constexpr Box kDisplay = {842, 392, 1202, 448};  // where the typed digits show
constexpr int kItemX = 1022, kItemY = 262;       // the item's centre on the tray
constexpr int kItemSize = 180;                   // its width on the layout

// The keypad: digit keys 1 to 9 in three rows, 0 below the 5.
constexpr int kKeyColumnX[3] = {950, 1022, 1094};
constexpr int kKeyRowY[4] = {496, 558, 620, 682};
constexpr int kKeyCap = 46;  // side of a key's cap
struct KeyPlace {
    int x, y;
};
constexpr KeyPlace Key(int digit) {
    return digit == 0 ? KeyPlace{kKeyColumnX[1], kKeyRowY[3]}
                      : KeyPlace{kKeyColumnX[(digit - 1) % 3], kKeyRowY[(digit - 1) / 3]};
}
// A click types a key when it is nearer than this on both axes (screen pixels).
constexpr int kKeyReach = 20;

// --- the chart: three columns of four cells, item i at column i % 3 ---
constexpr Box kChart = {30, 150, 650, 716};
constexpr int kCellLeft = 42, kCellTop = 204, kCellWidth = 200, kCellHeight = 126;
constexpr Box Cell(int item) {
    return Box{kCellLeft + (item % 3) * kCellWidth, kCellTop + (item / 3) * kCellHeight,
               kCellLeft + (item % 3 + 1) * kCellWidth, kCellTop + (item / 3 + 1) * kCellHeight};
}

// What each digit key says when pressed, and the words of its recording.
constexpr const char* kDigitSounds[10] = {"nr0.mp3", "nr1.mp3", "nr2.mp3", "nr3.mp3", "nr4.mp3",
                                          "nr5.mp3", "nr6.mp3", "nr7.mp3", "nr8.mp3", "nr9.mp3"};
constexpr const char* kDigitWords[10] = {"zéro", "un", "deux", "trois", "quatre",
                                          "cinq", "six", "sept", "huit", "neuf"};

}  // namespace ProduceCodes
