#pragma once

// The five till receipts of the receipt game: what each one lists, what
// the customer handed over, which amount the learner is asked for and the
// slip that makes the wrong amount. The game judges from this table, the
// receipts and amounts are drawn from it and the question is spoken from
// it, so a printed receipt always adds up to the amount the game expects.
namespace Receipts {

constexpr int kReceiptCount = 5;
constexpr int kMaxLines = 6;

// Amounts are in cents.
struct Line {
    const char* label;  // as printed (UTF-8), at most 22 characters
    int cents;
};

// What the receipt asks for.
enum Question { ASK_TOTAL = 0, ASK_CASH, ASK_CHANGE, kQuestionCount };

// How the wrong amount comes about: the mistakes a cashier makes reading a receipt.
enum Slip {
    SLIP_SWAP_CENTS,   // the two cents digits read the wrong way round
    SLIP_SUBTOTAL,     // the subtotal taken for the total (the tax forgotten)
    SLIP_TOTAL,        // the total taken for what was asked
    SLIP_DOLLAR_OFF,   // one dollar off when counting back the change
};

struct Receipt {
    const char* store;
    const char* date;        // as printed
    Line lines[kMaxLines];   // the goods, unused lines have a null label
    int taxableLine;         // the one line taxed (soap, not food), -1 for none
    int tendered;            // cash handed over; 0 when paid by card
    Question question;
    Slip slip;
    const char* right;       // the right amount's picture
    const char* wrong;       // the wrong amount's picture
    // False for a cash sale whose change the till does not print: the
    // learner works it out, the cash handed over less the total.
    bool printsChange;
};

constexpr Receipt kReceipts[kReceiptCount] = {
    {"Épicerie du Marché", "2012-03-14",
     {{"LAIT 2 % 4 L", 649}, {"PAIN BLANC TRANCHÉ", 329}, {"ŒUFS GROS X12", 419}, {"POMMES SAC 3 LB", 349},
      {"YOGOURT NATURE 650 G", 414}, {nullptr, 0}},
     -1, 0, ASK_TOTAL, SLIP_SWAP_CENTS, "2160.png", "2160-1.png", true},
    {"Épicerie du Marché", "2012-03-15",
     {{"CAFÉ MOULU 300 G", 699}, {"BANANES 1,2 KG", 178}, {"CAROTTES SAC 2 LB", 199}, {"BEURRE 454 G", 234},
      {nullptr, 0}, {nullptr, 0}},
     -1, 2000, ASK_CHANGE, SLIP_DOLLAR_OFF, "690.png", "690-1.png", true},
    {"Épicerie du Marché", "2012-03-16",
     {{"SAVON À VAISSELLE", 349}, {"RIZ BLANC 900 G", 269}, {"CITRONS X2", 54}, {nullptr, 0}, {nullptr, 0},
      {nullptr, 0}},
     0, 0, ASK_TOTAL, SLIP_SUBTOTAL, "724.png", "724-1.png", true},
    {"Épicerie du Marché", "2012-03-17",
     {{"POULET ENTIER", 1149}, {"FROMAGE CHEDDAR", 599}, {"TOMATES 1 KG", 289}, {"LAITUE ROMAINE", 84},
      {nullptr, 0}, {nullptr, 0}},
     -1, 2621, ASK_CASH, SLIP_TOTAL, "2621.png", "2621-1.png", true},
    {"Épicerie du Marché", "2012-03-18",
     {{"JUS D'ORANGE 1,75 L", 399}, {"CÉRÉALES 525 G", 549}, {"PÂTES SPAGHETTI", 179}, {"SAUCE TOMATE", 199},
      {"PAMPLEMOUSSE X3", 357}, {nullptr, 0}},
     -1, 2000, ASK_CHANGE, SLIP_DOLLAR_OFF, "317.png", "317-1.png", false},
};

// What the receipt's printed lines come to, as the till computes them.
constexpr int Subtotal(const Receipt& r) {
    int sum = 0;
    for (const Line& line : r.lines)
        if (line.label != nullptr) sum += line.cents;
    return sum;
}
// The two sales taxes on the taxed line, each rounded to the nearest cent:
// TPS 5 %, TVQ 9.975 %.
constexpr int Tps(const Receipt& r) {
    return r.taxableLine < 0 ? 0 : (r.lines[r.taxableLine].cents * 500 + 5000) / 10000;
}
constexpr int Tvq(const Receipt& r) {
    return r.taxableLine < 0 ? 0 : (r.lines[r.taxableLine].cents * 9975 + 50000) / 100000;
}
constexpr int Tax(const Receipt& r) { return Tps(r) + Tvq(r); }
constexpr int Total(const Receipt& r) { return Subtotal(r) + Tax(r); }
constexpr int Change(const Receipt& r) { return r.tendered > 0 ? r.tendered - Total(r) : 0; }

// The amount the receipt asks for.
constexpr int RightAmount(const Receipt& r) {
    switch (r.question) {
        case ASK_TOTAL: return Total(r);
        case ASK_CASH: return r.tendered;
        case ASK_CHANGE: return Change(r);
        default: return 0;
    }
}

// The amount a slip gives instead.
constexpr int WrongAmount(const Receipt& r) {
    const int right = RightAmount(r);
    switch (r.slip) {
        case SLIP_SWAP_CENTS: return right / 100 * 100 + (right % 10) * 10 + (right / 10) % 10;
        case SLIP_SUBTOTAL: return Subtotal(r);
        case SLIP_TOTAL: return Total(r);
        case SLIP_DOLLAR_OFF: return right + 100;
        default: return right;
    }
}

// The question's words, shown between the amounts and spoken when the
// receipt comes, and the term the instructions explain.
struct QuestionInfo {
    const char* caption;        // picture of the question
    const char* recording;      // the question spoken
    const char* text;           // the question's words (UTF-8)
    const char* term;           // the term's explanation, spoken from the instructions
    const char* termText;       // what it says (UTF-8)
};
constexpr QuestionInfo kQuestions[kQuestionCount] = {
    {"question_total.png", "question_total.mp3", "Quel est le total à payer ?", "total.mp3",
     "Le total, c'est ce que le client doit payer : tous les articles, plus les taxes."},
    {"question_cash.png", "question_cash.mp3", "Combien le client a-t-il donné en argent comptant ?", "cash.mp3",
     "Comptant, c'est l'argent que le client donne à la caisse, en billets et en pièces."},
    {"question_change.png", "question_change.mp3", "Combien d'argent faut-il rendre au client ?", "change.mp3",
     "La monnaie, c'est l'argent que l'on rend au client : le comptant moins le total."},
};

}  // namespace Receipts
