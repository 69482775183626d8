#pragma once

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
    {"Cabinet dentaire du Dr Gagnon, ici Julie. Bonjour!", "salutationComplete.mp3",
     "Cabinet dentaire du docteur Gagnon, ici Julie. Bonjour!", nullptr},
    {"Bonjour!", "salutationBonjour.mp3", "Bonjour!", nullptr},
    {"Bureau du dentiste!", "salutationBureau.mp3", "Bureau du dentiste!", nullptr},
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
         "Bonjour! Quelles sont vos heures d'ouverture?",
         "Bonjour! Quelles sont vos heures d'ouverture?",
         {"HoursOfOperation.png",
          LOOK_HOURS_SIGN,
          "Heures d'ouverture",
          {{"Lundi au vendredi", "9 h à 17 h"}, {"Samedi", "Fermé"}, {"Dimanche", "Fermé"}},
          0},
         {{"Nous sommes ouverts du lundi au vendredi, de 9 h a 17 h.", "reponse1_7a1.mp3",
           "Nous sommes ouverts du lundi au vendredi, de neuf heures à dix-sept heures.", "17 h"},
          {"Pourriez-vous rappeler plus tard, je suis occupee a l'instant?", "reponse1_7a2.mp3",
           "Pourriez-vous rappeler plus tard, je suis occupée à l'instant?", nullptr},
          {"Les heures sont affichees sur le site Web.", "reponse1_7a3.mp3",
           "Les heures sont affichées sur le site Web.", nullptr}},
         0},
        {"appel1_7b.mp3",
         "Bonjour, je voudrais parler à Sophie Roy, s'il vous plaît.",
         "Bonjour, je voudrais parler à Sophie Roy, s'il vous plaît.",
         {"extenstionNumbers.png",
          LOOK_EXTENSIONS,
          "Numéros de poste",
          {{"Dr Luc Gagnon, dentiste", "poste 1"},
           {"Marc Leblanc, hygiéniste", "poste 2"},
           {"Sophie Roy, hygiéniste", "poste 3"},
           {"Réception", "poste 0"}},
          2},
         {{"Je vous transfere a Sophie Roy, au poste 1.", "reponse1_7b1.mp3",
           "Je vous transfère à Sophie Roy, au poste un.", "poste 1"},
          {"Je vous transfere a Sophie Roy, au poste 2.", "reponse1_7b2.mp3",
           "Je vous transfère à Sophie Roy, au poste deux.", "poste 2"},
          {"Je vous transfere a Sophie Roy, au poste 3.", "reponse1_7b3.mp3",
           "Je vous transfère à Sophie Roy, au poste trois.", "poste 3"}},
         2},
        {"appel1_7c.mp3",
         "Bonjour, est-ce que Nadia Cloutier est là aujourd'hui?",
         "Bonjour, est-ce que Nadia Cloutier est là aujourd'hui?",
         {"InOrOut.png",
          LOOK_IN_OUT_BOARD,
          "Qui est là aujourd'hui?",
          {{"Dr Luc Gagnon", "Présent"},
           {"Marc Leblanc", "Présent"},
           {"Nadia Cloutier", "Absente, en formation"},
           {"Sophie Roy", "Présente"}},
          2},
         {{"Elle n'est pas ici aujourd'hui. Est-ce que je peux prendre un message?", "reponse1_7c1.mp3",
           "Elle n'est pas ici aujourd'hui. Est-ce que je peux prendre un message?", "Absente"},
          {"Elle n'est pas ici.", "reponse1_7c2.mp3", "Elle n'est pas ici.", nullptr},
          {"Non, elle est malade avec un gros rhume.", "reponse1_7c3.mp3",
           "Non, elle est malade avec un gros rhume.", "malade"}},
         0},
        {"appel1_7d.mp3",
         "Pourriez-vous me donner le numéro du docteur Paul Martin?",
         "Pourriez-vous me donner le numéro du docteur Paul Martin?",
         {"YellowPages.png",
          LOOK_DIRECTORY,
          "Médecins",
          {{"Dr Paul Martin", "(705) 969-4774"},
           {"Dr Anne Martel", "(705) 566-0975"},
           {"Dr Pierre Marin", "(705) 523-5500"},
           {"Dr Josée Massé", "(705) 674-2210"}},
          0},
         {{"Le numero du Dr Martin est le (705) 969-4774.", "reponse1_7d1.mp3",
           "Le numéro du docteur Martin est le sept cent cinq, neuf cent soixante-neuf, quarante-sept, "
           "soixante-quatorze.",
           "(705) 969-4774"},
          {"Le numero du Dr Martin est le (705) 566-0975.", "reponse1_7d2.mp3",
           "Le numéro du docteur Martin est le sept cent cinq, cinq cent soixante-six, zéro neuf, "
           "soixante-quinze.",
           "(705) 566-0975"},
          {"Le numero du Dr Martin est le (705) 523-5500.", "reponse1_7d3.mp3",
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
         "Bonjour! Quelles sont vos heures d'ouverture?",
         "Bonjour! Quelles sont vos heures d'ouverture?",
         {"Ouverture.png",
          LOOK_HOURS_SIGN,
          "Heures d'ouverture",
          {{"Lundi au jeudi", "8:30am à 4:30pm"}, {"Vendredi", "Fermé"}, {"Fin de semaine", "Fermé"}},
          0},
         {{"Du lundi au jeudi de 8:30am a 2:30pm.", "reponse1_10a1.mp3",
           "Du lundi au jeudi, de huit heures trente à deux heures trente de l'après-midi.", "2:30pm"},
          {"Du lundi au jeudi de 8:30am a 4:30pm.", "reponse1_10a2.mp3",
           "Du lundi au jeudi, de huit heures trente à quatre heures trente de l'après-midi.", "4:30pm"},
          {"Du lundi au jeudi de 8:30am a 6:30pm.", "reponse1_10a3.mp3",
           "Du lundi au jeudi, de huit heures trente à six heures trente du soir.", "6:30pm"}},
         1},
        {"appel1_10b.mp3",
         "Est-ce que Marc Leblanc est libre mardi à 6:00pm?",
         "Est-ce que Marc Leblanc est libre mardi à six heures du soir?",
         {"horaire.png",
          LOOK_SCHEDULE,
          "Horaire de Marc Leblanc",
          {{"Lundi 6:00pm", "Libre"},
           {"Mardi 4:00pm", "Libre"},
           {"Mardi 6:00pm", "Occupé: réunion"},
           {"Mercredi 6:00pm", "Libre"},
           {"Jeudi 6:00pm", "Congé"}},
          2},
         {{"Oui, Marc est libre mardi a 6:00pm.", "reponse1_10b1.mp3",
           "Oui, Marc est libre mardi à six heures du soir.", "Libre"},
          {"Marc ne travaille pas le mardi.", "reponse1_10b2.mp3", "Marc ne travaille pas le mardi.", "Congé"},
          {"Non, Marc n'est pas libre mardi a 6:00pm.", "reponse1_10b3.mp3",
           "Non, Marc n'est pas libre mardi à six heures du soir.", "Occupé"}},
         2},
        {"appel1_10c.mp3",
         "Salut, c'est Luc Bergeron. Est-ce que j'ai un rendez-vous aujourd'hui?",
         "Salut, c'est Luc Bergeron. Est-ce que j'ai un rendez-vous aujourd'hui?",
         {"verify.png",
          LOOK_APPOINTMENTS,
          "Rendez-vous d'aujourd'hui",
          {{"9:00am", "Julie Caron"},
           {"10:30am", "Marie Dubé"},
           {"1:00pm", "Paul Nadeau"},
           {"2:30pm", "Luc Bergeron"},
           {"3:30pm", "Éric Lavoie"}},
          3},
         {{"Non.", "reponse1_10c1.mp3", "Non.", nullptr},
          {"Oui, tu as un rendez-vous ce matin.", "reponse1_10c2.mp3", "Oui, tu as un rendez-vous ce matin.",
           "am"},
          {"Oui, tu as un rendez-vous cette apres-midi.", "reponse1_10c3.mp3",
           "Oui, tu as un rendez-vous cet après-midi.", "pm"}},
         2},
        {"QuoiSalaire.mp3",
         "Quel est le salaire pour une semaine de travail?",
         "Quel est le salaire pour une semaine de travail?",
         {"salaire.png",
          LOOK_PAY_SHEET,
          "Feuille de salaire",
          {{"Poste", "Réceptionniste"},
           {"Taux horaire", "14 $"},
           {"Heures par semaine", "40"},
           {"Salaire par semaine", "560 $"}},
          3},
         {{"560$ par semaine.", "reponse1_10d1.mp3", "Cinq cent soixante dollars par semaine.", "560"},
          {"800$ par semaine.", "reponse1_10d2.mp3", "Huit cents dollars par semaine.", "800"},
          {"1200$ par semaine.", "reponse1_10d3.mp3", "Mille deux cents dollars par semaine.", "1200"}},
         0},
    },
};

}  // namespace PhoneCalls
