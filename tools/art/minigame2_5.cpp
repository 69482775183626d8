// The pizzeria's card terminal: the terminal with its screen, menu keys and
// keypad, the customer's three cards, the lit terminal of the help sheet,
// the four help pages, the customer's speech bubble, the task card and the
// progress strip. Keys, cards and help points come from the game's table,
// so each is drawn where the game looks for it.
#include <cstdio>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/pizzeria/PaymentTerminal.h"

using namespace art;
using namespace art::ink;
using namespace PaymentTerminal;

namespace {

const Colour kShell = Hex(0x2F3540);
const Colour kShellLight = Hex(0x444C59);
const Colour kLcd = Hex(0xB9D7A8);
const Colour kKeyFace = Hex(0xE8E4DC);

// Draws in screen offsets from the view's centre, for a picture centred at
// `at` whose file pixels are screen pixels.
void UseOffsets(cairo_t* cr, int w, int h, Offset at) { cairo_translate(cr, w / 2.0 - at.dx, h / 2.0 - at.dy); }

void KeyCap(cairo_t* cr, Offset at, const Colour& cap, const std::string& label, const Colour& ink) {
    // The cap the game hit-tests, with its shadow under it.
    const Cap& c = PaymentTerminal::kKeyCap;
    const double w = c.right - c.left, h = c.bottom - c.top;
    RoundedRect(cr, at.dx + c.left, at.dy + c.top + 3, w, h + 1, 7);
    FillPath(cr, Hex(0x000000, 0.45));
    RoundedRect(cr, at.dx + c.left, at.dy + c.top, w, h, 7);
    FillPath(cr, cap);
    RoundedRect(cr, at.dx - 21, at.dy - 16, 42, 14, 6);
    FillPath(cr, kWhite.Alpha(0.18));
    Font f;
    f.px = 17;
    TextMiddle(cr, label, at.dx, at.dy - 2, f, ink);
}

// The terminal, in screen offsets.
void Terminal(cairo_t* cr) {
    // Body, a little wider at the bottom where the card reader is.
    RoundedRect(cr, -314, -204, 296, 488, 34);
    FillPath(cr, Hex(0x000000, 0.3));
    RoundedRect(cr, -318, -212, 296, 488, 34);
    FillPath(cr, kShell);
    RoundedRect(cr, -312, -206, 284, 476, 30);
    FillPath(cr, kShellLight);
    Font brand;
    brand.px = 12;
    brand.condensed = true;
    Text(cr, "ZELK PAIEMENT", -170, -201, brand, kWhite.Alpha(0.7));

    // The screen and its frame.
    RoundedRect(cr, kScreenFrom.dx - 8, kScreenFrom.dy - 8, kScreenTo.dx - kScreenFrom.dx + 16,
                kScreenTo.dy - kScreenFrom.dy + 16, 8);
    FillPath(cr, Hex(0x1B1F26));
    RoundedRect(cr, kScreenFrom.dx, kScreenFrom.dy, kScreenTo.dx - kScreenFrom.dx, kScreenTo.dy - kScreenFrom.dy, 4);
    FillPath(cr, kLcd);
    cairo_rectangle(cr, kScreenFrom.dx, kScreenFrom.dy, kScreenTo.dx - kScreenFrom.dx, 8);
    FillPath(cr, kWhite.Alpha(0.25));
    // The menu keys beside the lines: grey notches that point at their line.
    for (int line = 0; line < 4; ++line) {
        const double y = kScreenLineY[line] + kMenuKeyDy;
        const Cap& c = kMenuKeyCap;
        Polygon(cr, {{kMenuKeyX + kMenuNotchLeft, y}, {kMenuKeyX + c.left - 1, y - 8}, {kMenuKeyX + c.left - 1, y + 8}});
        FillPath(cr, kLcd.Mix(kWhite, 0.3));
        RoundedRect(cr, kMenuKeyX + c.left, y + c.top + 2, c.right - c.left, c.bottom - c.top, 5);
        FillPath(cr, Hex(0x000000, 0.4));
        RoundedRect(cr, kMenuKeyX + c.left, y + c.top, c.right - c.left, c.bottom - c.top, 5);
        FillPath(cr, kKeyFace.Mix(kInk, 0.25));
    }

    // The keypad: digits, then erase (yellow), 0 and enter (green).
    for (int digit = 0; digit <= 9; ++digit) KeyCap(cr, kKeys[digit], kKeyFace, std::to_string(digit), kInk);
    KeyCap(cr, kKeys[KEY_ERASE], kGold, "\u2190", kInk);
    KeyCap(cr, kKeys[KEY_ENTER], kGreen, "OK", kWhite);
    Font small;
    small.px = 10;
    small.condensed = true;
    Text(cr, "Effacer", kKeys[KEY_ERASE].dx, kKeys[KEY_ERASE].dy + 17, small, kWhite.Alpha(0.8));
    Text(cr, "Entrée", kKeys[KEY_ENTER].dx, kKeys[KEY_ENTER].dy + 17, small, kWhite.Alpha(0.8));

    // The card reader at the foot.
    RoundedRect(cr, -290, 206, 240, 54, 10);
    FillPath(cr, kShell);
    cairo_rectangle(cr, -250, 236, 160, 6);
    FillPath(cr, Hex(0x0E1014));
    Text(cr, "Insérez ou présentez la carte", -170, 214, small, kWhite.Alpha(0.75));
}

void TerminalPicture(cairo_t* cr, int w, int h) {
    UseOffsets(cr, w, h, kTerminalAt);
    Terminal(cr);
}

void Chip(cairo_t* cr, double x, double y) {
    RoundedRect(cr, x, y, 30, 22, 4);
    FillPath(cr, kGoldLight);
    cairo_move_to(cr, x + 10, y);
    cairo_line_to(cr, x + 10, y + 22);
    cairo_move_to(cr, x + 20, y);
    cairo_line_to(cr, x + 20, y + 22);
    cairo_move_to(cr, x, y + 11);
    cairo_line_to(cr, x + 30, y + 11);
    StrokePath(cr, kGoldDark, 1);
}

// One card of each type, in screen offsets.
void Cards(cairo_t* cr, int w, int h) {
    const Colour faces[kPaymentCount] = {Hex(0x2C5E9E), Hex(0x2B2A33), kCoral};
    const char* const numbers[kPaymentCount] = {"5021 •••• •••• 4821", "4510 •••• •••• 0937", "N° 0042 1187"};
    for (int t = 0; t < kPaymentCount; ++t) {
        const Offset at = kCards[t];
        const double x = at.dx - 90, y = at.dy - 56;
        WithShadow(
            cr, w, h,
            [&](cairo_t* c) {
                RoundedRect(c, x, y, 180, 112, 10);
                FillPath(c, faces[t]);
            },
            0, 4, 5, 0.4);
        RoundedRect(cr, x, y, 180, 112, 10);
        StrokePath(cr, kWhite.Alpha(0.25), 1.5);
        Font name;
        name.px = 15;
        Text(cr, kPayments[t].cardName, x + 12, y + 10, name, kWhite, Align::Left);
        Chip(cr, x + 14, y + 40);
        Font digits;
        digits.px = 12;
        digits.bold = false;
        Text(cr, numbers[t], x + 12, y + 72, digits, kWhite.Alpha(0.9), Align::Left);
        Font holder;
        holder.px = 10;
        holder.condensed = true;
        Text(cr, t == PAY_GIFT ? "PIZZERIA CHEZ ZELK" : "CLIENT DE LA PIZZERIA", x + 12, y + 92, holder,
             kWhite.Alpha(0.8), Align::Left);
        if (t == PAY_GIFT) {
            // A slice of pizza.
            Polygon(cr, {{x + 130, y + 40}, {x + 170, y + 40}, {x + 150, y + 88}});
            FillPath(cr, kGold);
            Circle(cr, x + 146, y + 52, 4);
            FillPath(cr, kCoralDark);
            Circle(cr, x + 156, y + 62, 3.5);
            FillPath(cr, kCoralDark);
        } else {
            Circle(cr, x + 146, y + 60, 12);
            FillPath(cr, kWhite.Alpha(0.35));
            Circle(cr, x + 160, y + 60, 12);
            FillPath(cr, kWhite.Alpha(0.25));
        }
    }
}

void CardsPicture(cairo_t* cr, int w, int h) {
    UseOffsets(cr, w, h, kCardsAt);
    Cards(cr, w, h);
}

// The help sheet: the terminal and the cards lit again, a gold ring on
// every help point, and a card saying what to do.
void HelpSheet(cairo_t* cr, int w, int h) {
    UseOffsets(cr, w, h, Offset{0, 0});
    Terminal(cr);
    Cards(cr, w, h);
    for (const ClickHelp& help : kClickHelp) {
        Circle(cr, help.at.dx, help.at.dy, 30);
        StrokePath(cr, kGold, 3);
    }
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, -280, 300, 560, 76, 14);
            FillPath(c, kCream);
            RoundedRect(c, -280, 300, 12, 76, 6);
            FillPath(c, kCoral);
        },
        0, 4, 6, 0.4);
    Font f;
    f.px = 17;
    Text(cr, "Passez la souris sur le terminal et sur les cartes pour voir l'aide.\nPuis cliquez sur Jouer.", 6,
         314, f, kInk, Align::Centre, 520);
}

