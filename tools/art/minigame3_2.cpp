// The dated goods shared by the belt and the sorting games: the eight
// products with their best-before stickers, the big labels, the format
// cards, the month chart, the day cards, the cart and the trash, the sheet
// and the sorting game's task card. Every printed date comes from the
// games' date table, so a label always says the date the game compares.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/grocery/BestBefore.h"

using namespace art;
using namespace art::ink;
using namespace BestBefore;

namespace {

const Colour kSticker = Hex(0xFFFFFF);

// A white best-before sticker with its text, centred on (cx, cy).
void Sticker(cairo_t* cr, const std::string& text, double cx, double cy, double width, double px) {
    const double h = px * 1.9;
    RoundedRect(cr, cx - width / 2 + 2, cy - h / 2 + 3, width, h, 8);
    FillPath(cr, Hex(0x000000, 0.25));
    RoundedRect(cr, cx - width / 2, cy - h / 2, width, h, 8);
    FillPath(cr, kSticker);
    RoundedRect(cr, cx - width / 2, cy - h / 2, width, h, 8);
    StrokePath(cr, kInk.Alpha(0.5), 2);
    Font f;
    f.px = px;
    f.condensed = true;
    double tw, th;
    Measure(cr, text, f, &tw, &th);
    while (tw > width - 12 && f.px > 10) {
        f.px -= 1;
        Measure(cr, text, f, &tw, &th);
    }
    TextMiddle(cr, text, cx, cy, f, kInk);
}

void Name(cairo_t* cr, const std::string& name, double cx, double cy, double px, const Colour& c) {
    Font f;
    f.px = px;
    TextMiddle(cr, name, cx, cy, f, c);
}

// Each package fills a 512 x 512 canvas; its sticker is laid on last.
void Bread(cairo_t* cr) {
    RoundedRect(cr, 70, 150, 372, 250, 110);
    FillPath(cr, Hex(0xE9F1F7, 0.9));
    RoundedRect(cr, 90, 170, 332, 210, 100);
    FillVertical(cr, Hex(0xE0A55A), Hex(0xA8662A), 170, 380);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 150 + i * 65, 190);
        cairo_curve_to(cr, 170 + i * 65, 230, 170 + i * 65, 260, 150 + i * 65, 290);
        StrokePath(cr, Hex(0xF3C888), 8);
    }
    Polygon(cr, {{420, 230}, {480, 200}, {480, 320}, {420, 290}});
    FillPath(cr, Hex(0xE9F1F7, 0.9));
    cairo_rectangle(cr, 430, 236, 14, 48);
    FillPath(cr, kGreen);
    Name(cr, "Pain", 256, 250, 44, kWhite);
}

void Box(cairo_t* cr, double x, double y, double w, double h, const Colour& face) {
    RoundedRect(cr, x + 10, y + 10, w, h, 10);
    FillPath(cr, Hex(0x000000, 0.2));
    RoundedRect(cr, x, y, w, h, 10);
    FillVertical(cr, face.Mix(kWhite, 0.15), face.Mix(kInk, 0.15), y, y + h);
}

void Cereal(cairo_t* cr) {
    Box(cr, 130, 40, 252, 420, Hex(0xF2B93A));
    Circle(cr, 256, 200, 80);
    FillPath(cr, kWhite);
    cairo_arc(cr, 256, 210, 62, 0, M_PI);
    FillPath(cr, Hex(0x3C7DC4));
    for (int i = 0; i < 6; ++i) {
        Circle(cr, 214 + i * 17, 200 - (i % 2) * 8, 11);
        FillPath(cr, Hex(0xC97A1E));
    }
    Name(cr, "Céréales", 256, 90, 40, kCoralDark);
}

void Cookies(cairo_t* cr) {
    Box(cr, 50, 130, 412, 230, Hex(0x3C7DC4));
    for (int i = 0; i < 3; ++i) {
        Circle(cr, 150 + i * 106, 210, 46);
        FillPath(cr, Hex(0xC98A3E));
        for (int k = 0; k < 5; ++k) {
            Circle(cr, 135 + i * 106 + (k * 13) % 34, 195 + (k * 17) % 30, 6);
            FillPath(cr, Hex(0x4A2A12));
        }
    }
    Name(cr, "Biscuits", 256, 158, 32, kWhite);
}

