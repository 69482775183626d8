// The minigames' icons (shown at scale 2, so at their file size: 64 x 64 on
// screen, in the workplaces' rooms) and the three category pictures.
// Each icon is a tile in its workplace's colour with a white pictogram; the
// French and English versions of one exercise carry a "FR" / "EN" tab.
#include <cmath>
#include <string>

#include "Art.h"
#include "minigames/grocery/BestBefore.h"
#include "minigames/grocery/ProduceCodes.h"

using namespace art;
using namespace art::ink;

namespace {

using Mark = std::function<void(cairo_t*)>;

void Tab(cairo_t* cr, const std::string& text) {
    Font f;
    f.px = 12;
    RoundedRect(cr, 34, 2, 28, 17, 5);
    FillPath(cr, kWhite);
    RoundedRect(cr, 34, 2, 28, 17, 5);
    StrokePath(cr, kInk.Alpha(0.5), 1);
    TextMiddle(cr, text, 48, 10.5, f, kInk);
}

void Tile(cairo_t* cr, int w, int h, const Colour& face, const Mark& mark, const std::string& tab) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 4, 5, 56, 56, 13);
            FillPath(c, face.Mix(kInk, 0.35));
            RoundedRect(c, 4, 3, 56, 55, 13);
            FillPath(c, face);
            RoundedRect(c, 6, 5, 52, 51, 11);
            StrokePath(c, kWhite.Alpha(0.35), 1.5);
            mark(c);
            if (!tab.empty()) Tab(c, tab);
        },
        0, 1.5, 2.5, 0.4);
}

const Colour kW = kWhite;

void Paper(cairo_t* c, double x, double y, double w, double h) {
    RoundedRect(c, x, y, w, h, 2.5);
    FillPath(c, kW);
}
void Line(cairo_t* c, double x0, double y0, double x1, double y1, const Colour& col, double lw) {
    cairo_move_to(c, x0, y0);
    cairo_line_to(c, x1, y1);
    StrokePath(c, col, lw);
}

void Handset(cairo_t* c, double cx, double cy, double s, const Colour& col) {
    cairo_save(c);
    cairo_translate(c, cx, cy);
    cairo_scale(c, s, s);
    cairo_rotate(c, -0.6);
    RoundedRect(c, -14, -4, 28, 8, 4);
    FillPath(c, col);
    RoundedRect(c, -17, -2, 9, 12, 3);
    FillPath(c, col);
    RoundedRect(c, 8, -2, 9, 12, 3);
    FillPath(c, col);
    cairo_restore(c);
}

void Bubble(cairo_t* c, double x, double y, double w, double h, const Colour& col) {
    RoundedRect(c, x, y, w, h, 5);
    cairo_move_to(c, x + 6, y + h - 1);
    cairo_line_to(c, x + 3, y + h + 6);
    cairo_line_to(c, x + 13, y + h - 1);
    FillPath(c, col);
}

