// The pizzeria's order pad and what lies around it: the stainless-steel
// counter, the pad with its two copies, the lit pad of the help sheet, the
// shop's answering machine, the task cards and the progress strip of the
// order games. Every row of the pad is printed where the game's table puts
// the line, so a click on a printed topping is a click on its line.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "core/Formats.h"
#include "minigames/pizzeria/PizzaOrderForm.h"
#include "minigames/pizzeria/PricingForms.h"

using namespace art;
using namespace art::ink;
using namespace PizzaOrderForm;

namespace {

// The pad's file is 1024 x 1024 and shows at 0.75 of that (scale 1.5 of
// half its size): pad units are screen pixels from the view's centre.
constexpr double kPadFile = 1024;
constexpr double kUnit = 1.0 / 0.75;
const Colour kPaper = Hex(0xFFFDF4);
const Colour kRule = Hex(0x9DB7C9);
const Colour kPrint = Hex(0x1F3A5A);  // the pad's blue print
const Colour kRed = Hex(0xC62828);

void UsePadUnits(cairo_t* cr, double shiftX = 0, double shiftY = 0) {
    cairo_translate(cr, kPadFile / 2 + shiftX * kUnit, kPadFile / 2 + shiftY * kUnit);
    cairo_scale(cr, kUnit, kUnit);
}

Font Small(double px, bool bold = false) {
    Font f;
    f.px = px;
    f.bold = bold;
    f.condensed = true;
    return f;
}

Offset At(int line) { return kLines[line]; }

// A copy's left edge and width; the second copy is 320 pixels right of the first.
constexpr double kCopyLeft = -305, kCopyWidth = 293, kCopyTop = -292, kCopyBottom = 228;
constexpr double kCopyShift = 320;

void Underline(cairo_t* cr, double x0, double x1, double y) {
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y);
    StrokePath(cr, kRule, 0.8);
}

void TickBox(cairo_t* cr, double x, double y) {
    cairo_rectangle(cr, x, y - 5.5, 11, 11);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, x, y - 5.5, 11, 11);
    StrokePath(cr, kPrint, 0.9);
}

