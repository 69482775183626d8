#pragma once

// The pizzeria's card terminal and the three payments taken on it. The game
// hit-tests the keys and the cards from these tables, and the terminal, the
// cards, the help pages and their voices are made from the same ones, so a
// key is drawn where the game looks for it and a page says what it shows.
namespace PaymentTerminal {

// Positions are offsets from the view's centre, in screen pixels.
struct Offset {
    int dx, dy;
};

// The terminal's picture is 512 x 512 on screen (scale 2), centred here.
constexpr Offset kTerminalAt = {-170, 40};
// Its screen: four lines of text, the amount on the fourth.
constexpr Offset kScreenFrom = {-300, -180}, kScreenTo = {-70, -64};
constexpr int kScreenLineX = -290;
constexpr int kScreenLineY[4] = {-150, -126, -102, -78};  // baselines
// The menu keys stand right of the screen, one beside each line.
constexpr int kMenuKeyX = -48;
constexpr int kMenuKeyDy = -5;  // a key's centre, from its line's baseline

enum Key {
    KEY_1 = 1,  // KEY_1 .. KEY_9 are the digits 1 to 9, KEY_0 is 0
    KEY_0 = 0,
    KEY_ERASE = 10,
    KEY_ENTER = 11,
    kKeyCount = 12,
};
constexpr Offset kKeys[kKeyCount] = {
    {-210, 148},                             // 0
    {-270, 16},  {-210, 16},  {-150, 16},    // 1 2 3
    {-270, 60},  {-210, 60},  {-150, 60},    // 4 5 6
    {-270, 104}, {-210, 104}, {-150, 104},   // 7 8 9
    {-270, 148},                             // erase
    {-150, 148},                             // enter
};
// A key answers on its whole cap, as drawn: the cap's edges from the key's
// centre. A keypad key's cap is 46 x 31; a menu key's is 22 x 18, with the
// notch left of it that points at its line. A card answers within 100
// pixels across and 80 down.
struct Cap {
    int left, top, right, bottom;
};
constexpr Cap kKeyCap = {-23, -17, 23, 14};
constexpr Cap kMenuKeyCap = {-11, -11, 11, 7};
constexpr int kMenuNotchLeft = -22;  // the notch's point, a menu key's cap being from kMenuKeyCap.left
constexpr bool OnCap(const Cap& cap, int dx, int dy) {
    return dx > cap.left && dx < cap.right && dy > cap.top && dy < cap.bottom;
}
constexpr int kCardReachX = 100, kCardReachY = 80;

enum PaymentType { PAY_DEBIT = 0, PAY_CREDIT, PAY_GIFT, kPaymentCount };
// What the terminal's screen shows: the menu of types, the amount being
// keyed under the chosen type's charge, then the amount confirmed while the
// customer's card is awaited.
enum TerminalScreen { SCREEN_MENU = 0, SCREEN_AMOUNT, SCREEN_CARD };
// The steps of a payment, each judged: its type, its amount, its card.
enum PaymentStep { STEP_TYPE = 0, STEP_AMOUNT, STEP_CARD, kStepCount };

struct Payment {
    int menuLine;           // the screen line of its menu key
    const char* menuText;   // on the menu
    const char* chargeTitle;  // the screen's third line while the amount is keyed
    const char* instruction;  // printf pattern of the request, %s the amount in French (UTF-8)
    const char* announce;     // the recording that brings the customer
    const char* announced;    // what it says (UTF-8)
    const char* cardName;     // printed on the card
};
constexpr Payment kPayments[kPaymentCount] = {
    {0, "Debit", "Debit Charge:", "Faites payer %s au client avec sa carte de débit.", "debit.mp3",
     "Premier client. Il paie avec sa carte de débit.", "INTERAC débit"},
    {1, "Credit", "Credit Charge:", "Faites payer %s à la cliente avec sa carte de crédit.", "credit.mp3",
     "Deuxième client. Elle paie avec sa carte de crédit.", "CRÉDIT"},
    {3, "Gift Card", "Gift Card Charge:", "Faites payer %s au client avec sa carte cadeau.", "cadeau.mp3",
     "Troisième client. Il paie avec une carte cadeau de la pizzeria.", "CARTE CADEAU"},
};

// The customer's cards, one of each type, laid out right of the terminal
// (the picture "cards.png" is 256 x 512 on screen, centred at kCardsAt).
constexpr Offset kCardsAt = {210, 0};
constexpr Offset kCards[kPaymentCount] = {{210, -170}, {210, 0}, {210, 170}};

// The help: four points show a page and speak it when the pointer comes
// near; six points answer a click with a word on what lies there.
constexpr int kPageCount = 4;
struct Page {
    Offset at;          // the point the pointer comes near
    const char* picture;
    const char* voice;
    const char* title;  // the page's words, which the voice says (UTF-8)
    const char* text;
};
constexpr Page kPages[kPageCount] = {
    {{-185, -122}, "interac_help0.png", "interacHelp0.mp3", "L'écran",
     "L'écran du terminal. Il montre d'abord le menu des paiements, puis le montant que vous tapez."},
    {{-48, -114}, "interac_help1.png", "interacHelp1.mp3", "Les touches du menu",
     "Les touches du menu, à droite de l'écran. Appuyez sur la touche à côté du type de paiement : "
     "débit, crédit ou carte cadeau."},
    {{-210, 82}, "interac_help2.png", "interacHelp2.mp3", "Le clavier",
     "Le clavier. Tapez le montant sans le point : pour douze dollars trente-quatre, tapez un, deux, "
     "trois, quatre. Puis appuyez sur la touche verte."},
    {{210, 0}, "interac_help3.png", "interacHelp3.mp3", "Les cartes",
     "Les cartes du client. Quand le montant est confirmé, cliquez sur la carte du bon type."},
};
struct ClickHelp {
    Offset at;
    const char* voice;
    const char* spoken;  // UTF-8
};
constexpr int kClickHelpCount = 6;
constexpr ClickHelp kClickHelp[kClickHelpCount] = {
    {kPages[0].at, kPages[0].voice, kPages[0].text},
    {kPages[1].at, kPages[1].voice, kPages[1].text},
    {kPages[2].at, kPages[2].voice, kPages[2].text},
    {kKeys[KEY_ERASE], "interacErase.mp3", "La touche jaune efface le dernier chiffre tapé."},
    {kKeys[KEY_ENTER], "interacEnter.mp3", "La touche verte confirme le montant."},
    {kPages[3].at, kPages[3].voice, kPages[3].text},
};
// The page shows right of the terminal, over the cards (512 x 512 on screen).
constexpr Offset kPageAt = {250, 0};

// The till keeps at most this many digits ($99,999.99).
constexpr int kMostDigits = 7;

}  // namespace PaymentTerminal
