// The checkout scale: the twelve fruits and vegetables, the chart that
// gives their codes, the scale with its keypad, the lit keypad, the marks of
// the demonstration, the sheet, the task card and, for every grocery game,
// the stainless-steel counter and the progress strip. Names and codes come
// from the game's own table, so the chart gives the code the scale accepts
// and every key is drawn where the game hit-tests it.
#include <cmath>

#include "Art.h"
#include "Lesson.h"
#include "minigames/grocery/ProduceCodes.h"

using namespace art;
using namespace art::ink;
using namespace ProduceCodes;

namespace {

// Fills the current path with a radial gradient, light at the top left.
void Shade(cairo_t* cr, const Colour& light, const Colour& dark, double cx, double cy, double r) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r * 1.1);
    cairo_pattern_add_color_stop_rgba(p, 0, light.r, light.g, light.b, light.a);
    cairo_pattern_add_color_stop_rgba(p, 1, dark.r, dark.g, dark.b, dark.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_new_path(cr);
}

void Leaf(cairo_t* cr, double x, double y, double len, double angle, const Colour& c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.8, -len * 0.3, len, 0);
    cairo_curve_to(cr, len * 0.8, len * 0.3, len * 0.3, len * 0.35, 0, 0);
    FillPath(cr, c);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len * 0.85, 0);
    StrokePath(cr, c.Mix(kInk, 0.35), len * 0.05);
    cairo_restore(cr);
}

void Stem(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0, y0 - (y0 - y1) * 0.5, x1 - 0.02, y1 + 0.05, x1, y1);
    StrokePath(cr, Hex(0x6B4A2B), width);
}

void Gloss(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    FillPath(cr, kWhite.Alpha(0.35));
}

// Each drawing fills the box [-1, 1] x [-1, 1].
void Apple(cairo_t* cr) {
    cairo_move_to(cr, 0, -0.55);
    cairo_curve_to(cr, 0.35, -0.85, 0.95, -0.65, 0.85, 0.05);
    cairo_curve_to(cr, 0.8, 0.6, 0.45, 0.9, 0.2, 0.85);
    cairo_curve_to(cr, 0.08, 0.82, -0.08, 0.82, -0.2, 0.85);
    cairo_curve_to(cr, -0.45, 0.9, -0.8, 0.6, -0.85, 0.05);
    cairo_curve_to(cr, -0.95, -0.65, -0.35, -0.85, 0, -0.55);
    Shade(cr, Hex(0xF0503C), Hex(0x9E1B1B), 0, 0.1, 0.9);
    Gloss(cr, -0.42, -0.25, 0.14, 0.24);
    Stem(cr, 0, -0.5, 0.08, -0.92, 0.09);
    Leaf(cr, 0.06, -0.7, 0.5, -0.5, kGreen);
}

void Banana(cairo_t* cr) {
    cairo_move_to(cr, -0.9, -0.45);
    cairo_curve_to(cr, -0.8, 0.75, 0.55, 0.95, 0.95, 0.0);
    cairo_curve_to(cr, 0.6, 0.25, -0.1, 0.3, -0.5, -0.15);
    cairo_curve_to(cr, -0.62, -0.3, -0.66, -0.42, -0.68, -0.52);
    cairo_close_path(cr);
    Shade(cr, Hex(0xFFE45C), Hex(0xD9A520), 0, 0.2, 0.9);
    cairo_move_to(cr, -0.8, -0.3);
    cairo_curve_to(cr, -0.6, 0.45, 0.35, 0.6, 0.9, 0.02);
    StrokePath(cr, Hex(0xC89018, 0.6), 0.04);
    // The stalk and the dark tip.
    RoundedRect(cr, -0.92, -0.66, 0.16, 0.26, 0.04);
    FillPath(cr, Hex(0x8A6A2A));
    Circle(cr, 0.9, 0.06, 0.05);
    FillPath(cr, Hex(0x4A3A1A));
}

