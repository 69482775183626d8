// The receipt game: five till receipts, the right and the wrong amount of
// each, the three questions, the till's printer, the sheet with its term
// cards, the ring round an amount and the task card. Every printed line,
// sum, tax and amount comes from the game's receipt table, so a receipt
// always adds up to the amount the game expects.
#include <cstdio>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "core/Formats.h"
#include "minigames/grocery/ReceiptLayout.h"
#include "minigames/grocery/Receipts.h"

using namespace art;
using namespace art::ink;
using namespace Receipts;

namespace {

const Colour kPaper = Hex(0xFBFAF4);
const Colour kPrint = Hex(0x34343C);

// 2160 -> "21,60", as prices are written in French.
std::string Money(int cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%02d", cents / 100, cents % 100);
    return text;
}

struct Printer {
    cairo_t* cr;
    double left, right, y;
    double pitch = 40;
    Font font;

    Printer(cairo_t* c, double l, double r, double top) : cr(c), left(l), right(r), y(top) {
        font.px = 27;
        font.bold = false;
        font.condensed = true;
    }
    void Row(const std::string& label, const std::string& amount, bool bold = false, double px = 27) {
        Font f = font;
        f.bold = bold;
        f.px = px;
        Text(cr, label, left, y, f, kPrint, Align::Left);
        if (!amount.empty()) Text(cr, amount, right, y, f, kPrint, Align::Right);
        y += pitch * px / 27;
    }
    void Centre(const std::string& words, bool bold = false, double px = 25) {
        Font f = font;
        f.bold = bold;
        f.px = px;
        Text(cr, words, (left + right) / 2, y, f, kPrint);
        y += pitch * px / 27;
    }
    void Rule() {
        cairo_set_dash(cr, (const double[]){8, 6}, 2, 0);
        cairo_move_to(cr, left, y + 10);
        cairo_line_to(cr, right, y + 10);
        StrokePath(cr, kPrint.Alpha(0.7), 2);
        cairo_set_dash(cr, nullptr, 0, 0);
        y += 26;
    }
};

void ReceiptPicture(cairo_t* cr, int w, int h, const Receipt& r, int number) {
    const double left = 16, right = w - 16, bottom = h - 14;
    // The paper, torn off at the bottom.
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            cairo_move_to(c, left, 4);
            cairo_line_to(c, right, 4);
            for (double x = right; x > left; x -= 16) {
                cairo_line_to(c, x - 8, bottom - 10);
                cairo_line_to(c, x - 16 < left ? left : x - 16, bottom);
            }
            cairo_close_path(c);
            FillPath(c, kPaper);
        },
        0, 4, 6, 0.35);
    Printer p(cr, left + 24, right - 24, 22);
    p.Centre(r.store, true, 32);
    p.Centre("1250, rue King Ouest, Sherbrooke (Qc)", false, 21);
    p.Centre("Tél. : 819 555-0142", false, 21);
    p.Row(std::string(r.date) + "  10:4" + std::to_string(number), "Caisse 3", false, 23);
    p.Rule();
    int count = 0;
    for (int i = 0; i < kMaxLines; ++i) {
        const Line& line = r.lines[i];
        if (line.label == nullptr) continue;
        ++count;
        p.Row(line.label, Money(line.cents) + (i == r.taxableLine ? " T" : "  "));
    }
    p.Rule();
    p.Row("SOUS-TOTAL", Money(Subtotal(r)) + "  ");
    p.Row("TPS 5 %", Money(Tps(r)) + "  ", false, 24);
    p.Row("TVQ 9,975 %", Money(Tvq(r)) + "  ", false, 24);
    p.Row("TOTAL", Money(Total(r)) + "  ", true, 33);
    if (r.tendered > 0) {
        p.Row("COMPTANT", Money(r.tendered) + "  ");
        if (r.printsChange) p.Row("MONNAIE", Money(Change(r)) + "  ");
    } else {
        p.Row("DÉBIT", Money(Total(r)) + "  ");
        p.Row("CARTE ************4821", "", false, 23);
        p.Row("AUTORISATION 0" + std::to_string(31870 + number * 7), "APPROUVÉE", false, 23);
    }
    p.Rule();
    p.Row("NOMBRE D'ARTICLES : " + std::to_string(count), "", false, 23);
    p.Centre("T = article taxable", false, 21);
    p.Centre("MERCI DE VOTRE VISITE !", true, 25);
    p.Centre("TPS 812345678 RT0001", false, 19);
    p.Centre("TVQ 1212345678 TQ0001", false, 19);
    // A bar code for returns.
    Random rnd{static_cast<uint32_t>(number * 97)};
    double x = w / 2.0 - 150;
    const double top = p.y + 8;
    while (x < w / 2.0 + 150) {
        const double bar = 2 + rnd.Next() * 5;
        cairo_rectangle(cr, x, top, bar, 54);
        FillPath(cr, kPrint);
        x += bar + 2 + rnd.Next() * 4;
    }
}

