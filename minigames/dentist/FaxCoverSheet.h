#pragma once
#include "minigames/dentist/DentistOffice.h"

// The fax cover sheet: its nine fields and the nine paper snippets that
// fill them. The game places the fields and the snippets and judges the
// drops from this table; the desk picture prints the fields from it and
// each snippet picture prints its own words, so a snippet always says what
// its field asks for. The two numbers are cut from the laboratory's
// letterhead with its labels, "Tél." and "Téléc.", so that they can be
// told apart as on any letterhead.
namespace FaxCoverSheet {

// Positions are pixels of the 1362 x 726 reference layout, stretched over
// the view.
constexpr int kReferenceWidth = 1362;
constexpr int kReferenceHeight = 726;

// The sheet on the desk, and where the snippets wait before the game.
constexpr int kSheetLeft = 90, kSheetTop = 92, kSheetRight = 770, kSheetBottom = 716;
// A snippet is drawn at this scale from its 512 x 64 picture.
constexpr float kSnippetScale = 1.5f;
// A slot's picture, of the same size, is 384 x 48 on screen: a snippet let
// go with its centre within it snaps into that slot.
constexpr int kSlotReachX = 192, kSlotReachY = 24;

constexpr int kFieldCount = 9;

struct Field {
    const char* label;        // printed on the sheet (UTF-8)
    int x, y;                 // where the snippet's centre belongs
    const char* explanation;  // spoken when the learner explores the field
    const char* explains;     // what it says (UTF-8)
    const char* snippet;      // the snippet's picture
    const char* words;        // printed on the snippet (UTF-8)
    int startX, startY;       // where the snippet lies when the game starts
    bool wide;                // a long value: the sheet's slot is wider
};

constexpr Field kFields[kFieldCount] = {
    {"À :", 545, 232, "entreprise.mp3",
     "À : le nom de l'entreprise qui reçoit la télécopie.", "CompanyName.png", DentistOffice::kLabName, 1010,
     526, false},
    {"Adresse :", 545, 287, "address.mp3",
     "Adresse : l'adresse de l'entreprise qui reçoit la télécopie : le numéro, la rue et la ville.", "address.png",
     DentistOffice::kLabAddress, 1100, 130, true},
    {"Télécopieur :", 545, 342, "telecopie.mp3",
     "Télécopieur : le numéro du télécopieur qui va recevoir la télécopie.", "faxNumber.png",
     "Téléc. : (705) 232-2332", 1000, 394, false},
    {"Téléphone :", 545, 397, "phonedestinaire.mp3",
     "Téléphone : le numéro de téléphone de la personne qui reçoit la télécopie, pour l'appeler en cas de "
     "problème.",
     "phoneNumber.png", "Tél. : (705) 232-2300", 1100, 658, false},
    {"De :", 545, 452, "delapartdetelecopie.mp3",
     "De : le nom de la personne qui envoie la télécopie. C'est vous, la réceptionniste du cabinet.",
     "tornPaper.png", "Julie Tremblay, Cabinet dentaire des Érables", 1090, 262, true},
    {"Date :", 545, 507, "date.mp3", "Date : le jour où vous remplissez ce papier.", "le17novembre.png",
     "le 17 novembre", 1010, 196, false},
    {"Nombre de pages :", 545, 562, "numberOfPages.mp3",
     "Nombre de pages : combien de feuilles sont envoyées, avec celle-ci.", "six.png", "6", 1110, 460, false},
    {"Objet :", 545, 617, "objet.mp3", "Objet : le sujet de la télécopie, en quelques mots.",
     "RencontreDeDemain.png", "Rencontre de demain", 1000, 592, false},
    {"Commentaires :", 545, 672, "commentaires.mp3",
     "Commentaires : un court message pour la personne qui reçoit la télécopie.", "messageBonjour.png",
     "Bonjour ! Voici l'ordre du jour de la rencontre.", 1100, 328, true},
};

}  // namespace FaxCoverSheet