void Orange(cairo_t* cr) {
    Circle(cr, 0, 0.08, 0.82);
    Shade(cr, Hex(0xFFB347), Hex(0xE0700E), 0, 0.08, 0.82);
    Random rnd{7};
    for (int i = 0; i < 60; ++i) {
        const double a = rnd.Next() * 2 * M_PI, r = std::sqrt(rnd.Next()) * 0.74;
        Circle(cr, r * std::cos(a), 0.08 + r * std::sin(a), 0.018);
        FillPath(cr, Hex(0xC85A08, 0.45));
    }
    Gloss(cr, -0.35, -0.3, 0.16, 0.12);
    Leaf(cr, 0.02, -0.72, 0.45, -0.35, kGreen);
    Circle(cr, 0, -0.72, 0.05);
    FillPath(cr, Hex(0x6B4A2B));
}

void Lemon(cairo_t* cr) {
    cairo_save(cr);
    cairo_rotate(cr, -0.35);
    cairo_move_to(cr, -0.95, 0);
    cairo_curve_to(cr, -0.8, -0.75, 0.8, -0.75, 0.95, 0);
    cairo_curve_to(cr, 0.8, 0.75, -0.8, 0.75, -0.95, 0);
    cairo_restore(cr);
    Shade(cr, Hex(0xFFF27A), Hex(0xE2C21E), 0, 0, 0.9);
    Gloss(cr, -0.3, -0.22, 0.2, 0.1);
}

void Pear(cairo_t* cr) {
    cairo_move_to(cr, 0, -0.72);
    cairo_curve_to(cr, 0.3, -0.72, 0.3, -0.25, 0.45, -0.05);
    cairo_curve_to(cr, 0.85, 0.3, 0.75, 0.9, 0, 0.9);
    cairo_curve_to(cr, -0.75, 0.9, -0.85, 0.3, -0.45, -0.05);
    cairo_curve_to(cr, -0.3, -0.25, -0.3, -0.72, 0, -0.72);
    Shade(cr, Hex(0xD8E86A), Hex(0x8DAA2A), 0, 0.3, 0.85);
    Gloss(cr, -0.3, 0.2, 0.12, 0.2);
    Stem(cr, 0, -0.68, 0.1, -0.95, 0.08);
    Leaf(cr, 0.05, -0.85, 0.38, -0.2, kGreenDark);
}

void Carrot(cairo_t* cr) {
    cairo_save(cr);
    cairo_rotate(cr, 0.65);
    cairo_move_to(cr, -0.24, -0.55);
    cairo_curve_to(cr, -0.2, 0.1, -0.08, 0.7, 0, 1.05);
    cairo_curve_to(cr, 0.08, 0.7, 0.2, 0.1, 0.24, -0.55);
    cairo_curve_to(cr, 0.1, -0.62, -0.1, -0.62, -0.24, -0.55);
    Shade(cr, Hex(0xFF9A3C), Hex(0xD9570F), 0, 0, 0.8);
    for (int i = 0; i < 5; ++i) {
        const double y = -0.35 + i * 0.25, half = 0.2 - i * 0.035;
        cairo_move_to(cr, -half, y);
        cairo_line_to(cr, -half * 0.3, y + 0.03);
        StrokePath(cr, Hex(0xB04A0A, 0.6), 0.03);
    }
    for (int i = -2; i <= 2; ++i) Leaf(cr, 0, -0.56, 0.5, -M_PI / 2 + i * 0.28, i % 2 ? kGreen : kGreenDark);
    cairo_restore(cr);
}

void Tomato(cairo_t* cr) {
    cairo_save(cr);
    cairo_scale(cr, 1, 0.86);
    Circle(cr, 0, 0.12, 0.88);
    cairo_restore(cr);
    Shade(cr, Hex(0xFF5A40), Hex(0xC01E14), 0, 0.1, 0.85);
    Gloss(cr, -0.4, -0.18, 0.16, 0.1);
    // The green star of the calyx.
    cairo_move_to(cr, 0, -0.55);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 0.12 : 0.38;
        cairo_line_to(cr, r * std::cos(a) * 1.2, -0.62 + r * std::sin(a) * 0.5 + (i % 2 ? 0 : 0.1));
    }
    cairo_close_path(cr);
    FillPath(cr, kGreenDark);
    Stem(cr, 0, -0.62, 0.04, -0.82, 0.07);
}