// An amount on a price card, as it is shown beside the receipt.
void AmountPicture(cairo_t* cr, int w, int h, int cents) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 14, 10, w - 28, h - 28, 22);
            FillPath(c, kWhite);
            RoundedRect(c, 14, 10, 22, h - 28, 11);
            FillPath(c, kGreen);
        },
        0, 5, 6, 0.35);
    RoundedRect(cr, 20, 16, w - 40, h - 40, 18);
    StrokePath(cr, kGreen.Alpha(0.5), 3);
    Font f;
    f.px = 86;
    TextMiddle(cr, Formats::FrenchMoney(cents), w / 2.0 + 10, h / 2.0 - 8, f, kInk);
}

// The till over the receipt: the printer's mouth and the two card holders.
void Counter(cairo_t* cr, int w, int h) {
    using namespace ReceiptLayout;
    const double top = kReceiptY - kReceiptHeight / 2.0;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, kReceiptX - 200, top - 30, 400, 46, 12);
            FillPath(c, Hex(0x2E3640));
        },
        0, 6, 6, 0.4);
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, kReceiptX - 165, top - 4, 330, 6);
    FillPath(cr, Hex(0x11151A));
    Font f;
    f.px = 15;
    TextMiddle(cr, "REÇU DE CAISSE", kReceiptX - 100, top - 14, f, Hex(0xC9D2DA));
    Circle(cr, kReceiptX + 170, top - 8, 6);
    FillPath(cr, kGreen);
}

void Sheet(cairo_t* cr, int w, int h) {
    using namespace ReceiptLayout;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, 331, 150, 700, 370, 24);
            FillPath(c, kCream);
            RoundedRect(c, 331, 150, 18, 370, 9);
            FillPath(c, kGreen);
            for (const Card& card : kTermCards) {
                RoundedRect(c, card.x, card.y, card.width, card.height, 16);
                FillPath(c, kWhite);
            }
        },
        0, 8, 10, 0.4);
    UseReferenceLayout(cr, w, h);
    Font head;
    head.px = 34;
    TextMiddle(cr, "Les reçus de caisse", 690, 196, head, kGreenDark);
    Font body;
    body.px = 25;
    body.bold = false;
    Text(cr,
         "Lisez le reçu. Une question demande le total, le comptant ou la monnaie. "
         "Si la monnaie n'est pas imprimée, calculez-la. "
         "Cliquez sur le bon montant, en haut ou en bas.\n\nCliquez sur un mot ci-dessous pour "
         "l'entendre expliquer, puis sur Jouer.",
         690, 240, body, kInk, Align::Centre, 620);
    for (int q = 0; q < kQuestionCount; ++q) {
        const Card& card = kTermCards[q];
        RoundedRect(cr, card.x, card.y, card.width, card.height, 16);
        StrokePath(cr, kGreen, 3);
        Font word;
        word.px = 30;
        TextMiddle(cr, kTermWords[q], card.x + card.width / 2.0 + 18, card.y + card.height / 2.0, word, kInk);
        // A small loudspeaker: the card speaks.
        const double sx = card.x + 34, sy = card.y + card.height / 2.0;
        Polygon(cr, {{sx - 12, sy - 7}, {sx - 4, sy - 7}, {sx + 6, sy - 16}, {sx + 6, sy + 16}, {sx - 4, sy + 7},
                     {sx - 12, sy + 7}});
        FillPath(cr, kGreen);
        cairo_arc(cr, sx + 8, sy, 12, -0.8, 0.8);
        StrokePath(cr, kGreen, 3);
    }
}

void Oval(cairo_t* cr, int w, int h) {
    RoundedRect(cr, 8, 8, w - 16, h - 16, (h - 16) / 2.0);
    StrokePath(cr, kGold, 9);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"receipt.png", 2048, 1024, Counter},
        {"receipt_overlay.png", 2048, 1024, Sheet},
        {"smallOval.png", 512, 256, Oval},
        TaskCard("consigne3_5.png", "Les reçus", "Cliquez sur le bon montant", kGreen),
    };
    for (int r = 0; r < kReceiptCount; ++r) {
        const Receipt& receipt = kReceipts[r];
        pictures.push_back({"receipt" + std::to_string(r + 1) + ".png", 512, 1024,
                            [r](cairo_t* cr, int w, int h) { ReceiptPicture(cr, w, h, kReceipts[r], r + 1); }});
        const int right = RightAmount(receipt), wrong = WrongAmount(receipt);
        pictures.push_back({receipt.right, 512, 256, [right](cairo_t* cr, int w, int h) { AmountPicture(cr, w, h, right); }});
        pictures.push_back({receipt.wrong, 512, 256, [wrong](cairo_t* cr, int w, int h) { AmountPicture(cr, w, h, wrong); }});
    }
    for (const QuestionInfo& q : kQuestions) pictures.push_back(CaptionPicture(q.caption, q.text, kGreen));
    return Run(argc, argv, pictures);
}
