#pragma once
#include "minigames/dentist/DentistOffice.h"

// The office's fax machine: where its parts are, its keypad, and the
// number the fax goes to. The game hit-tests from these tables and the
// picture of the machine is drawn from them, so a key is drawn where a
// click dials it. Positions are pixels from the view's centre, where the
// machine stands (drawn at its file size).
namespace FaxMachine {

struct Offset {
    int dx, dy;
};

// The document lies on the feeder when its centre is within 100 pixels
// (each way) of this point.
constexpr Offset kFeeder = {-31, 33};
// The send key ("Envoi") and the stop key ("Arrêt"), which clears the
// number being dialled. Both answer on their whole cap, 60 x 36.
constexpr Offset kSendKey = {128, 128};
constexpr Offset kStopKey = {210, 128};
constexpr int kControlKeyHalfWidth = 30, kControlKeyTop = -19, kControlKeyBottom = 17;
constexpr Offset kDisplay = {170, -112};
// The document waits on the desk, face up, left of the machine.
constexpr Offset kDocumentStart = {-470, 150};

// The number of the dental laboratory's fax, as it is dialled.
constexpr const char* kNumber = DentistOffice::kLabFaxDigits;
constexpr int kDigitCount = 10;

struct Key {
    char digit;
    Offset at;
    const char* sound;  // the digit spoken as it is pressed
};

constexpr int kKeyCount = 10;
// Three columns 50 apart, rows 42 apart: a key takes clicks 20 pixels
// around it, so no click can dial two keys.
constexpr Key kKeys[kKeyCount] = {
    {'1', {120, -50}, "nr1.mp3"}, {'2', {170, -50}, "nr2.mp3"}, {'3', {220, -50}, "nr3.mp3"},
    {'4', {120, -8}, "nr4.mp3"},  {'5', {170, -8}, "nr5.mp3"},  {'6', {220, -8}, "nr6.mp3"},
    {'7', {120, 34}, "nr7.mp3"},  {'8', {170, 34}, "nr8.mp3"},  {'9', {220, 34}, "nr9.mp3"},
    {'0', {170, 76}, "nr0.mp3"},
};
// Spoken digits, 0 to 9.
constexpr const char* kDigitWords[10] = {"zéro", "un",   "deux", "trois", "quatre",
                                         "cinq", "six",  "sept", "huit",  "neuf"};
// The keypad's last row beside the 0: "*" and "#" dial as on any keypad
// (they are tones a switchboard reads), so they go into the number too.
constexpr int kSignKeyCount = 2;
struct SignKey {
    Key key;
    const char* words;  // what its sound says (UTF-8)
};
constexpr SignKey kSignKeys[kSignKeyCount] = {
    {{'*', {120, 76}, "nrEtoile.mp3"}, "étoile"},
    {{'#', {220, 76}, "nrCarre.mp3"}, "carré"},
};

// What the machine says when Envoi cannot send, or has sent to a number
// that is not the laboratory's: shown on its screen (Latin-1, as GLUT
// draws it) and spoken.
enum Notice { NOTICE_NONE = -1, NOTICE_NO_DOCUMENT = 0, NOTICE_NO_NUMBER, NOTICE_WRONG_NUMBER, kNoticeCount };
struct NoticeInfo {
    const char* screen;
    const char* recording;
    const char* spoken;  // UTF-8
};
constexpr NoticeInfo kNotices[kNoticeCount] = {
    {"Pas de document", "faxPasDeDocument.mp3",
     "Il n'y a pas de document dans le chargeur. Glissez d'abord le document dans le chargeur, puis appuyez sur "
     "Envoi."},
    {"Entrez le num\xE9ro", "faxPasDeNumero.mp3",
     "Aucun numéro n'est composé. Composez d'abord le numéro du laboratoire sur le clavier, puis appuyez sur "
     "Envoi."},
    {"Mauvais num\xE9ro", "faxMauvaisNumero.mp3",
     "Ce n'est pas le bon numéro. Le télécopieur du laboratoire est le sept cent cinq, deux cent trente-deux, "
     "vingt-trois, trente-deux."},
};

// The parts a learner explores before playing.
enum Part { PART_KEYPAD = 0, PART_DOCUMENT, PART_DISPLAY, PART_SEND, kPartCount };
struct PartInfo {
    Offset at;  // the document's is where it waits
    const char* explanation;
    const char* explains;  // what it says (UTF-8)
};
constexpr PartInfo kParts[kPartCount] = {
    {{170, 13}, "clavier.mp3",
     "Le clavier. On y compose le numéro du télécopieur qui va recevoir le document, avec l'indicatif régional. "
     "Une erreur ? La touche Arrêt efface le numéro : composez-le de nouveau."},
    {kDocumentStart, "document.mp3",
     "Le document à envoyer. Retournez-le face vers le bas, puis glissez-le dans le chargeur du télécopieur."},
    {kDisplay, "ecran.mp3",
     "L'écran. Il montre le numéro composé : vérifiez-le avant d'envoyer."},
    {kSendKey, "envoiTelecopie.mp3", "La touche Envoi. Elle envoie le document au numéro composé."},
};

}  // namespace FaxMachine
