#pragma once
#include "minigames/dentist/DentistOffice.h"

// The office's staff with their extensions, and the six calls to put
// through. The game judges the dialled digits from these tables, the
// organisation chart and the callers' cards are drawn from them and the
// recordings say what they say, so a chart, a card and a recording can
// never send the learner to another extension than the one judged right.
namespace CallTransfers {

// The staff, their departments and extensions are the office's own.
using namespace DentistOffice;

// One call: the caller's card, its recording and who the caller must be put
// through to. Call k shows strip picture k + 1; picture 7 shows all done.
struct Call {
    const char* picture;
    const char* recording;
    Person person;
    const char* request;  // the card's words and the recording's (UTF-8)
};

constexpr int kCallCount = 6;
constexpr Call kCalls[kCallCount] = {
    {"message1_8_1.png", "Intro1_8.mp3", PERSON_MARCHESSAULT,
     "Bonjour, ici Gabriel Fortier. Je voudrais parler à la docteure Marchessault, s'il vous plaît."},
    {"message1_8_2.png", "message1_8_b.mp3", PERSON_BRISEBOIS,
     "Bonjour, c'est Annie Desrochers. Le docteur Brisebois m'a demandé de le rappeler au sujet de ma couronne."},
    {"message1_8_3.png", "message1_8_c.mp3", PERSON_FERLAND,
     "Allô, je voudrais prendre rendez-vous avec l'hygiéniste pour un nettoyage des dents."},
    {"message1_8_4.png", "message1_8_d.mp3", PERSON_ON_CALL,
     "Bonsoir, j'ai très mal à une dent depuis hier et ma joue a enflé. C'est une urgence !"},
    {"message1_8_5.png", "message1_8_e.mp3", PERSON_PAQUETTE,
     "Bonjour, j'ai une question sur ma facture : mon assurance dentaire n'a pas tout payé."},
    {"message1_8_6.png", "message1_8_f.mp3", PERSON_SAUVE,
     "Bonjour, ici Pierre-Luc Benoît, des Fournitures Boréal. Je dois parler à la directrice du bureau, "
     "madame Sauvé."},
};

// After the last call the first card and the intro come back.
constexpr const char* kIntro = "Intro1_8.mp3";
// What the intro says before it plays the first call (UTF-8).
constexpr const char* kIntroText =
    "Vous êtes à la réception du cabinet. Six personnes vont appeler. Pour chaque appel, trouvez sur "
    "l'organigramme la personne demandée, puis composez son numéro de poste sur le clavier du téléphone. "
    "Pour voir l'organigramme, cliquez sur le bouton des consignes. Pour réentendre un appel, cliquez sur le "
    "point d'interrogation. Voici le premier appel.";

// In the instructions view the digit keys 0 to 6 speak again: the six calls,
// then a reminder; keys 7 to 9 say nothing.
constexpr const char* kReminder = "message1_8_g.mp3";
constexpr const char* kReminderText =
    "Sur l'organigramme, chaque personne a son numéro de poste. Composez ce numéro chiffre par chiffre. "
    "Attention : un seul mauvais chiffre, et l'appel est perdu.";
constexpr const char* kExplorerSounds[10] = {
    kCalls[0].recording, kCalls[1].recording, kCalls[2].recording, kCalls[3].recording, kCalls[4].recording,
    kCalls[5].recording, kReminder,           nullptr,             nullptr,             nullptr,
};

constexpr const char* Extension(int call) { return kStaff[kCalls[call].person].extension; }

}  // namespace CallTransfers