void Broccoli(cairo_t* cr) {
    cairo_move_to(cr, -0.2, 0.05);
    cairo_line_to(cr, -0.16, 0.92);
    cairo_line_to(cr, 0.16, 0.92);
    cairo_line_to(cr, 0.2, 0.05);
    FillPath(cr, Hex(0xA7C96A));
    cairo_move_to(cr, 0.05, 0.3);
    cairo_line_to(cr, 0.4, 0.0);
    cairo_move_to(cr, -0.05, 0.35);
    cairo_line_to(cr, -0.42, 0.02);
    StrokePath(cr, Hex(0xA7C96A), 0.14);
    const double florets[][3] = {{-0.55, -0.15, 0.3}, {0.55, -0.15, 0.3}, {-0.3, -0.45, 0.33},
                                 {0.3, -0.45, 0.33},  {0, -0.62, 0.32},   {0, -0.2, 0.35}};
    for (const auto& f : florets) {
        Circle(cr, f[0], f[1], f[2]);
        Shade(cr, Hex(0x5FA64A), Hex(0x2B6A2A), f[0], f[1], f[2]);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            Circle(cr, f[0] + f[2] * 0.5 * std::cos(a), f[1] + f[2] * 0.5 * std::sin(a), f[2] * 0.28);
            FillPath(cr, Hex(0x3F8A38, 0.7));
        }
    }
}

void Grapes(cairo_t* cr) {
    Stem(cr, 0, -0.62, 0.12, -0.95, 0.08);
    Leaf(cr, 0.05, -0.75, 0.55, -0.45, kGreen);
    const int rows[] = {4, 4, 3, 3, 2, 1};
    for (int r = 0; r < 6; ++r) {
        for (int i = 0; i < rows[r]; ++i) {
            const double x = (i - (rows[r] - 1) / 2.0) * 0.3, y = -0.55 + r * 0.27;
            Circle(cr, x, y, 0.17);
            Shade(cr, Hex(0x9A5FC0), Hex(0x4A1F6A), x, y, 0.17);
            Circle(cr, x - 0.05, y - 0.06, 0.04);
            FillPath(cr, kWhite.Alpha(0.5));
        }
    }
}

void Eggplant(cairo_t* cr) {
    cairo_save(cr);
    cairo_rotate(cr, -0.6);
    cairo_move_to(cr, 0, -0.6);
    cairo_curve_to(cr, 0.28, -0.6, 0.3, -0.2, 0.42, 0.2);
    cairo_curve_to(cr, 0.55, 0.75, 0.25, 0.98, 0, 0.98);
    cairo_curve_to(cr, -0.25, 0.98, -0.55, 0.75, -0.42, 0.2);
    cairo_curve_to(cr, -0.3, -0.2, -0.28, -0.6, 0, -0.6);
    Shade(cr, Hex(0x8A4FA8), Hex(0x3A1452), 0, 0.3, 0.8);
    Gloss(cr, -0.18, 0.3, 0.06, 0.28);
    // The green cap and stalk.
    cairo_move_to(cr, -0.3, -0.45);
    cairo_curve_to(cr, -0.2, -0.75, 0.2, -0.75, 0.3, -0.45);
    cairo_line_to(cr, 0.12, -0.5);
    cairo_line_to(cr, 0, -0.38);
    cairo_line_to(cr, -0.12, -0.5);
    cairo_close_path(cr);
    FillPath(cr, kGreenDark);
    RoundedRect(cr, -0.06, -0.95, 0.12, 0.3, 0.04);
    FillPath(cr, kGreenDark);
    cairo_restore(cr);
}