void Pasta(cairo_t* cr) {
    Box(cr, 70, 100, 372, 300, Hex(0x24476B));
    RoundedRect(cr, 110, 170, 292, 110, 20);
    FillPath(cr, Hex(0xFFF6D8));
    for (int i = 0; i < 9; ++i) {
        cairo_move_to(cr, 120, 180 + i * 11);
        cairo_line_to(cr, 392, 176 + i * 11);
        StrokePath(cr, Hex(0xE8B84A), 4);
    }
    Name(cr, "Pâtes", 256, 135, 40, kWhite);
}

void Soup(cairo_t* cr) {
    RoundedRect(cr, 130, 60, 252, 400, 24);
    FillPath(cr, Hex(0xB9BEC4));
    cairo_rectangle(cr, 130, 90, 252, 170);
    FillPath(cr, Hex(0xC8302A));
    cairo_rectangle(cr, 130, 260, 252, 170);
    FillPath(cr, kWhite);
    for (double y : {70.0, 450.0}) {
        cairo_move_to(cr, 130, y);
        cairo_line_to(cr, 382, y);
        StrokePath(cr, Hex(0x8A9096), 10);
    }
    Name(cr, "Soupe", 256, 170, 50, kWhite);
}

void Milk(cairo_t* cr) {
    Polygon(cr, {{150, 130}, {256, 40}, {362, 130}});
    FillPath(cr, Hex(0xDCE6F0));
    Box(cr, 150, 130, 212, 330, kWhite);
    cairo_rectangle(cr, 150, 150, 212, 90);
    FillPath(cr, Hex(0x3C7DC4));
    Name(cr, "Lait", 256, 195, 46, kWhite);
    Name(cr, "2 %", 256, 270, 30, Hex(0x3C7DC4));
}

void Yogurt(cairo_t* cr) {
    Polygon(cr, {{120, 150}, {392, 150}, {360, 430}, {152, 430}});
    FillPath(cr, kWhite);
    Polygon(cr, {{126, 200}, {386, 200}, {378, 270}, {134, 270}});
    FillPath(cr, Hex(0xE45C8A));
    RoundedRect(cr, 105, 120, 302, 36, 12);
    FillPath(cr, Hex(0xC0C6CC));
    Name(cr, "Yogourt", 256, 235, 38, kWhite);
}

void Cheese(cairo_t* cr) {
    Polygon(cr, {{60, 330}, {300, 110}, {452, 200}, {452, 390}, {60, 390}});
    FillPath(cr, Hex(0xF2B93A));
    Polygon(cr, {{60, 330}, {300, 110}, {452, 200}, {212, 330}});
    FillPath(cr, Hex(0xF7D06A));
    for (auto h : {std::pair<double, double>{120, 360}, {240, 372}, {380, 350}}) {
        Circle(cr, h.first, h.second, 14);
        FillPath(cr, Hex(0xD89A20));
    }
    Name(cr, "Fromage", 300, 290, 38, kCoralDark);
}

void ProductPicture(cairo_t* cr, int w, int h, int p) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            switch (p) {
                case 0: Bread(c); break;
                case 1: Cereal(c); break;
                case 2: Cookies(c); break;
                case 3: Pasta(c); break;
                case 4: Soup(c); break;
                case 5: Milk(c); break;
                case 6: Yogurt(c); break;
                case 7: Cheese(c); break;
                default: break;
            }
        },
        0, 6, 8, 0.3);
    Sticker(cr, LabelText(OnCalendar(kProducts[p].value), kProducts[p].form), 256, 420, 400, 50);
}

// The label shown big: the sticker as it reads on the package.
void LabelPicture(cairo_t* cr, int w, int h, const std::string& text) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 10, 8, w - 20, h - 22, 14);
            FillPath(c, kSticker);
        },
        0, 4, 6, 0.35);
    RoundedRect(cr, 10, 8, w - 20, h - 22, 14);
    StrokePath(cr, kGreenDark, 3);
    Font head;
    head.px = 18;
    head.condensed = true;
    TextMiddle(cr, "MEILLEUR AVANT / BEST BEFORE", w / 2.0, 28, head, kGreenDark);
    Font f;
    f.px = 48;
    f.condensed = true;
    TextMiddle(cr, text, w / 2.0, 72, f, kInk);
}