// One copy of the pad: p is 0 for the first pizza, 1 for the second.
void Copy(cairo_t* cr, int p) {
    const int base = p * kPizzaStride;
    const double left = kCopyLeft + p * kCopyShift, right = left + kCopyWidth;
    // The sheet, with its perforated top.
    WithShadow(
        cr, int(kPadFile), int(kPadFile),
        [&](cairo_t* c) {
            cairo_rectangle(c, left, kCopyTop, kCopyWidth, kCopyBottom - kCopyTop);
            FillPath(c, kPaper);
        },
        2, 3, 4, 0.3);
    for (double x = left + 4; x < right; x += 7) {
        Circle(cr, x, kCopyTop + 4, 1.3);
        FillPath(cr, Hex(0xC9C2B0));
    }
    // The shop's heading.
    cairo_rectangle(cr, left, kCopyTop + 9, kCopyWidth, 24);
    FillPath(cr, kCoral);
    TextMiddle(cr, "PIZZERIA CHEZ ZELK", left + 8, kCopyTop + 21, Small(12, true), kWhite, Align::Left);
    TextMiddle(cr, "705 555-0142", right - 8, kCopyTop + 21, Small(9), kWhite, Align::Right);
    Text(cr, "BON DE COMMANDE", left + 8, kCopyTop + 35, Small(8, true), kPrint, Align::Left);
    Text(cr, p == 0 ? "N\u00b0 004127" : "N\u00b0 004127-2", right - 8, kCopyTop + 35, Small(8, true), kRed,
         Align::Right);

    // Name and date: the learner's pen writes from the line's position.
    const Offset name = At(base + kNameLine), date = At(base + kDateLine);
    TextMiddle(cr, "Client :", left + 8, name.dy, Small(9, true), kPrint, Align::Left);
    Underline(cr, name.dx - 6, right - 10, name.dy + 9);
    TextMiddle(cr, "Date :", left + 8, date.dy, Small(9, true), kPrint, Align::Left);
    Underline(cr, date.dx - 6, right - 10, date.dy + 9);

    // Sizes: a row each, to be ringed.
    const Offset size0 = At(base + kFirstSize);
    Text(cr, "TAILLE (encerclez-en une)", left + 8, size0.dy - 20, Small(8, true), kCoralDark, Align::Left);
    for (int s = 0; s < kSizeCount; ++s) {
        const Offset at = At(base + kFirstSize + s);
        const double x0 = at.dx + kSizeRingFrom.dx + 6, x1 = at.dx + kSizeRingTo.dx - 6;
        TextMiddle(cr, kSizes[s].label, x0, at.dy, Small(9.5, true), kPrint, Align::Left);
        const std::string text = Formats::FrenchMoney(std::lround(kSizes[s].price * 100));
        TextMiddle(cr, text, x1, at.dy, Small(9.5), kPrint, Align::Right);
        cairo_set_dash(cr, (const double[]){1.5, 2.5}, 2, 0);
        Underline(cr, x0 + 62, x1 - 34, at.dy + 2);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    // The crust.
    const Offset thin = At(base + kFirstCrust), thick = At(base + kFirstCrust + 1);
    TextMiddle(cr, "Croûte", left + 8, thin.dy, Small(8, true), kCoralDark, Align::Left);
    TextMiddle(cr, kCrusts[0].label, thin.dx, thin.dy, Small(9.5), kPrint);
    TextMiddle(cr, kCrusts[1].label, thick.dx, thick.dy, Small(9.5), kPrint);

    // Toppings, each with its tick box.
    const Offset first = At(base + kFirstTopping);
    Text(cr, "GARNITURES : 3 incluses, 1,00 $ chacune de plus", left + 8, first.dy - 24, Small(8, true), kCoralDark,
         Align::Left);
    for (int t = 0; t < kToppingCount; ++t) {
        const int line = base + kFirstTopping + t;
        const Offset at = At(line);
        // The second column starts right of the first column's boxes.
        const double labelDx = line % kPizzaStride < kFirstTopping + 12 ? -46 : -36;
        if (t % 2 == 1) {
            cairo_rectangle(cr, at.dx + labelDx - 2, at.dy - 6, kTickDx[p] + 12 - labelDx, 12);
            FillPath(cr, kCoral.Alpha(0.07));
        }
        TextMiddle(cr, kToppings[t].label, at.dx + labelDx, at.dy, Small(9.5), kPrint, Align::Left);
        TickBox(cr, at.dx + kTickDx[p] - 2, at.dy);
    }

    // The pizza's label and its price block.
    const Offset label = At(kFirstLabel + p);
    TextMiddle(cr, p == 0 ? "Pizza 1" : "Pizza 2", label.dx, label.dy, Small(12, true), kCoralDark);
    const Offset last = At(base + kLastTopping);
    const double bx = last.dx + kPriceDx - 8, by = last.dy + kPriceFirstDy - 16;
    cairo_rectangle(cr, bx, by, 200, kPriceStep * 5 + 6);
    StrokePath(cr, kPrint, 1);
    for (int i = 0; i < 5; ++i) Underline(cr, bx + 4, bx + 196, last.dy + kPriceFirstDy + kPriceStep * i + 4);
    Text(cr, "TVH 13 % incluse au total", right - 6, kCopyBottom - 12, Small(7), kPrint, Align::Right);
}

void Pad(cairo_t* cr) {
    // The clipboard behind both copies.
    RoundedRect(cr, kCopyLeft - 14, kCopyTop - 30, kCopyShift + kCopyWidth + 28, kCopyBottom - kCopyTop + 44, 10);
    FillPath(cr, kWood);
    RoundedRect(cr, kCopyLeft - 10, kCopyTop - 26, kCopyShift + kCopyWidth + 20, kCopyBottom - kCopyTop + 36, 8);
    FillPath(cr, kWood.Mix(kWhite, 0.12));
    for (int p = 0; p < kPizzaCount; ++p) Copy(cr, p);
    // The clip.
    const double cx = (kCopyLeft + kCopyShift + kCopyWidth) / 2;
    RoundedRect(cr, cx - 40, kCopyTop - 36, 80, 22, 6);
    FillPath(cr, Hex(0x9AA3AD));
    RoundedRect(cr, cx - 34, kCopyTop - 32, 68, 10, 4);
    FillPath(cr, Hex(0xD5DBE0));
}

void OrderPad(cairo_t* cr, int, int) {
    UsePadUnits(cr);
    Pad(cr);
}

// The help sheet: the pad lit again, a gold ring on every line that
// answers, and a card saying what to do. It is drawn 4 pixels right and
// down of the view's centre, so it shifts back to lie on the pad.
void HelpSheet(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    UsePadUnits(cr, -4, -4);
    Pad(cr);
    auto ring = [&](int line, double halfWidth) {
        const Offset at = At(line);
        RoundedRect(cr, at.dx - halfWidth, at.dy - 7, 2 * halfWidth, 14, 6);
        StrokePath(cr, kGold, 1.6);
    };
    for (int p = 0; p < kPizzaCount; ++p) {
        const int base = p * kPizzaStride;
        ring(base + kNameLine, 50);
        for (int s = 0; s < kSizeCount; ++s) ring(base + kFirstSize + s, 118);
        for (int t = 0; t < kToppingCount; ++t) ring(base + kFirstTopping + t, 50);
        ring(kFirstLabel + p, 30);
    }
    // The card under the pad.
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, -250, 262, 500, 84, 14);
            FillPath(c, kCream);
            RoundedRect(c, -250, 262, 12, 84, 6);
            FillPath(c, kCoral);
        },
        0, 4, 6, 0.4);
    Font f;
    f.px = 17;
    Text(cr, "Cliquez sur une ligne du bon pour l'entendre.\nQuand vous êtes prêt, cliquez sur Jouer.", 6, 280, f,
         kInk, Align::Centre, 460);
    cairo_restore(cr);
}