// --- the dentist's office ---
void AnsweringMachine(cairo_t* c) {
    RoundedRect(c, 12, 22, 40, 26, 4);
    FillPath(c, kW);
    RoundedRect(c, 17, 27, 19, 11, 2);
    FillPath(c, kTeal.Mix(kInk, 0.3));
    Circle(c, 22, 32.5, 3);
    FillPath(c, kW);
    Circle(c, 31, 32.5, 3);
    FillPath(c, kW);
    Circle(c, 44, 30, 3.2);
    FillPath(c, kCoral);
    for (int i = 0; i < 3; ++i) {
        RoundedRect(c, 17 + i * 8, 41, 6, 4, 1);
        FillPath(c, kTeal);
    }
    Handset(c, 32, 16, 0.85, kW);
}
void MessageForm(cairo_t* c) {
    Paper(c, 15, 12, 30, 40);
    for (int i = 0; i < 5; ++i) Line(c, 20, 20 + i * 6.5, i == 4 ? 32 : 40, 20 + i * 6.5, kTeal, 2);
    cairo_save(c);
    cairo_translate(c, 45, 38);
    cairo_rotate(c, 0.7);
    RoundedRect(c, -3, -14, 6, 22, 1.5);
    FillPath(c, kGold);
    cairo_move_to(c, -3, 8);
    cairo_line_to(c, 0, 14);
    cairo_line_to(c, 3, 8);
    FillPath(c, kInk);
    cairo_restore(c);
}
void FaxSheet(cairo_t* c) {
    Paper(c, 16, 10, 32, 44);
    Font f;
    f.px = 11;
    TextMiddle(c, "FAX", 32, 18, f, kTeal.Mix(kInk, 0.3));
    for (int i = 0; i < 4; ++i) {
        Line(c, 20, 27 + i * 6.5, 26, 27 + i * 6.5, kTeal, 2);
        Line(c, 29, 27 + i * 6.5, 44, 27 + i * 6.5, Hex(0xBFCFD0), 2);
    }
}
void FaxMachine(cairo_t* c) {
    Paper(c, 22, 9, 20, 18);
    for (int i = 0; i < 2; ++i) Line(c, 26, 14 + i * 5, 38, 14 + i * 5, kTeal, 1.8);
    RoundedRect(c, 10, 24, 44, 26, 5);
    FillPath(c, kW);
    cairo_rectangle(c, 18, 24, 28, 4);
    FillPath(c, kTeal.Mix(kInk, 0.4));
    RoundedRect(c, 15, 32, 16, 8, 2);
    FillPath(c, kTeal.Mix(kInk, 0.3));
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 3; ++k) {
            Circle(c, 37 + k * 5.5, 33 + r * 6, 2);
            FillPath(c, kTeal);
        }
}
void Greeting(cairo_t* c) {
    Handset(c, 22, 42, 1.0, kW);
    Bubble(c, 24, 22, 28, 17, kW);
    for (int i = 0; i < 3; ++i) {
        Circle(c, 32 + i * 6, 30.5, 1.8);
        FillPath(c, kTeal);
    }
}
void Answering(cairo_t* c) {
    Handset(c, 30, 36, 1.15, kW);
    for (int i = 1; i <= 2; ++i) {
        cairo_arc(c, 30, 36, 14 + 6 * i, -2.6, -1.9);
        StrokePath(c, kW, 2.5);
        cairo_arc(c, 30, 36, 14 + 6 * i, -1.2, -0.5);
        StrokePath(c, kW, 2.5);
    }
}
void OrgChart(cairo_t* c) {
    RoundedRect(c, 24, 12, 16, 11, 2);
    FillPath(c, kW);
    Line(c, 32, 23, 32, 30, kW, 2);
    Line(c, 16, 30, 48, 30, kW, 2);
    for (int k = 0; k < 3; ++k) {
        Line(c, 16 + k * 16, 30, 16 + k * 16, 35, kW, 2);
        RoundedRect(c, 9 + k * 16, 35, 14, 10, 2);
        FillPath(c, k == 2 ? kGoldLight : kW);
    }
    Font f;
    f.px = 9;
    TextMiddle(c, "123", 41, 51, f, kW);
}

