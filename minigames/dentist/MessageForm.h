#pragma once

// The telephone-message pad and the four recorded messages taken down on
// it (two in French, two in English). The game judges the form from these
// tables, the pads are drawn from their targets, and the recordings are
// spoken from the same right entries, so what a caller says is always what
// the game counts as right.
namespace MessageForm {

// The seven drop-down lists, in the order the form names them when one is
// open.
enum List {
    LIST_DATE = 0,
    LIST_TIME,
    LIST_RECIPIENT,
    LIST_CALLER,
    LIST_YOUR_NAME,
    LIST_MESSAGE,
    LIST_PHONE,
    kListCount
};
constexpr int kNoList = 9;  // no list open

constexpr int kItemsPerList = 5;  // the last is always "Aucun"
constexpr int kNone = kItemsPerList - 1;
constexpr const char* kNothing = "Aucun";
// The your-name list offers the learner's own login at this place.
constexpr int kLoginItem = 2;

// One entry of a list: as written on the form and as each voice says it
// (numbers and times in words), all UTF-8.
struct Item {
    const char* text;
    const char* french;
    const char* english;
};

constexpr Item kDates[kItemsPerList] = {
    {"le 8 mars", "le huit mars", "March eighth"},
    {"le 4 octobre", "le quatre octobre", "October fourth"},
    {"le 8 octobre", "le huit octobre", "October eighth"},
    {"le 2 février", "le deux février", "February second"},
    {"Aucun", "", ""},
};
constexpr Item kTimes[kItemsPerList] = {
    {"9\u00A0h", "neuf heures", "nine o'clock"},
    {"11\u00A0h", "onze heures", "eleven o'clock"},
    {"13\u00A0h", "treize heures", "one o'clock in the afternoon"},
    {"15\u00A0h", "quinze heures", "three o'clock in the afternoon"},
    {"Aucun", "", ""},
};
// The office's staff.
constexpr Item kRecipients[kItemsPerList] = {
    {"Dre Marchessault", "la docteure Marchessault", "Doctor Marchessault"},
    {"Dr Brisebois", "le docteur Brisebois", "Doctor Brisebois"},
    {"Nadia Ferland", "Nadia Ferland", "Nadia Ferland"},
    {"Julien Paquette", "Julien Paquette", "Julien Paquette"},
    {"Aucun", "", ""},
};
constexpr Item kCallers[kItemsPerList] = {
    {"Gabriel Fortier", "Gabriel Fortier", "Gabriel Fortier"},
    {"Annie Desrochers", "Annie Desrochers", "Annie Desrochers"},
    {"Karine Lapointe", "Karine Lapointe", "Karine Lapointe"},
    {"Simon Thibodeau", "Simon Thibodeau", "Simon Thibodeau"},
    {"Aucun", "", ""},
};
constexpr Item kPhones[kItemsPerList] = {
    {"(819) 221-2567", "huit cent dix-neuf, deux cent vingt et un, vingt-cinq soixante-sept",
     "eight one nine, two two one, two five six seven"},
    {"(613) 222-3333", "six cent treize, deux cent vingt-deux, trente-trois trente-trois",
     "six one three, two two two, three three three three"},
    {"(416) 222-9988", "quatre cent seize, deux cent vingt-deux, quatre-vingt-dix-neuf quatre-vingt-huit",
     "four one six, two two two, nine nine eight eight"},
    {"(705) 222-1100", "sept cent cinq, deux cent vingt-deux, onze cents",
     "seven oh five, two two two, one one zero zero"},
    {"Aucun", "", ""},
};
// Made-up receptionists around the learner's own name.
constexpr const char* kYourNames[kItemsPerList] = {"Sophie Lavallée", "Marc Beaulieu", "", "Lina Haddad",
                                                   "Aucun"};

// The messages' entries of the two forms (they differ in their last one).
constexpr Item kFrenchMessages[kItemsPerList] = {
    {"Le forfait d'avril.", "du forfait d'avril", ""},
    {"Signer les papiers.", "signer les papiers", ""},
    {"La rencontre vendredi", "la rencontre de vendredi", ""},
    {"Le dossier.", "le dossier", ""},
    {"Aucun", "", ""},
};
constexpr Item kEnglishMessages[kItemsPerList] = {
    {"Le forfait d'avril.", "", "the April payment plan"},
    {"Signer les papiers.", "", "to sign the papers"},
    {"La rencontre vendredi", "", "Friday's meeting"},
    {"Discuter du projet.", "", "to discuss the project"},
    {"Aucun", "", ""},
};

// --- the form's targets, as offsets from the middle of the view ---

struct Target {
    int dx, dy;
    const char* explanation;         // spoken when the learner explores it
    const char* englishExplanation;  // the English form's, where it differs
};

// Fields 0 to 6, then labels 7 (urgent) and 8 to 13 (the six boxes).
constexpr int kFieldCount = 7;
constexpr int kTargetCount = 14;
constexpr Target kTargets[kTargetCount] = {
    {-144, -170, "date.mp3", nullptr},
    {-144, -141, "destinaire.mp3", nullptr},
    {-144, -79, "delapartde.mp3", nullptr},
    {-144, 60, "message.mp3", nullptr},
    {-144, 168, "votreNom.mp3", nullptr},
    {145, -171, "temps.mp3", nullptr},
    {145, -58, "numeroDeTelephone.mp3", nullptr},
    {129, 164, "Urgent.mp3", nullptr},
    {-11, -31, "correspondence1.mp3", "correspondence01.mp3"},
    {-11, -4, "correspondence2.mp3", "correspondence02.mp3"},
    {-11, 25, "correspondence3.mp3", "correspondence03.mp3"},
    {126, -31, "correspondence4.mp3", "correspondence04.mp3"},
    {126, -4, "correspondence5.mp3", "correspondence05.mp3"},
    {126, 25, "correspondence6.mp3", "correspondence06.mp3"},
};
// The list each field opens.
constexpr List kFieldLists[kFieldCount] = {LIST_DATE,      LIST_RECIPIENT, LIST_CALLER, LIST_MESSAGE,
                                           LIST_YOUR_NAME, LIST_TIME,      LIST_PHONE};
constexpr int kPhoneField = 6;
// The telephone number's line opens its list wherever it is drawn: from
// its printed name to the end of its rule, from the name's top to just
// under the rule (the boxes start below). Offsets from its field target;
// where the name starts is each pad's own (see Language).
constexpr int kPhoneLineTo = 180;
constexpr int kPhoneLineAbove = 14, kPhoneLineBelow = 14;
// Where a field's open list stands, from its field target; where its
// chosen entry is written; where the review's mark stands beside the entry
// (the left column's in the gap before it, the right column's after it).
constexpr int kListShift[kListCount] = {45, 5, 45, 45, 45, 45, 5};
constexpr int kTextShift[kListCount] = {45, -100, 45, 45, 75, 75, -110};
constexpr int kMarkShift[kListCount] = {24, -40, 24, 24, 0, 24, -5};
// The review's marks are drawn at this share of their size: the pad's rows
// are 27 to 29 pixels apart.
constexpr float kMarkShare = 0.4f;

constexpr int kBoxCount = 7;
constexpr int kUrgentBox = 6;
struct Box {
    int dx, dy;
    const char* french;   // printed beside the box
    const char* english;  // the bilingual pad's English words above the French
};
// The review's mark of a box: left of the left column's boxes, after the
// words of the right column's.
constexpr int kBoxMarkShift[2] = {-26, 124};
constexpr Box kBoxes[kBoxCount] = {
    {-10, -31, "A téléphoné", "Telephoned"},
    {-10, -3, "Est passé", "Came to see you"},
    {-10, 23, "Veuillez rappeler", "Please call"},
    {126, -30, "Rappellera", "Will call again"},
    {126, -3, "Désire vous voir", "Wants to see you"},
    {126, 23, "A rappelé", "Returned your call"},
    {126, 165, "Urgent", "Urgent"},
};

// --- the recorded messages and what is right on the form for each ---

// The judged lists, in the judging order.
constexpr int kJudgedCount = 6;
constexpr List kJudged[kJudgedCount] = {LIST_RECIPIENT, LIST_PHONE, LIST_CALLER, LIST_MESSAGE, LIST_DATE, LIST_TIME};

struct Recording {
    const char* file;
    int right[kListCount];  // the right item of each judged list; kNone: "Aucun" or nothing
    int boxes[2];           // the two boxes that must be ticked
    // What the caller says: {date}, {time}, {recipient}, {caller},
    // {message} and {phone} stand for the right entries, spoken.
    const char* script;
};

// right[] is indexed by List: date, time, recipient, caller, your name
// (not judged), message, telephone number.
constexpr Recording kFrench[2] = {
    {"french_message1.mp3",
     {1, 2, 1, 0, kNone, 0, 0},
     {3, 0},
     "Bonjour, ici {caller}. J'ai un message pour {recipient}, au sujet {message}. Nous sommes {date}, "
     "il est {time}. Je rappellerai plus tard, mais vous pouvez aussi me joindre au {phone}. Merci, au revoir."},
    {"french_message2.mp3",
     {0, 1, 0, 1, kNone, 2, kNone},
     {3, 5},
     "Bonjour, c'est {caller}. Je retourne l'appel de {recipient}, pour {message}. Nous sommes {date}, il est "
     "{time}. Je rappellerai cet après-midi. Au revoir."},
};
constexpr Recording kEnglish[2] = {
    {"english_message1.mp3",
     {2, kNone, 2, 3, kNone, 1, 1},
     {0, 2},
     "Hello, this is {caller}, calling for {recipient}. Today is {date}. I need {message} before Friday. "
     "Please call me back at {phone}. Thank you."},
    {"english_message2.mp3",
     {3, 0, 3, 2, kNone, 3, 3},
     {0, 4},
     "Hi, this is {caller}, for {recipient}. It's {date}, {time}. I would like to come by {message}. My number "
     "is {phone}. Thanks, bye."},
};

// One of the two forms: what its lists hold, how its recordings speak.
struct Language {
    const Item* messages;         // kItemsPerList entries
    bool english;                 // the recordings speak English
    const Recording* recordings;  // the two variants
    const char* form;             // the pad's picture
    int phoneLineFrom;            // where the number's name ("Tél.", "Phone / Tél.") starts, from its target
};
constexpr Language kFrenchForm = {kFrenchMessages, false, kFrench, "french_message.png", -150};
constexpr Language kEnglishForm = {kEnglishMessages, true, kEnglish, "english_message.png", -210};

// The entries of a list as written on the form; null for the your-name
// list, which takes the login at kLoginItem among kYourNames.
constexpr const Item* ListItems(List list, const Language& language) {
    return list == LIST_DATE        ? kDates
           : list == LIST_TIME      ? kTimes
           : list == LIST_RECIPIENT ? kRecipients
           : list == LIST_CALLER    ? kCallers
           : list == LIST_MESSAGE   ? language.messages
           : list == LIST_PHONE     ? kPhones
                                    : nullptr;
}

}  // namespace MessageForm