// A pad filled in by the shop's pen, for the pricing game: the name, the
// size ringed and the toppings ticked, the price block left empty.
void FilledPad(cairo_t* cr, const PricingForms::Form& form) {
    UsePadUnits(cr);
    Pad(cr);
    Font pen;
    pen.px = 12;
    pen.bold = false;
    pen.serif = true;
    const Colour ink = Hex(0x1A3E9E);
    const Offset name = At(kNameLine);
    TextMiddle(cr, form.customer, name.dx, name.dy + 2, pen, ink, Align::Left);
    const Offset size = At(form.sizeLine);
    RoundedRect(cr, size.dx + kSizeRingFrom.dx, size.dy + kSizeRingFrom.dy, kSizeRingTo.dx - kSizeRingFrom.dx,
                kSizeRingTo.dy - kSizeRingFrom.dy, 5);
    StrokePath(cr, ink, 1.4);
    for (int line : form.toppings) {
        if (line < 0) continue;
        const Offset at = At(line);
        const double x = at.dx + kTickDx[0] + 3.5, y = at.dy;
        cairo_move_to(cr, x - 4, y - 4);
        cairo_line_to(cr, x + 4, y + 4);
        cairo_move_to(cr, x + 4, y - 4);
        cairo_line_to(cr, x - 4, y + 4);
        StrokePath(cr, ink, 1.6);
    }
}

// The pricing game's help sheet: the price block ringed line by line, the
// toppings ringed, and a card saying what to do.
void PricingSheet(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    UsePadUnits(cr);
    const Offset last = At(kLastTopping);
    for (int i = 0; i < PricingForms::kPriceLineCount; ++i) {
        const double x = last.dx + kPriceDx + PricingForms::kLineMiddleDx;
        const double y = last.dy + kPriceFirstDy + kPriceStep * i + PricingForms::kLineMiddleDy;
        RoundedRect(cr, x - 96, y - 8, 192, 16, 6);
        StrokePath(cr, kGold, 2);
    }
    const Offset first = At(kFirstTopping);
    RoundedRect(cr, first.dx - 50, first.dy - 9, 100, 18, 6);
    StrokePath(cr, kGold, 2);
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, -250, 262, 500, 84, 14);
            FillPath(c, kCream);
            RoundedRect(c, -250, 262, 12, 84, 6);
            FillPath(c, kCoral);
        },
        0, 4, 6, 0.4);
    Font f;
    f.px = 17;
    Text(cr, "Cliquez sur une ligne du prix pour entendre sa règle.\nQuand vous êtes prêt, cliquez sur Jouer.", 6,
         280, f, kInk, Align::Centre, 460);
    cairo_restore(cr);
}