// --- the pizzeria ---
void Slice(cairo_t* c, double cx, double cy, double s) {
    Polygon(c, {{cx - 10 * s, cy - 8 * s}, {cx + 10 * s, cy - 8 * s}, {cx, cy + 12 * s}});
    FillPath(c, Hex(0xF6D26B));
    RoundedRect(c, cx - 11 * s, cy - 11 * s, 22 * s, 5 * s, 2.5 * s);
    FillPath(c, Hex(0xE9B45E));
    Circle(c, cx - 3 * s, cy - 2 * s, 2.2 * s);
    FillPath(c, Hex(0xD9472B));
    Circle(c, cx + 3 * s, cy + 3 * s, 2 * s);
    FillPath(c, Hex(0xD9472B));
}
void OrderForm(cairo_t* c) {
    RoundedRect(c, 14, 12, 32, 42, 3);
    FillPath(c, kW);
    RoundedRect(c, 23, 9, 14, 6, 2);
    FillPath(c, kCoralDark.Mix(kInk, 0.3));
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(c, 19, 20 + i * 9, 5, 5);
        StrokePath(c, kCoralDark, 1.5);
        Line(c, 27, 22.5 + i * 9, 41, 22.5 + i * 9, kCoral, 2);
    }
    Slice(c, 44, 44, 0.75);
}
void Gps(cairo_t* c) {
    RoundedRect(c, 10, 16, 44, 32, 5);
    FillPath(c, kW);
    RoundedRect(c, 14, 20, 36, 24, 3);
    FillPath(c, Hex(0xCFE3C8));
    Line(c, 14, 38, 50, 26, kW, 4);
    Line(c, 26, 20, 34, 44, kW, 3);
    cairo_move_to(c, 36, 36);
    cairo_arc(c, 36, 27, 6, M_PI * 0.8, M_PI * 2.2);
    cairo_close_path(c);
    FillPath(c, kCoralDark);
    Circle(c, 36, 27, 2.3);
    FillPath(c, kW);
    RoundedRect(c, 28, 48, 8, 6, 1);
    FillPath(c, kW);
}
void RoadSign(cairo_t* c) {
    Line(c, 32, 34, 32, 56, kW, 3.5);
    Polygon(c, {{32, 8}, {52, 40}, {12, 40}});
    Set(c, kW);
    cairo_fill_preserve(c);
    StrokePath(c, kW, 3);
    Polygon(c, {{32, 14}, {47, 37}, {17, 37}});
    StrokePath(c, Hex(0xD23B2B), 3.5);
    Font f;
    f.px = 15;
    TextMiddle(c, "!", 32, 29, f, kInk);
}
void Elevator(cairo_t* c) {
    RoundedRect(c, 18, 8, 28, 48, 4);
    FillPath(c, kW);
    cairo_move_to(c, 32, 14);
    cairo_line_to(c, 39, 23);
    cairo_line_to(c, 25, 23);
    FillPath(c, kCoralDark);
    cairo_move_to(c, 32, 50);
    cairo_line_to(c, 39, 41);
    cairo_line_to(c, 25, 41);
    FillPath(c, kCoralDark);
    Circle(c, 32, 32, 4);
    FillPath(c, kGold);
}
void Terminal(cairo_t* c) {
    RoundedRect(c, 16, 10, 28, 46, 5);
    FillPath(c, kW);
    RoundedRect(c, 20, 14, 20, 10, 2);
    FillPath(c, Hex(0xCFE3C8));
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            RoundedRect(c, 20.5 + k * 7, 28 + r * 7, 5, 5, 1);
            FillPath(c, kCoral.Mix(kInk, 0.2));
        }
    cairo_save(c);
    cairo_translate(c, 45, 44);
    cairo_rotate(c, -0.35);
    RoundedRect(c, -10, -7, 20, 14, 2.5);
    FillPath(c, kGold);
    cairo_rectangle(c, -10, -3, 20, 3);
    FillPath(c, kInk.Alpha(0.6));
    cairo_restore(c);
}
void InfoSign(cairo_t* c) {
    Line(c, 32, 40, 32, 56, kW, 3.5);
    RoundedRect(c, 12, 10, 40, 32, 5);
    FillPath(c, kW);
    RoundedRect(c, 15, 13, 34, 26, 3);
    FillPath(c, Hex(0x2D6DB5));
    Font f;
    f.px = 20;
    f.serif = true;
    TextMiddle(c, "i", 32, 26, f, kW);
}
void Prices(cairo_t* c) {
    RoundedRect(c, 14, 9, 36, 46, 5);
    FillPath(c, kW);
    RoundedRect(c, 18, 13, 28, 11, 2);
    FillPath(c, Hex(0xCFE3C8));
    Font f;
    f.px = 10;
    TextMiddle(c, "$", 32, 18.5, f, kInk, Align::Centre);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            RoundedRect(c, 18.5 + k * 9.5, 28 + r * 8.5, 7, 6, 1.5);
            FillPath(c, r == 2 && k == 2 ? kGold : kCoral.Mix(kInk, 0.2));
        }
}