void Speaker(cairo_t* cr, double x, double y, double s, const Colour& c) {
    Polygon(cr, {{x - s, y - s * 0.5}, {x - s * 0.3, y - s * 0.5}, {x + s * 0.5, y - s * 1.2},
                 {x + s * 0.5, y + s * 1.2}, {x - s * 0.3, y + s * 0.5}, {x - s, y + s * 0.5}});
    FillPath(cr, c);
    cairo_arc(cr, x + s * 0.6, y, s * 0.9, -0.8, 0.8);
    StrokePath(cr, c, s * 0.22);
}

void Card(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 10, 8, w - 20, h - 24, 18);
            FillPath(c, kCream);
            RoundedRect(c, 10, 8, 16, h - 24, 8);
            FillPath(c, kGreen);
        },
        0, 5, 6, 0.35);
}

void FormatPicture(cairo_t* cr, int w, int h, int form) {
    Card(cr, w, h);
    Font head;
    head.px = 26;
    TextMiddle(cr, "Forme " + std::to_string(form + 1), 70, 44, head, kGreenDark, Align::Left);
    Speaker(cr, w - 60, 44, 16, kGreen);
    Sticker(cr, LabelText(kCardDate, Form(form)), w / 2.0 + 8, 140, w - 90, 46);
    Font small;
    small.px = 20;
    small.bold = false;
    TextMiddle(cr, "Cliquez pour écouter", w / 2.0 + 8, 206, small, kInk);
}

void LongCard(cairo_t* cr, int w, int h) {
    Card(cr, w, h);
    Font head;
    head.px = 34;
    TextMiddle(cr, "Les dates « meilleur avant »", 60, 48, head, kGreenDark, Align::Left);
    Speaker(cr, w - 64, 48, 18, kGreen);
    Font body;
    body.px = 31;
    body.bold = false;
    Text(cr, "Le mois s'écrit souvent en deux lettres : JA = janvier.\nCliquez sur une carte pour l'entendre.", 50, 96,
         body, kInk, Align::Left, w - 100);
}

void MonthChart(cairo_t* cr, int w, int h) {
    Card(cr, w, h);
    Font head;
    head.px = 34;
    TextMiddle(cr, "Les mois", w / 2.0 + 8, 48, head, kGreenDark);
    Font code;
    code.px = 30;
    Font name;
    name.px = 24;
    name.bold = false;
    for (int m = 0; m < 12; ++m) {
        const double x = 50 + (m / 6) * 225, y = 108 + (m % 6) * 62;
        RoundedRect(cr, x, y - 22, 64, 44, 8);
        FillPath(cr, kGreen);
        TextMiddle(cr, kMonths[m].twoLetters, x + 32, y, code, kWhite);
        TextMiddle(cr, kMonths[m].french, x + 76, y, name, kInk, Align::Left);
    }
}

void TodayPicture(cairo_t* cr, int w, int h, const Date& d) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 10, 8, w - 20, h - 24, 18);
            FillPath(c, kWhite);
            RoundedRect(c, 10, 8, w - 20, 64, 18);
            FillPath(c, kCoral);
            cairo_rectangle(c, 10, 50, w - 20, 22);
            FillPath(c, kCoral);
        },
        0, 5, 6, 0.35);
    Font head;
    head.px = 32;
    TextMiddle(cr, "Aujourd'hui", w / 2.0, 42, head, kWhite);
    Font f;
    f.px = 50;
    TextMiddle(cr, std::to_string(d.day) + (d.day == 1 ? "er " : " ") + kMonths[d.month - 1].french, w / 2.0, 122, f,
               kInk);
    Font y;
    y.px = 36;
    y.bold = false;
    TextMiddle(cr, std::to_string(d.year), w / 2.0, 184, y, kInk);
}