// Brushed steel: fine horizontal grain, a seam and a few rivets.
void Steel(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    FillVertical(cr, Hex(0xC9CED3), Hex(0xA9B0B7), 0, h);
    Random random{7};
    for (int i = 0; i < 1400; ++i) {
        const double y = random.Next() * h, x = random.Next() * w, len = 80 + random.Next() * 500;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        StrokePath(cr, (random.Next() < 0.5 ? kWhite : Hex(0x5A626B)).Alpha(0.05 + random.Next() * 0.08), 1 + random.Next());
    }
    for (double y : {h * 0.12, h * 0.9}) {
        cairo_rectangle(cr, 0, y, w, 4);
        FillPath(cr, Hex(0x7F878F, 0.6));
        cairo_rectangle(cr, 0, y + 4, w, 2);
        FillPath(cr, kWhite.Alpha(0.5));
        for (double x = 40; x < w; x += 160) {
            Circle(cr, x, y + 14, 6);
            FillPath(cr, Hex(0x8C949B));
            Circle(cr, x - 1, y + 13, 3.5);
            FillPath(cr, Hex(0xE2E6EA));
        }
    }
}

// An answering machine, its light on: a new message waits. The pizzeria's
// orders and the dentist's messages both show it.
void AnsweringMachine(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 40, 60, 300, 170, 26);
            FillPath(c, Hex(0x30363F));
        },
        0, 8, 10, 0.45);
    RoundedRect(cr, 52, 70, 276, 150, 20);
    FillPath(cr, Hex(0x3D4550));
    RoundedRect(cr, 70, 86, 150, 40, 6);
    FillPath(cr, Hex(0xB9D7A8));
    Font lcd = Small(20, true);
    TextMiddle(cr, "1 message", 84, 106, lcd, Hex(0x2F4A2A), Align::Left);
    Circle(cr, 280, 106, 14);
    FillPath(cr, kRed);
    Circle(cr, 276, 102, 5);
    FillPath(cr, kWhite.Alpha(0.6));
    for (int i = 0; i < 4; ++i) {
        RoundedRect(cr, 76 + i * 50, 150, 38, 28, 6);
        FillPath(cr, Hex(0xE4E0D8));
    }
    Circle(cr, 290, 178, 26);
    FillPath(cr, kGreen);
    Polygon(cr, {{282, 166}, {282, 190}, {302, 178}});
    FillPath(cr, kWhite);
    // The bubble: what the machine holds.
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 340, 20, 160, 96, 18);
            FillPath(c, kCream);
            Polygon(c, {{350, 100}, {330, 130}, {380, 110}});
            FillPath(c, kCream);
        },
        0, 4, 6, 0.35);
    Font f = Small(22, true);
    Text(cr, "Nouveau\nmessage", 420, 36, f, kCoralDark);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"stainless-steel.png", 2048, 1024, Steel},
        {"pizzaOrderForm.png", 1024, 1024, OrderPad},
        {"pizzaOverlay.png", 1024, 1024, HelpSheet},
        {"message_de_la_repondeuse.png", 512, 256, AnsweringMachine},
        TaskCard("consigne2_1.png", "Le bon de commande", "Écoutez, puis remplissez le bon", kCoral),
        TaskCard("consigne2_6.png", "La commande en anglais", "Écoutez en anglais, écrivez sur le bon", kCoral),
    };
    for (const Picture& p : ProgressStrip("minijeu2_1progress%d.png", 2, kCoral)) pictures.push_back(p);
    // The pricing game (2_9).
    for (const PricingForms::Form& form : PricingForms::kForms) {
        pictures.push_back({form.picture, 1024, 1024, [form](cairo_t* cr, int, int) { FilledPad(cr, form); }});
    }
    pictures.push_back({"pizzaOverlay2.png", 1024, 1024, PricingSheet});
    pictures.push_back(
        CaptionPicture("instruction_recu.png", "Calculez le prix de la pizza, ligne par ligne.", kCoral));
    pictures.push_back(TaskCard("consigne2_9.png", "Le prix de la commande", "Base, garnitures, TVH, total", kCoral));
    return Run(argc, argv, pictures);
}