void Pineapple(cairo_t* cr) {
    for (int i = -3; i <= 3; ++i) Leaf(cr, 0, -0.35, 0.62 - std::abs(i) * 0.06, -M_PI / 2 + i * 0.22, i % 2 ? kGreen : kGreenDark);
    cairo_save(cr);
    cairo_translate(cr, 0, 0.3);
    cairo_scale(cr, 0.55, 0.68);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    cairo_path_t* body = cairo_copy_path(cr);
    Shade(cr, Hex(0xF2B84A), Hex(0xA8641C), 0, 0.3, 0.7);
    cairo_save(cr);
    cairo_append_path(cr, body);
    cairo_clip(cr);
    for (int i = -6; i <= 6; ++i) {
        cairo_move_to(cr, -0.6 + i * 0.16, -0.4);
        cairo_line_to(cr, 0.6 + i * 0.16, 1.0);
        cairo_move_to(cr, 0.6 + i * 0.16, -0.4);
        cairo_line_to(cr, -0.6 + i * 0.16, 1.0);
    }
    StrokePath(cr, Hex(0x7A4A12, 0.7), 0.035);
    cairo_restore(cr);
    cairo_path_destroy(body);
}

void Watermelon(cairo_t* cr) {
    // A slice: green rind, pale band, red flesh and black seeds.
    cairo_arc(cr, 0, -0.2, 0.95, 0, M_PI);
    cairo_close_path(cr);
    FillPath(cr, Hex(0x2E7D32));
    cairo_arc(cr, 0, -0.2, 0.86, 0, M_PI);
    cairo_close_path(cr);
    FillPath(cr, Hex(0xE8F2C8));
    cairo_arc(cr, 0, -0.2, 0.78, 0, M_PI);
    cairo_close_path(cr);
    Shade(cr, Hex(0xFF6B6B), Hex(0xD6283A), 0, 0, 0.8);
    const double seeds[][2] = {{-0.45, 0.0}, {-0.15, 0.05}, {0.15, 0.05}, {0.45, 0.0},
                               {-0.3, 0.25}, {0.0, 0.3},    {0.3, 0.25}};
    for (const auto& s : seeds) {
        cairo_save(cr);
        cairo_translate(cr, s[0], s[1]);
        cairo_scale(cr, 0.035, 0.06);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        FillPath(cr, Hex(0x1E1E1E));
    }
}

// Draws item i (0 to 11) in a square of side `size` centred on (cx, cy).
void Produce(cairo_t* cr, int item, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 2, size / 2);
    switch (item) {
        case 0: Apple(cr); break;
        case 1: Banana(cr); break;
        case 2: Orange(cr); break;
        case 3: Lemon(cr); break;
        case 4: Pear(cr); break;
        case 5: Carrot(cr); break;
        case 6: Tomato(cr); break;
        case 7: Broccoli(cr); break;
        case 8: Grapes(cr); break;
        case 9: Eggplant(cr); break;
        case 10: Pineapple(cr); break;
        case 11: Watermelon(cr); break;
        default: break;
    }
    cairo_restore(cr);
}

void ProducePicture(cairo_t* cr, int w, int h, int item) {
    WithShadow(cr, w, h, [&](cairo_t* c) { Produce(c, item, w / 2.0, h / 2.0, w * 0.84); }, 0, 6, 6, 0.3);
}


// --- the chart ---
void Chart(cairo_t* cr, int w, int h) {
    const Box& b = kChart;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, b.left, b.top, b.right - b.left, b.bottom - b.top, 14);
            FillPath(c, Hex(0xFFFFFF));
        },
        0, 6, 8, 0.35);
    UseReferenceLayout(cr, w, h);
    // The header band, as on a chart taped beside a till.
    cairo_save(cr);
    RoundedRect(cr, b.left, b.top, b.right - b.left, b.bottom - b.top, 14);
    cairo_clip(cr);
    cairo_rectangle(cr, b.left, b.top, b.right - b.left, 48);
    FillPath(cr, kGreenDark);
    cairo_restore(cr);
    Font head;
    head.px = 22;
    TextMiddle(cr, "Codes des fruits et légumes (PLU)", b.CentreX(), b.top + 24, head, kWhite);
    for (int i = 0; i < kItemCount; ++i) {
        const Box c = Cell(i);
        if ((i / 3 + i % 3) % 2 == 0) {
            cairo_rectangle(cr, c.left, c.top, c.right - c.left, c.bottom - c.top);
            FillPath(cr, Hex(0xF1F6EC));
        }
        cairo_rectangle(cr, c.left + 0.5, c.top + 0.5, c.right - c.left - 1, c.bottom - c.top - 1);
        StrokePath(cr, Hex(0xC9D3C0), 1);
        Produce(cr, i, c.CentreX(), c.top + 40, 66);
        Font name;
        name.px = 15;
        name.bold = false;
        TextMiddle(cr, kProduce[i].name, c.CentreX(), c.top + 86, name, kInk);
        Font code;
        code.px = 22;
        TextMiddle(cr, std::to_string(kProduce[i].code), c.CentreX(), c.top + 109, code, kGreenDark.Mix(kInk, 0.3));
    }
}