void Cart(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
            Polygon(c, {{110, 140}, {440, 140}, {400, 330}, {150, 330}});
            FillPath(c, kGreen.Alpha(0.25));
            for (int i = 0; i < 5; ++i) {
                cairo_move_to(c, 150 + i * 65, 140);
                cairo_line_to(c, 165 + i * 55, 330);
            }
            cairo_move_to(c, 120, 205);
            cairo_line_to(c, 425, 205);
            cairo_move_to(c, 135, 270);
            cairo_line_to(c, 412, 270);
            StrokePath(c, kGreenDark, 6);
            Polygon(c, {{110, 140}, {440, 140}, {400, 330}, {150, 330}});
            StrokePath(c, kGreenDark, 12);
            cairo_move_to(c, 40, 90);
            cairo_line_to(c, 95, 90);
            cairo_line_to(c, 150, 330);
            cairo_line_to(c, 165, 385);
            cairo_line_to(c, 410, 385);
            StrokePath(c, kGreenDark, 12);
            Circle(c, 190, 420, 26);
            Circle(c, 380, 420, 26);
            FillPath(c, kInk);
        },
        0, 6, 6, 0.3);
    Font f;
    f.px = 40;
    TextMiddle(cr, "Panier", w / 2.0, 480, f, kGreenDark);
}

void Trash(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            Polygon(c, {{140, 140}, {372, 140}, {350, 430}, {162, 430}});
            FillPath(c, Hex(0x6E7780));
            RoundedRect(c, 115, 100, 282, 40, 10);
            FillPath(c, Hex(0x4E565E));
            RoundedRect(c, 220, 76, 72, 30, 8);
            StrokePath(c, Hex(0x4E565E), 10);
            for (int i = 0; i < 4; ++i) {
                cairo_move_to(c, 190 + i * 44, 170);
                cairo_line_to(c, 196 + i * 40, 400);
                StrokePath(c, Hex(0x4E565E), 10);
            }
        },
        0, 6, 6, 0.3);
    Font f;
    f.px = 40;
    TextMiddle(cr, "Poubelle", w / 2.0, 480, f, kCoralDark);
}

void Sheet(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, 316, 92, 730, 50, 14);
            FillPath(c, kCream);
            RoundedRect(c, 316, 92, 12, 50, 6);
            FillPath(c, kGreen);
        },
        0, 4, 6, 0.4);
    UseReferenceLayout(cr, w, h);
    Font f;
    f.px = 20;
    TextMiddle(cr, "Cliquez sur une carte pour l'entendre lue. Puis cliquez sur Jouer.", 686, 117, f, kInk);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"dates_overlay.png", 2048, 1024, Sheet},
        {kLongCard, 1024, 256, LongCard},
        {kMonthChart, 512, 512, MonthChart},
        {"shoppingcart.png", 512, 512, Cart},
        {"trash.png", 512, 512, Trash},
        TaskCard("consigne3_2.png", "Les dates", "Panier ou poubelle ?", kGreen),
    };
    for (int p = 0; p < kProductCount; ++p) {
        const std::string n = std::to_string(p + 1);
        pictures.push_back({"Item" + n + ".png", 512, 512, [p](cairo_t* cr, int w, int h) { ProductPicture(cr, w, h, p); }});
        const std::string label = LabelText(OnCalendar(kProducts[p].value), kProducts[p].form);
        pictures.push_back({"Item" + n + "Date.png", 512, 128, [label](cairo_t* cr, int w, int h) { LabelPicture(cr, w, h, label); }});
    }
    for (int f = 0; f < kFormCount; ++f) {
        pictures.push_back({kFormatCards[f].picture, 512, 256, [f](cairo_t* cr, int w, int h) { FormatPicture(cr, w, h, f); }});
    }
    for (int t = 0; t < kTodayCount; ++t) {
        const Date d = OnCalendar(kTodayValues[t]);
        pictures.push_back({"Today" + std::to_string(t + 1) + ".png", 512, 256,
                            [d](cairo_t* cr, int w, int h) { TodayPicture(cr, w, h, d); }});
    }
    return Run(argc, argv, pictures);
}