Picture HelpPage(const Page& page) {
    return {page.picture, 512, 512, [page](cairo_t* cr, int w, int h) {
                WithShadow(
                    cr, w, h,
                    [&](cairo_t* c) {
                        RoundedRect(c, 96, 120, 320, 270, 18);
                        FillPath(c, kCream);
                        RoundedRect(c, 96, 120, 320, 48, 18);
                        FillPath(c, kCoral);
                        cairo_rectangle(c, 96, 150, 320, 18);
                        FillPath(c, kCoral);
                    },
                    0, 5, 8, 0.4);
                Font title;
                title.px = 22;
                TextMiddle(cr, page.title, 256, 144, title, kWhite);
                Font body;
                body.px = 17;
                body.bold = false;
                Text(cr, page.text, 256, 186, body, kInk, Align::Centre, 280);
            }};
}

void Bubble(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 40, 10, w - 80, h - 30, 40);
            FillPath(c, kCream);
            Polygon(c, {{w - 200.0, h - 24.0}, {w - 150.0, h - 2.0}, {w - 170.0, h - 24.0}});
            FillPath(c, kCream);
        },
        0, 4, 6, 0.35);
    RoundedRect(cr, 42, 12, w - 84, h - 34, 38);
    StrokePath(cr, kCoral, 3);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"DebitMachine0.png", 512, 512, TerminalPicture},
        {"cards.png", 256, 512, CardsPicture},
        {"interac_overlay.png", 1024, 1024, HelpSheet},
        {"cartoon_bubble_long.png", 1024, 128, Bubble},
        TaskCard("consigne2_5.png", "Le terminal", "Type, montant, OK, puis la carte", kCoral),
    };
    for (const Page& page : kPages) pictures.push_back(HelpPage(page));
    for (const Picture& p : ProgressStrip("minijeu2_5progress%d.png", 4, kCoral)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