// --- the scale ---
void KeyCap(cairo_t* cr, int digit, const Colour& face, const Colour& mark) {
    const KeyPlace k = Key(digit);
    const double r = kKeyCap / 2.0;
    RoundedRect(cr, k.x - r - 1, k.y - r + 3, 2 * r + 2, 2 * r + 1, 8);
    FillPath(cr, Hex(0x000000, 0.4));
    RoundedRect(cr, k.x - r, k.y - r, 2 * r, 2 * r, 8);
    FillPath(cr, face.Mix(kInk, 0.25));
    RoundedRect(cr, k.x - r + 1, k.y - r - 1, 2 * r - 2, 2 * r - 3, 7);
    FillPath(cr, face);
    Font f;
    f.px = 24;
    TextMiddle(cr, std::to_string(digit), k.x, k.y - 1, f, mark);
}

void ScaleMachine(cairo_t* cr, int w, int h) {
    const Box& b = kScale;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, b.left, b.top + 40, b.right - b.left, b.bottom - b.top - 40, 26);
            FillPath(c, Hex(0x3A4550));
        },
        0, 8, 10, 0.4);
    UseReferenceLayout(cr, w, h);
    RoundedRect(cr, b.left + 6, b.top + 46, b.right - b.left - 12, b.bottom - b.top - 52, 22);
    FillVertical(cr, Hex(0x4E5C69), Hex(0x323C46), b.top, b.bottom);
    // The platter: brushed steel with ridges.
    const Box& t = kTray;
    RoundedRect(cr, t.left - 6, t.top + 6, t.right - t.left + 12, t.bottom - t.top, 18);
    FillPath(cr, Hex(0x000000, 0.35));
    RoundedRect(cr, t.left, t.top, t.right - t.left, t.bottom - t.top, 16);
    FillVertical(cr, Hex(0xF2F4F6), Hex(0xB7BEC5), t.top, t.bottom);
    for (double y = t.top + 18; y < t.bottom - 10; y += 14) {
        cairo_move_to(cr, t.left + 16, y);
        cairo_line_to(cr, t.right - 16, y);
        StrokePath(cr, Hex(0x8E969E, 0.35), 1.5);
    }
    // The display: the code being typed and the weight.
    const Box& d = kDisplay;
    RoundedRect(cr, d.left - 6, d.top - 6, d.right - d.left + 12, d.bottom - d.top + 12, 10);
    FillPath(cr, Hex(0x1B2127));
    RoundedRect(cr, d.left, d.top, d.right - d.left, d.bottom - d.top, 6);
    FillPath(cr, Hex(0xB9D7A8));
    Font lcd;
    lcd.px = 18;
    lcd.condensed = true;
    TextMiddle(cr, "CODE PLU", d.left + 14, d.CentreY(), lcd, Hex(0x2F4A2A), Align::Left);
    Font small;
    small.px = 14;
    small.bold = false;
    TextMiddle(cr, "0,000 kg", d.right - 12, d.CentreY(), small, Hex(0x2F4A2A), Align::Right);
    // The keypad's plate and keys.
    RoundedRect(cr, kKeyColumnX[0] - 46, kKeyRowY[0] - 44, kKeyColumnX[2] - kKeyColumnX[0] + 92,
                kKeyRowY[3] - kKeyRowY[0] + 80, 14);
    FillPath(cr, Hex(0x26303A));
    for (int digit = 0; digit < 10; ++digit) KeyCap(cr, digit, Hex(0xE4E0D8), kInk);
    // The maker's plate and the reminder beside the keys.
    Font brand;
    brand.px = 22;
    TextMiddle(cr, "BALANCE", 815, 500, brand, Hex(0xDDE3E8));
    Font note;
    note.px = 15;
    note.bold = false;
    Text(cr, "Tapez les\nquatre chiffres\ndu code", 815, 545, note, Hex(0xC9D2DA));
    Circle(cr, 1230, 520, 26);
    FillPath(cr, kGreen);
    Font plu;
    plu.px = 16;
    TextMiddle(cr, "PLU", 1230, 520, plu, kWhite);
    cairo_rectangle(cr, 1180, 600, 100, 10);
    FillPath(cr, Hex(0x161B20));
    Text(cr, "ticket", 1230, 616, note, Hex(0xC9D2DA));
}

