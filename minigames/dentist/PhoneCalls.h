#pragma once
#include "minigames/dentist/DentistOffice.h"

// The calls the receptionist answers: the greetings, and for each of the
// four calls of each game the caller's question, the three replies and the
// reference sheet that holds the answer. The game judges from these
// tables, the pictures print the sheets and the bubble from them, and the
// voices say the same words, so a sheet never disagrees with the reply the
// game takes for right.
namespace PhoneCalls {

constexpr int kCallCount = 4;
constexpr int kChoiceCount = 3;
constexpr int kPointCount = 2 * kCallCount;  // a greeting and a reply per call
constexpr int kSheetRows = 6;

// One item of a list: its words as the list prints them, the recording
// heard when the pointer moves onto it, and what that recording says.
struct Choice {
    const char* text;       // printed in the list (UTF-8)
    const char* recording;  // heard on hover
    const char* spoken;     // the recording's words, numbers as words (UTF-8)
    // The words of the reference sheet this reply rests on; null for a
    // reply that states nothing the sheet shows.
    const char* claim;
};

// The same three greetings open every call; the first one, which names the
// office, the dentist and the receptionist, is the right one.
constexpr int kRightGreeting = 0;
constexpr Choice kGreetings[kChoiceCount] = {
    {"Cabinet dentaire des Érables, ici Julie. Bonjour !", "salutationComplete.mp3",
     "Cabinet dentaire des Érables, ici Julie. Bonjour !", nullptr},
    {"Bonjour !", "salutationBonjour.mp3", "Bonjour !", nullptr},
    {"Bureau du dentiste !", "salutationBureau.mp3", "Bureau du dentiste !", nullptr},
};

// How a reference sheet looks: each is a document of its own kind.
enum SheetLook {
    LOOK_HOURS_SIGN = 0,  // the opening hours on the door's sign
    LOOK_EXTENSIONS,      // the list of extensions by the telephone
    LOOK_IN_OUT_BOARD,    // who is in today
    LOOK_DIRECTORY,       // a page of the telephone directory
    LOOK_SCHEDULE,        // a colleague's week
    LOOK_APPOINTMENTS,    // today's appointment book
    LOOK_PAY_SHEET,       // the salary sheet
};

struct Row {
    const char* label;
    const char* value;
};

// A reference sheet: its title and rows as printed; `answerRow` is the row
// the right reply reads.
struct Sheet {
    const char* picture;
    SheetLook look;
    const char* title;
    Row rows[kSheetRows];  // unused rows have a null label
    int answerRow;
};

struct Call {
    const char* question;  // the caller's recording
    const char* asked;     // its words, as written in the bubble (UTF-8)
    const char* said;      // the same words as the recording says them
    Sheet sheet;
    Choice replies[kChoiceCount];
    int rightReply;
};

// What tells one game of calls from the other.
struct CallGame {
    const char* intro;
    const char* taskCard;
    const char* progressStrip;  // printf pattern, pictures 1 to 6
    bool quietBeforeReward;     // the sound in progress stops before each reward
    Call calls[kCallCount];
};

// Everyday calls: hours, a transfer, an absent colleague, a number.
constexpr CallGame kEverydayCalls = {
    "Intro1_7.mp3",
    "consigne1_7.png",
    "minijeu1_7progress%d.png",
    false,
    {
        {"quellesontvosheuresdouverture.mp3",
         "Bonjour ! Quelles sont vos heures d'ouverture ?",
         "Bonjour ! Quelles sont vos heures d'ouverture ?",
         {"HoursOfOperation.png",
          LOOK_HOURS_SIGN,
          "Heures d'ouverture",
          {{DentistOffice::kOpenDays, DentistOffice::kHours}, {"Samedi", "Fermé"}, {"Dimanche", "Fermé"}},
          0},
         {{"Nous sommes ouverts du lundi au vendredi, de 8\u00A0h\u00A030 à 17\u00A0h.", "reponse1_7a1.mp3",
           "Nous sommes ouverts du lundi au vendredi, de huit heures trente à dix-sept heures.", DentistOffice::kHours},
          {"Pourriez-vous rappeler plus tard ? Je suis occupée en ce moment.", "reponse1_7a2.mp3",
           "Pourriez-vous rappeler plus tard ? Je suis occupée en ce moment.", nullptr},
          {"Les heures sont affichées sur le site Web.", "reponse1_7a3.mp3",
           "Les heures sont affichées sur le site Web.", nullptr}},
         0},
        {"appel1_7b.mp3",
         "Bonjour, je voudrais parler à Nadia Ferland, s'il vous plaît.",
         "Bonjour, je voudrais parler à Nadia Ferland, s'il vous plaît.",
         {"extenstionNumbers.png",
          LOOK_EXTENSIONS,
          "Numéros de poste",
          {{"Dre Hélène Marchessault", "poste 11"},
           {"Dr Olivier Brisebois", "poste 12"},
           {"Nadia Ferland", "poste 13"},
           {"Élodie Vachon", "poste 14"},
           {"Julien Paquette", "poste 41"}},
          2},
         {{"Je vous transfère à Nadia Ferland, au poste 11.", "reponse1_7b1.mp3",
           "Je vous transfère à Nadia Ferland, au poste onze.", "poste 11"},
          {"Je vous transfère à Nadia Ferland, au poste 12.", "reponse1_7b2.mp3",
           "Je vous transfère à Nadia Ferland, au poste douze.", "poste 12"},
          {"Je vous transfère à Nadia Ferland, au poste 13.", "reponse1_7b3.mp3",
           "Je vous transfère à Nadia Ferland, au poste treize.", "poste 13"}},
         2},
        {"appel1_7c.mp3",
         "Bonjour, est-ce qu'Élodie Vachon est là aujourd'hui ?",
         "Bonjour, est-ce qu'Élodie Vachon est là aujourd'hui ?",
         {"InOrOut.png",
          LOOK_IN_OUT_BOARD,
          "Qui est là aujourd'hui ?",
          {{"Dre Hélène Marchessault", "Présente"},
           {"Dr Olivier Brisebois", "Présent"},
           {"Élodie Vachon", "Absente, en formation"},
           {"Nadia Ferland", "Présente"}},
          2},
         {{"Elle n'est pas ici aujourd'hui. Est-ce que je peux prendre un message ?", "reponse1_7c1.mp3",
           "Elle n'est pas ici aujourd'hui. Est-ce que je peux prendre un message ?", "Absente"},
          {"Elle n'est pas ici.", "reponse1_7c2.mp3", "Elle n'est pas ici.", nullptr},
          {"Non, elle est malade avec un gros rhume.", "reponse1_7c3.mp3",
           "Non, elle est malade avec un gros rhume.", "malade"}},
         0},
        {"appel1_7d.mp3",
         "Pourriez-vous me donner le numéro du docteur Paul Martin ?",
         "Pourriez-vous me donner le numéro du docteur Paul Martin ?",
         {"YellowPages.png",
          LOOK_DIRECTORY,
          "Médecins",
          {{"Dr Paul Martin", "(705) 969-4774"},
           {"Dre Anne Martel", "(705) 566-0975"},
           {"Dr Pierre Marin", "(705) 523-5500"},
           {"Dre Josée Massé", "(705) 674-2210"}},
          0},
         {{"Le numéro du Dr Martin est le (705) 969-4774.", "reponse1_7d1.mp3",
           "Le numéro du docteur Martin est le sept cent cinq, neuf cent soixante-neuf, quarante-sept, "
           "soixante-quatorze.",
           "(705) 969-4774"},
          {"Le numéro du Dr Martin est le (705) 566-0975.", "reponse1_7d2.mp3",
           "Le numéro du docteur Martin est le sept cent cinq, cinq cent soixante-six, zéro neuf, "
           "soixante-quinze.",
           "(705) 566-0975"},
          {"Le numéro du Dr Martin est le (705) 523-5500.", "reponse1_7d3.mp3",
           "Le numéro du docteur Martin est le sept cent cinq, cinq cent vingt-trois, cinquante-cinq, "
           "zéro zéro.",
           "(705) 523-5500"}},
         0},
    },
};

// Calls that need reading a sheet: hours, a schedule, the appointment
// book, a salary.
constexpr CallGame kSheetCalls = {
    "Intro1_10.mp3",
    "consigne1_10.png",
    "minijeu1_10progress%d.png",
    true,
    {
        {"quellesontvosheuresdouverture.mp3",
         "Bonjour ! Quelles sont vos heures d'ouverture ?",
         "Bonjour ! Quelles sont vos heures d'ouverture ?",
         {"Ouverture.png",
          LOOK_HOURS_SIGN,
          "Heures d'ouverture",
          {{DentistOffice::kOpenDays, DentistOffice::kHours}, {"Samedi", "Fermé"}, {"Dimanche", "Fermé"}},
          0},
         {{"Du lundi au vendredi, de 8\u00A0h\u00A030 à 15\u00A0h.", "reponse1_10a1.mp3",
           "Du lundi au vendredi, de huit heures trente à quinze heures.", "8\u00A0h\u00A030 à 15\u00A0h"},
          {"Du lundi au vendredi, de 8\u00A0h\u00A030 à 17\u00A0h.", "reponse1_10a2.mp3",
           "Du lundi au vendredi, de huit heures trente à dix-sept heures.", DentistOffice::kHours},
          {"Du lundi au vendredi, de 8\u00A0h\u00A030 à 19\u00A0h.", "reponse1_10a3.mp3",
           "Du lundi au vendredi, de huit heures trente à dix-neuf heures.", "8\u00A0h\u00A030 à 19\u00A0h"}},
         1},
        {"appel1_10b.mp3",
         "Est-ce que Nadia Ferland est libre mardi à 16\u00A0h ?",
         "Est-ce que Nadia Ferland est libre mardi à seize heures ?",
         {"horaire.png",
          LOOK_SCHEDULE,
          "Horaire de Nadia Ferland",
          {{"Lundi 16\u00A0h", "Libre"},
           {"Mardi 14\u00A0h", "Libre"},
           {"Mardi 16\u00A0h", "Occupée : réunion"},
           {"Mercredi 16\u00A0h", "Libre"},
           {"Jeudi 16\u00A0h", "Congé"}},
          2},
         {{"Oui, Nadia est libre mardi à 16\u00A0h.", "reponse1_10b1.mp3",
           "Oui, Nadia est libre mardi à seize heures.", "Libre"},
          {"Nadia ne travaille pas le mardi.", "reponse1_10b2.mp3", "Nadia ne travaille pas le mardi.", "Congé"},
          {"Non, Nadia n'est pas libre mardi à 16\u00A0h.", "reponse1_10b3.mp3",
           "Non, Nadia n'est pas libre mardi à seize heures.", "Occupée"}},
         2},
        {"appel1_10c.mp3",
         "Bonjour, c'est Luc Bergeron. Est-ce que j'ai un rendez-vous aujourd'hui ?",
         "Bonjour, c'est Luc Bergeron. Est-ce que j'ai un rendez-vous aujourd'hui ?",
         {"verify.png",
          LOOK_APPOINTMENTS,
          "Rendez-vous d'aujourd'hui",
          {{"9\u00A0h", "Diane Caron"},
           {"10\u00A0h\u00A030", "Marie Dubé"},
           {"13\u00A0h", "Paul Nadeau"},
           {"14\u00A0h\u00A030", "Luc Bergeron"},
           {"15\u00A0h\u00A030", "Éric Lavoie"}},
          3},
         {{"Non.", "reponse1_10c1.mp3", "Non.", nullptr},
          {"Oui, vous avez un rendez-vous ce matin, à 10\u00A0h\u00A030.", "reponse1_10c2.mp3",
           "Oui, vous avez un rendez-vous ce matin, à dix heures trente.", "10\u00A0h\u00A030"},
          {"Oui, vous avez un rendez-vous cet après-midi, à 14\u00A0h\u00A030.", "reponse1_10c3.mp3",
           "Oui, vous avez un rendez-vous cet après-midi, à quatorze heures trente.", "14\u00A0h\u00A030"}},
         2},
        {"QuoiSalaire.mp3",
         "Quel est le salaire pour une semaine de travail ?",
         "Quel est le salaire pour une semaine de travail ?",
         {"salaire.png",
          LOOK_PAY_SHEET,
          "Feuille de salaire",
          {{"Poste", "Réceptionniste"},
           {"Taux horaire", "14,00\u00A0$"},
           {"Heures par semaine", "40"},
           {"Salaire par semaine", "560,00\u00A0$"}},
          3},
         {{"560,00\u00A0$ par semaine.", "reponse1_10d1.mp3", "Cinq cent soixante dollars par semaine.", "560"},
          {"800,00\u00A0$ par semaine.", "reponse1_10d2.mp3", "Huit cents dollars par semaine.", "800"},
          {"1\u00A0200,00\u00A0$ par semaine.", "reponse1_10d3.mp3", "Mille deux cents dollars par semaine.", "1\u00A0200"}},
         0},
    },
};

}  // namespace PhoneCalls
