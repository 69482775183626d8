#pragma once

// The office telephone's twelve keys, on the same 1357 x 718 picture of the
// desk as the answering machine it is built into ("phone_background.png").
// The call transfers dial on them, and the picture draws a digit on each at
// the place the game looks for it.
namespace TelephoneKeypad {

constexpr int kReferenceWidth = 1357;
constexpr int kReferenceHeight = 718;

enum Key { KEY_0 = 0, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9, KEY_HASH, KEY_STAR, kKeyCount };
constexpr int kDigitCount = 10;

struct KeyInfo {
    int x, y;            // on the reference picture
    char symbol;         // what the key dials, printed on its cap
    const char* letters; // the letters under the digit, as on any phone
    const char* sound;   // played when the key is pressed
};

constexpr KeyInfo kKeys[kKeyCount] = {
    {567, 623, '0', "", "nr0.mp3"},    {509, 487, '1', "", "nr1.mp3"},    {568, 489, '2', "ABC", "nr2.mp3"},
    {625, 487, '3', "DEF", "nr3.mp3"}, {512, 534, '4', "GHI", "nr4.mp3"}, {566, 532, '5', "JKL", "nr5.mp3"},
    {623, 532, '6', "MNO", "nr6.mp3"}, {511, 579, '7', "PQRS", "nr7.mp3"}, {568, 579, '8', "TUV", "nr8.mp3"},
    {625, 580, '9', "WXYZ", "nr9.mp3"}, {623, 622, '#', "", "nr0.mp3"},   {510, 625, '*', "", "nr0.mp3"},
};

// What the digit sounds say (they are the digits spoken, as the telephone
// of the office reads back what was dialled).
constexpr const char* kDigitWords[kDigitCount] = {"zéro", "un",  "deux", "trois", "quatre",
                                                  "cinq", "six", "sept", "huit",  "neuf"};

}  // namespace TelephoneKeypad