// --- the grocery ---
void Carton(cairo_t* c, double x, double y) {
    cairo_rectangle(c, x, y + 8, 20, 30);
    FillPath(c, kW);
    cairo_move_to(c, x, y + 8);
    cairo_line_to(c, x + 4, y);
    cairo_line_to(c, x + 16, y);
    cairo_line_to(c, x + 20, y + 8);
    FillPath(c, kW.Mix(kGreen, 0.15));
}
void BestBeforeLabel(cairo_t* c) {
    Carton(c, 12, 14);
    RoundedRect(c, 26, 24, 28, 20, 3);
    FillPath(c, kGoldLight);
    Font f;
    f.px = 7;
    // A best-before label as packages print it: the bilingual month, then the day.
    TextMiddle(c, "BB/MA", 40, 30, f, kInk);
    TextMiddle(c, std::string(::BestBefore::kMonths[2].twoLetters) + " 15", 40, 39, f, kInk);
}
void Calendar(cairo_t* c) {
    RoundedRect(c, 12, 12, 40, 38, 4);
    FillPath(c, kW);
    RoundedRect(c, 12, 12, 40, 10, 4);
    FillPath(c, kCoral);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) {
            cairo_rectangle(c, 16 + k * 9, 26 + r * 7.5, 6, 5);
            FillPath(c, r == 1 && k == 2 ? kGreenDark : Hex(0xC9D6C4));
        }
    Line(c, 46, 52, 56, 52, kW, 2.5);
    cairo_move_to(c, 52, 48);
    cairo_line_to(c, 57, 52);
    cairo_line_to(c, 52, 56);
    StrokePath(c, kW, 2.5);
}
void Fridge(cairo_t* c) {
    RoundedRect(c, 17, 8, 30, 48, 5);
    FillPath(c, kW);
    Line(c, 17, 26, 47, 26, kGreen, 2);
    Line(c, 22, 14, 22, 21, kGreen, 2.5);
    Line(c, 22, 31, 22, 40, kGreen, 2.5);
    for (int k = 0; k < 3; ++k) {
        const double a = k * M_PI / 3;
        Line(c, 37 - 6 * std::cos(a), 40 - 6 * std::sin(a), 37 + 6 * std::cos(a), 40 + 6 * std::sin(a), Hex(0x5AA7D6), 2);
    }
}
void Scale(cairo_t* c) {
    Polygon(c, {{12, 30}, {52, 30}, {46, 36}, {18, 36}});
    FillPath(c, kW);
    RoundedRect(c, 14, 40, 36, 16, 3);
    FillPath(c, kW);
    RoundedRect(c, 18, 43, 16, 9, 2);
    FillPath(c, Hex(0xCFE3C8));
    Font f;
    f.px = 7.5;
    TextMiddle(c, std::to_string(ProduceCodes::kProduce[0].code), 26, 47.5, f, kInk);  // the apple's code
    Circle(c, 32, 20, 9);
    FillPath(c, Hex(0xE24B3B));
    Line(c, 32, 11, 34, 7, kGreenDark, 2);
}
void Receipt(cairo_t* c) {
    cairo_move_to(c, 18, 8);
    cairo_line_to(c, 46, 8);
    cairo_line_to(c, 46, 52);
    for (int k = 0; k < 7; ++k) cairo_line_to(c, 46 - (k + 0.5) * 4, k % 2 ? 52 : 56);
    cairo_line_to(c, 18, 52);
    cairo_close_path(c);
    FillPath(c, kW);
    for (int i = 0; i < 4; ++i) {
        Line(c, 22, 15 + i * 7, 32, 15 + i * 7, Hex(0xA9B8A4), 2);
        Line(c, 36, 15 + i * 7, 42, 15 + i * 7, Hex(0xA9B8A4), 2);
    }
    Line(c, 22, 45, 42, 45, kGreenDark, 2.5);
}

// --- the category pictures (128 x 128, shown at scale 1) ---
void Category(cairo_t* cr, int w, int h, const Colour& face, const Mark& mark) {
    cairo_scale(cr, w / 64.0, h / 64.0);
    Tile(cr, w, h, face, mark, "");
}

}  // namespace

