#pragma once
#include "core/CSubtitles.h"

// The greetings a receptionist might answer the office's telephone with:
// eight cards per language, three of them right for a dentist's office,
// and the six examples of the intro sheet. The game judges from the cards'
// table, the cards and the sheet are drawn from it and the recordings say
// its words, so a card never reads or sounds otherwise than it is judged.
namespace Greetings {

constexpr int kCardCount = 8;
// The cards fill the screen from top to bottom: the words go in the column
// on their right.
constexpr SubtitlePlace kSubtitlesBesideCards = {SubtitlePlace::BOX, 0.766f, 0.221f, 0.988f, 0.977f};
constexpr int kAcceptableCount = 3;
constexpr int kExampleCount = 6;

struct Greeting {
    const char* picture;    // the card's lit side, with the words
    const char* recording;  // heard when the pointer is on the card
    const char* text;       // what the card says and the recording speaks (UTF-8)
    bool acceptable;        // right for the office
};

struct Example {
    const char* recording;
    const char* text;
    bool acceptable;  // the sheet marks it as one to say, or one to avoid
};

constexpr Greeting kFrenchCards[kCardCount] = {
    {"greeting1.png", "ellenestpasici.mp3", "Elle n'est pas ici. Rappelez plus tard.", false},
    {"greeting2.png", "ellenestpasdisponible.mp3",
     "La docteure n'est pas disponible en ce moment. Puis-je prendre un message ?", true},
    {"greeting3.png", "hold.mp3", "Cabinet dentaire des Érables, bonjour. Pouvez-vous patienter un instant, s'il vous plaît ?",
     true},
    {"greeting4.png", "enattente.mp3", "Attendez, je vous mets en attente.", false},
    {"greeting5.png", "uninstant.mp3", "Ouais, un instant, là.", false},
    {"greeting6.png", "vousaider.mp3", "Je ne peux pas vous aider. Appelez ailleurs.", false},
    {"greeting7.png", "daide.mp3", "Cabinet dentaire des Érables, bonjour ! Avez-vous besoin d'aide ?", true},
    {"greeting8.png", "calendrier.mp3", "Euh, je n'ai pas le calendrier. Rappelez demain.", false},
};

constexpr Greeting kEnglishCards[kCardCount] = {
    {"greeting_1_EN.png", "audio_english_1.mp3", "Good morning, Maple Dental Clinic. How may I help you?", true},
    {"greeting_2_EN.png", "audio_english_2.mp3", "Yeah? Who is this?", false},
    {"greeting_3_EN.png", "audio_english_3.mp3", "She's not here. Call back later.", false},
    {"greeting_4_EN.png", "audio_english_4.mp3", "Hang on, I'm busy.", false},
    {"greeting_5_EN.png", "audio_english_5.mp3",
     "The doctor is with a patient right now. May I take a message?", true},
    {"greeting_6_EN.png", "audio_english_6.mp3", "What do you want?", false},
    {"greeting_7_EN.png", "audio_english_7.mp3", "I don't know. I just answer the phone.", false},
    {"greeting_8_EN.png", "audio_english_8.mp3", "Thank you for holding. How can I help you today?", true},
};

// The examples, in the order of their places on the sheet (left column top
// to bottom, then the right one). The first two French ones are the
// receptionist answering with her own name.
constexpr Example kFrenchExamples[kExampleCount] = {
    {"juliealappareil.mp3", "Cabinet dentaire des Érables, Julie à l'appareil. Bonjour !", true},
    {"icijulie.mp3", "Bonjour, ici Julie, à la réception. Que puis-je faire pour vous ?", true},
    {"prendreunmessage.mp3", "Elle est absente. Voulez-vous laisser un message ?", true},
    {"bonjour1.mp3", "Bonjour, cabinet dentaire, je vous écoute.", true},
    {"veuxtudelaide.mp3", "Salut ! Tu veux de l'aide ?", false},
    {"pasici.mp3", "Pas ici. Bye.", false},
};
constexpr Example kEnglishExamples[kExampleCount] = {
    {"helloyouvereached.mp3", "Hello, you've reached Maple Dental Clinic. This is Julie speaking.", true},
    {"goodmorning.mp3", "Good morning, Maple Dental Clinic. How can I help you?", true},
    {"imsorry.mp3", "I'm sorry, the doctor is busy. Can I take a message?", true},
    {"hello.mp3", "Hello?", false},
    {"hicanihelpyou.mp3", "Hi. What do you need?", false},
    {"sorryshesnothere.mp3", "Sorry, she's not here.", false},
};

// One of the two games' sets.
struct Language {
    const Greeting* cards;
    const Example* examples;
    bool english;           // the cards and the examples speak English
    const char* overlay;    // the intro sheet
    const char* chosenTag;  // beside a card pressed during play: chosen, not yet judged
    const char* chosenWord; // what that tag says (UTF-8)
};
constexpr Language kFrench = {kFrenchCards, kFrenchExamples, false, "greetings_overlay.png", "chosen.png", "Choisie"};
constexpr Language kEnglish = {kEnglishCards, kEnglishExamples, true, "greetings_overlay_english.png", "chosen_en.png",
                               "Chosen"};

// The blank side of every card, and the review's tag on the acceptable ones.
constexpr const char* kBlankCard = "greeting_empty.png";
constexpr const char* kAcceptableTag = "acceptable.png";
// The tag and the review's stamp stand at the card's top right corner.
constexpr int kTagDx = 168, kTagDy = -50;
// The examples' places, from the middle of the view; the sheet is drawn
// at (-9, -13) from the middle.
constexpr int kExampleDx[kExampleCount] = {-233, -233, -233, 207, 207, 207};
constexpr int kExampleDy[kExampleCount] = {-179, -4, 172, -179, -4, 172};
constexpr int kSheetDx = -9, kSheetDy = -13;

}  // namespace Greetings