// The keypad lit when the pointer is on the scale: a warm halo and
// brighter keys, over the same places.
void LitKeypad(cairo_t* cr, int w, int h) {
    Halo(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, kKeyColumnX[0] - 46, kKeyRowY[0] - 44, kKeyColumnX[2] - kKeyColumnX[0] + 92,
                        kKeyRowY[3] - kKeyRowY[0] + 80, 14);
            FillPath(c, kWhite);
        },
        kGold, 6, 10);
    UseReferenceLayout(cr, w, h);
    RoundedRect(cr, kKeyColumnX[0] - 46, kKeyRowY[0] - 44, kKeyColumnX[2] - kKeyColumnX[0] + 92,
                kKeyRowY[3] - kKeyRowY[0] + 80, 14);
    FillPath(cr, Hex(0x26303A));
    for (int digit = 0; digit < 10; ++digit) KeyCap(cr, digit, Hex(0xFFF6D8), kInk);
}

// --- the marks of the demonstration ---
void Outline(cairo_t* cr, int w, int h, double thickness, const Colour& c) {
    Halo(
        cr, w, h,
        [&](cairo_t* k) {
            RoundedRect(k, thickness, thickness, w - 2 * thickness, h - 2 * thickness, 18);
            StrokePath(k, kWhite, thickness);
        },
        c.Alpha(0.6), 2, 4);
    RoundedRect(cr, thickness, thickness, w - 2 * thickness, h - 2 * thickness, 18);
    StrokePath(cr, c, thickness);
}

void Ring(cairo_t* cr, int w, int h, const Colour& c) {
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, w / 2.0 - 8, h / 2.0 - 8);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    StrokePath(cr, c, 7);
}

// The sheet: what to do, in three moves, above the scale and the chart.
void Sheet(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, 316, 92, 800, 50, 14);
            FillPath(c, kCream);
            RoundedRect(c, 316, 92, 12, 50, 6);
            FillPath(c, kGreen);
        },
        0, 4, 6, 0.4);
    UseReferenceLayout(cr, w, h);
    Font f;
    f.px = 19;
    TextMiddle(cr, "Trouvez le code du produit dans le tableau, puis tapez-le sur la balance.", 716, 117, f, kInk);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        // "stainless-steel.png", the counter, comes with the pizzeria's order pad.
        {"FruitTable.png", 2048, 1024, Chart},
        {"grocerymachine.png", 2048, 1024, ScaleMachine},
        {"keypad2.png", 2048, 1024, LitKeypad},
        {"scale_overlay.png", 2048, 1024, Sheet},
        {"border.png", 512, 256, [](cairo_t* cr, int w, int h) { Outline(cr, w, h, 10, kGold); }},
        {"borderB.png", 512, 256, [](cairo_t* cr, int w, int h) { Outline(cr, w, h, 10, kCoral); }},
        {"smallCircle.png", 128, 128, [](cairo_t* cr, int w, int h) { Ring(cr, w, h, kCoral); }},
        {"smallCircleB.png", 512, 128, [](cairo_t* cr, int w, int h) { Ring(cr, w, h, kGold); }},
        TaskCard("consigne3_4.png", "La balance", "Trouvez le code, tapez-le", kGreen),
    };
    for (int i = 0; i < kItemCount; ++i) {
        pictures.push_back({"FruitVeg" + std::to_string(i + 1) + ".png", 256, 256,
                            [i](cairo_t* cr, int w, int h) { ProducePicture(cr, w, h, i); }});
    }
    for (const Picture& p : ProgressStrip("minijeu3_1progress%d.png", 2, kGreen)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