int main(int argc, char** argv) {
    struct Icon {
        const char* name;
        Colour face;
        Mark mark;
        const char* tab;
    };
    const Icon icons[] = {
        {"Icon_Minigame1_1.png", kTeal, AnsweringMachine, ""},
        {"Icon_Minigame1_2.png", kTeal, MessageForm, "FR"},
        {"Icon_Minigame1_3.png", kTeal, MessageForm, "EN"},
        {"Icon_Minigame1_4.png", kTeal, FaxSheet, ""},
        {"Icon_Minigame1_5.png", kTeal, FaxMachine, ""},
        {"Icon_Minigame1_6.png", kTeal, Greeting, "FR"},
        {"Icon_Minigame1_7.png", kTeal, Answering, "1"},
        {"Icon_Minigame1_8.png", kTeal, OrgChart, ""},
        {"Icon_Minigame1_9.png", kTeal, Greeting, "EN"},
        {"Icon_Minigame1_10.png", kTeal, Answering, "2"},
        {"Icon_Minigame2_1.png", kCoral, OrderForm, "FR"},
        {"Icon_Minigame2_2.png", kCoral, Gps, "EN"},
        {"Icon_Minigame2_3.png", kCoral, RoadSign, ""},
        {"Icon_Minigame2_4.png", kCoral, Elevator, ""},
        {"Icon_Minigame2_5.png", kCoral, Terminal, ""},
        {"Icon_Minigame2_6.png", kCoral, OrderForm, "EN"},
        {"Icon_Minigame2_7.png", kCoral, InfoSign, ""},
        {"Icon_Minigame2_8.png", kCoral, Gps, "FR"},
        {"Icon_Minigame2_9.png", kCoral, Prices, ""},
        {"Icon_Minigame3_1.png", kGreen, BestBeforeLabel, ""},
        {"Icon_Minigame3_2.png", kGreen, Calendar, ""},
        {"Icon_Minigame3_3.png", kGreen, Fridge, ""},
        {"Icon_Minigame3_4.png", kGreen, Scale, ""},
        {"Icon_Minigame3_5.png", kGreen, Receipt, ""},
    };
    std::vector<Picture> pictures;
    for (const Icon& icon : icons) {
        const Icon copy = icon;
        pictures.push_back({copy.name, 64, 64,
                            [copy](cairo_t* cr, int w, int h) { Tile(cr, w, h, copy.face, copy.mark, copy.tab); }});
    }
    pictures.push_back({"CategoryDentistIcon.png", 128, 128, [](cairo_t* cr, int w, int h) {
                            Category(cr, w, h, kTeal, [](cairo_t* c) {
                                cairo_move_to(c, 18, 20);
                                cairo_curve_to(c, 16, 8, 30, 10, 32, 15);
                                cairo_curve_to(c, 34, 10, 48, 8, 46, 20);
                                cairo_curve_to(c, 45, 34, 43, 50, 39, 50);
                                cairo_curve_to(c, 35, 50, 35, 36, 32, 36);
                                cairo_curve_to(c, 29, 36, 29, 50, 25, 50);
                                cairo_curve_to(c, 21, 50, 19, 34, 18, 20);
                                FillPath(c, kWhite);
                            });
                        }});
    pictures.push_back({"CategoryPizzaIcon.png", 128, 128, [](cairo_t* cr, int w, int h) {
                            Category(cr, w, h, kCoral, [](cairo_t* c) { Slice(c, 32, 30, 1.5); });
                        }});
    pictures.push_back({"CategoryGroceryIcon.png", 128, 128, [](cairo_t* cr, int w, int h) {
                            Category(cr, w, h, kGreen, [](cairo_t* c) {
                                cairo_arc(c, 32, 30, 13, M_PI, 2 * M_PI);
                                StrokePath(c, kWhite, 3.5);
                                Polygon(c, {{12, 30}, {52, 30}, {46, 50}, {18, 50}});
                                FillPath(c, kWhite);
                                for (int k = 0; k < 4; ++k) Line(c, 22 + k * 7, 35, 23 + k * 6, 46, kGreen, 2);
                            });
                        }});
    return Run(argc, argv, pictures);
}
