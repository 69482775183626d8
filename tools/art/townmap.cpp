// The town map: the streets with the four workplaces, one overlay per
// workplace that shows it lit, and the drifting clouds. Everything is drawn
// on the 1362 x 726 reference layout, which the game stretches over the
// view; each building stands on the spot where the game hit-tests it.
#include <cmath>

#include "Art.h"
#include "scenes/TownMapLayout.h"

using namespace art;
using namespace art::ink;

namespace {

// A building's spot on the reference layout.
void Spot(int i, double* x, double* y) {
    *x = TownMapLayout::kBuildings[i].fx * 1362;
    *y = TownMapLayout::kBuildings[i].fy * 726;
}

// How a building is coloured: lit buildings are brighter and their windows on.
struct Look {
    bool lit;
    Colour operator()(const Colour& c) const { return lit ? c.Mix(kWhite, 0.18) : c; }
    Colour Window() const { return lit ? Hex(0xFFE49A) : kGlass; }
};

void Sign(cairo_t* cr, double cx, double cy, const std::string& text, const Colour& back, const Look& look,
          double px = 23) {
    Font f;
    f.px = px;
    double tw, th;
    Measure(cr, text, f, &tw, &th);
    RoundedRect(cr, cx - tw / 2 - 12, cy - px * 0.78, tw + 24, px * 1.56, 7);
    FillPath(cr, look(back));
    RoundedRect(cr, cx - tw / 2 - 12, cy - px * 0.78, tw + 24, px * 1.56, 7);
    StrokePath(cr, look(kWhite), 2.5);
    TextMiddle(cr, text, cx, cy, f, kWhite);
}

void Windows(cairo_t* cr, double x0, double y0, int cols, int rows, double ww, double wh, double gx, double gy,
             const Look& look) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const double x = x0 + c * (ww + gx), y = y0 + r * (wh + gy);
            RoundedRect(cr, x, y, ww, wh, 3);
            FillPath(cr, look.Window());
            cairo_rectangle(cr, x, y + wh - 4, ww, 4);
            FillPath(cr, kWhite.Alpha(0.7));
            cairo_move_to(cr, x + ww / 2, y + 2);
            cairo_line_to(cr, x + ww / 2, y + wh - 4);
            StrokePath(cr, kWhite.Alpha(0.6), 1.5);
        }
}

void Awning(cairo_t* cr, double x, double y, double w, double h, const Colour& a, const Colour& b, int stripes) {
    const double sw = w / stripes;
    for (int i = 0; i < stripes; ++i) {
        cairo_move_to(cr, x + i * sw, y);
        cairo_line_to(cr, x + (i + 1) * sw, y);
        cairo_line_to(cr, x + (i + 1) * sw, y + h);
        cairo_arc(cr, x + (i + 0.5) * sw, y + h, sw / 2, 0, M_PI);
        cairo_close_path(cr);
        FillPath(cr, i % 2 ? b : a);
    }
}

void Door(cairo_t* cr, double cx, double base, double w, double h, const Colour& frame, const Look& look) {
    RoundedRect(cr, cx - w / 2 - 4, base - h - 4, w + 8, h + 4, 4);
    FillPath(cr, frame);
    cairo_rectangle(cr, cx - w / 2, base - h, w, h);
    FillPath(cr, look.Window().Mix(kNavy, 0.25));
    cairo_move_to(cr, cx, base - h);
    cairo_line_to(cr, cx, base);
    StrokePath(cr, frame, 3);
}

// --- the four workplaces, in front view, standing on their base line ---

void Dentist(cairo_t* cr, const Look& look) {
    double cx, cy;
    Spot(0, &cx, &cy);
    const double base = cy + 86, w = 226, top = cy - 70;
    // A clean white clinic with a teal band and a tooth on the roof.
    cairo_rectangle(cr, cx - w / 2, top, w, base - top);
    FillPath(cr, look(Hex(0xF4F6F5)));
    cairo_rectangle(cr, cx - w / 2 - 8, top - 12, w + 16, 16);
    FillPath(cr, look(kTeal.Mix(kInk, 0.2)));
    cairo_rectangle(cr, cx - w / 2, base - 66, w, 8);
    FillPath(cr, look(kTeal));
    Windows(cr, cx - w / 2 + 16, top + 46, 4, 1, 38, 36, 16, 0, look);
    Door(cr, cx, base, 44, 52, look(kTeal.Mix(kInk, 0.3)), look);
    Windows(cr, cx - w / 2 + 16, base - 50, 1, 1, 52, 36, 0, 0, look);
    Windows(cr, cx + w / 2 - 68, base - 50, 1, 1, 52, 36, 0, 0, look);
    // The tooth.
    const double tx = cx, ty = top - 44;
    Circle(cr, tx, ty, 30);
    FillPath(cr, look(kTeal));
    cairo_move_to(cr, tx - 16, ty - 12);
    cairo_curve_to(cr, tx - 20, ty - 22, tx - 4, ty - 22, tx, ty - 15);
    cairo_curve_to(cr, tx + 4, ty - 22, tx + 20, ty - 22, tx + 16, ty - 12);
    cairo_curve_to(cr, tx + 14, ty + 2, tx + 12, ty + 20, tx + 7, ty + 20);
    cairo_curve_to(cr, tx + 3, ty + 20, tx + 3, ty + 6, tx, ty + 6);
    cairo_curve_to(cr, tx - 3, ty + 6, tx - 3, ty + 20, tx - 7, ty + 20);
    cairo_curve_to(cr, tx - 12, ty + 20, tx - 14, ty + 2, tx - 16, ty - 12);
    cairo_close_path(cr);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, tx - 3, ty + 28, 6, 16);
    FillPath(cr, look(kTeal.Mix(kInk, 0.3)));
    Sign(cr, cx, top + 18, "Dentiste", kTeal, look);
}

void Pizzeria(cairo_t* cr, const Look& look) {
    double cx, cy;
    Spot(1, &cx, &cy);
    const double base = cy + 84, w = 220, top = cy - 58;
    // Warm brick with a striped awning and a round pizza sign.
    cairo_rectangle(cr, cx - w / 2, top, w, base - top);
    FillPath(cr, look(Hex(0xC8694A)));
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const double bx = cx - w / 2 + 6 + c * 24 + (r % 2) * 12, by = top + 8 + r * 15;
            if (bx + 14 > cx + w / 2 - 4 || by > base - 90) continue;
            cairo_rectangle(cr, bx, by, 14, 5);
            FillPath(cr, look(Hex(0xB55A3E)));
        }
    cairo_rectangle(cr, cx - w / 2 - 6, top - 10, w + 12, 12);
    FillPath(cr, look(Hex(0x7C3A27)));
    Windows(cr, cx - w / 2 + 14, base - 56, 1, 1, 60, 44, 0, 0, look);
    Windows(cr, cx + w / 2 - 74, base - 56, 1, 1, 60, 44, 0, 0, look);
    Door(cr, cx, base, 42, 54, look(Hex(0x7C3A27)), look);
    Awning(cr, cx - w / 2 - 4, base - 82, w + 8, 16, look(kCoral), look(kWhite), 11);
    // The pizza: crust, sauce, cheese and a slice taken out.
    const double px = cx, py = top - 34;
    Circle(cr, px, py, 32);
    FillPath(cr, look(Hex(0xE9B45E)));
    Circle(cr, px, py, 26);
    FillPath(cr, look(Hex(0xD9472B)));
    Circle(cr, px, py, 22);
    FillPath(cr, look(Hex(0xF6D26B)));
    const double spots[5][2] = {{-10, -8}, {9, -11}, {-3, 8}, {12, 6}, {-14, 6}};
    for (auto& s : spots) {
        Circle(cr, px + s[0], py + s[1], 4.5);
        FillPath(cr, look(Hex(0xB93A24)));
    }
    cairo_move_to(cr, px, py);
    cairo_arc(cr, px, py, 34, -0.35, 0.35);
    cairo_close_path(cr);
    FillPath(cr, look(Hex(0xC8694A)));
    cairo_rectangle(cr, px - 3, py + 30, 6, 6);
    FillPath(cr, look(Hex(0x7C3A27)));
    Sign(cr, cx, top + 34, "Pizzeria", kCoralDark, look);
}

void Grocery(cairo_t* cr, const Look& look) {
    double cx, cy;
    Spot(2, &cx, &cy);
    const double base = cy + 88, w = 240, top = cy - 62;
    // A wide shop with a green awning and crates of fruit and vegetables.
    cairo_rectangle(cr, cx - w / 2, top, w, base - top);
    FillPath(cr, look(Hex(0xF1E3C6)));
    Polygon(cr, {{cx - w / 2 - 10, top + 2},
                 {cx - w / 2 + 14, top - 26},
                 {cx + w / 2 - 14, top - 26},
                 {cx + w / 2 + 10, top + 2}});
    FillPath(cr, look(kGreenDark));
    Windows(cr, cx - w / 2 + 14, top + 58, 2, 1, 64, 50, 8, 0, look);
    Door(cr, cx + w / 2 - 48, base, 44, 60, look(kGreenDark), look);
    Awning(cr, cx - w / 2 - 4, top + 34, w + 8, 14, look(kGreen), look(kWhite), 12);
    // Crates in front.
    const Colour fruit[3] = {Hex(0xE24B3B), Hex(0xF5A623), Hex(0x6DBA45)};
    for (int k = 0; k < 3; ++k) {
        const double bx = cx - w / 2 + 10 + k * 48, by = base - 26;
        for (int f = 0; f < 4; ++f) {
            Circle(cr, bx + 7 + f * 10, by - 1, 6.5);
            FillPath(cr, look(fruit[k]));
        }
        cairo_rectangle(cr, bx, by, 44, 24);
        FillPath(cr, look(kWood));
        cairo_move_to(cr, bx, by + 12);
        cairo_line_to(cr, bx + 44, by + 12);
        StrokePath(cr, look(kWoodDark), 2);
    }
    Sign(cr, cx, top + 8, "Épicerie", kGreenDark, look);
}

void Vault(cairo_t* cr, const Look& look) {
    double cx, cy;
    Spot(3, &cx, &cy);
    const double base = cy + 78, w = 210, top = cy - 40;
    // A stone building with columns, a gold pediment and the vault's round door.
    Polygon(cr, {{cx - w / 2 - 14, top}, {cx, top - 50}, {cx + w / 2 + 14, top}});
    FillPath(cr, look(kGold));
    Polygon(cr, {{cx - w / 2 + 16, top - 6}, {cx, top - 38}, {cx + w / 2 - 16, top - 6}});
    FillPath(cr, look(kGoldLight));
    cairo_rectangle(cr, cx - w / 2 - 8, top, w + 16, 14);
    FillPath(cr, look(Hex(0xD9D3C6)));
    cairo_rectangle(cr, cx - w / 2, top + 14, w, base - top - 26);
    FillPath(cr, look(Hex(0xECE7DC)));
    for (int k = 0; k < 4; ++k) {
        const double x = cx - w / 2 + 14 + k * ((w - 44) / 3.0);
        cairo_rectangle(cr, x, top + 22, 16, base - top - 44);
        FillPath(cr, look(Hex(0xD6CFC0)));
    }
    cairo_rectangle(cr, cx - w / 2 - 14, base - 12, w + 28, 12);
    FillPath(cr, look(Hex(0xC9C1B1)));
    // The round door, with its wheel, under the sign.
    const double dy = base - 50;
    Circle(cr, cx, dy, 34);
    FillPath(cr, look(Hex(0x6F7A86)));
    Circle(cr, cx, dy, 27);
    FillPath(cr, look(Hex(0x98A4B0)));
    for (int k = 0; k < 6; ++k) {
        const double a = k * M_PI / 3;
        cairo_move_to(cr, cx, dy);
        cairo_line_to(cr, cx + 19 * std::cos(a), dy + 19 * std::sin(a));
        StrokePath(cr, look(Hex(0x4D5661)), 4.5);
    }
    Circle(cr, cx, dy, 7);
    FillPath(cr, look(kGold));
    Sign(cr, cx, top + 30, "Trophées", kGoldDark, look, 22);
}

using Building = void (*)(cairo_t*, const Look&);
const Building kBuildingsDrawn[4] = {Dentist, Pizzeria, Grocery, Vault};

// --- the town around them ---

void Tree(cairo_t* cr, double x, double y, double r, const Colour& c) {
    Circle(cr, x + r * 0.25, y + r * 0.35, r);
    FillPath(cr, Hex(0x2F5A2A, 0.25));
    Circle(cr, x, y, r);
    FillPath(cr, c);
    Circle(cr, x - r * 0.3, y - r * 0.3, r * 0.45);
    FillPath(cr, kWhite.Alpha(0.12));
}

void House(cairo_t* cr, double cx, double base, double w, double h, const Colour& wall, const Colour& roof) {
    cairo_rectangle(cr, cx - w / 2, base - h, w, h);
    FillPath(cr, wall);
    Polygon(cr, {{cx - w / 2 - 6, base - h + 2}, {cx, base - h - w * 0.42}, {cx + w / 2 + 6, base - h + 2}});
    FillPath(cr, roof);
    RoundedRect(cr, cx - w * 0.32, base - h * 0.72, w * 0.22, h * 0.3, 2);
    FillPath(cr, kGlass);
    RoundedRect(cr, cx + w * 0.1, base - h * 0.72, w * 0.22, h * 0.3, 2);
    FillPath(cr, kGlass);
    cairo_rectangle(cr, cx - w * 0.08, base - h * 0.38, w * 0.16, h * 0.38);
    FillPath(cr, roof.Mix(kInk, 0.3));
}

void Road(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const bool horizontal = std::fabs(y1 - y0) < std::fabs(x1 - x0);
    const double half = 17;
    if (horizontal) {
        cairo_rectangle(cr, x0, y0 - half - 6, x1 - x0, 2 * half + 12);
        FillPath(cr, kPavement);
        cairo_rectangle(cr, x0, y0 - half, x1 - x0, 2 * half);
        FillPath(cr, kRoad);
    } else {
        cairo_rectangle(cr, x0 - half - 6, y0, 2 * half + 12, y1 - y0);
        FillPath(cr, kPavement);
        cairo_rectangle(cr, x0 - half, y0, 2 * half, y1 - y0);
        FillPath(cr, kRoad);
    }
}

void Dashes(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const double dash[] = {14, 12};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    StrokePath(cr, kWhite.Alpha(0.85), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Car(cairo_t* cr, double x, double y, bool horizontal, const Colour& c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (!horizontal) cairo_rotate(cr, M_PI / 2);
    RoundedRect(cr, -17, -8, 34, 16, 5);
    FillPath(cr, c);
    RoundedRect(cr, -6, -6, 14, 12, 3);
    FillPath(cr, kGlass.Mix(kWhite, 0.3));
    cairo_restore(cr);
}

// Road centre lines of the town (reference pixels).
constexpr double kV1 = 445, kV2 = 812, kV3 = 1072;
constexpr double kH0 = 348, kH1 = 556, kH2 = 694;

void Background(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    // Grass, with a few lighter meadows.
    cairo_rectangle(cr, 0, 0, 1362, 726);
    FillPath(cr, kGrass);
    Random rnd{11};
    for (int i = 0; i < 14; ++i) {
        cairo_save(cr);
        cairo_translate(cr, rnd.Next() * 1362, rnd.Next() * 726);
        cairo_scale(cr, 2.2, 1);
        Circle(cr, 0, 0, 30 + 40 * rnd.Next());
        cairo_restore(cr);
        FillPath(cr, kGrassDark.Alpha(0.35));
    }
    // A pond in the park, top left.
    cairo_save(cr);
    cairo_translate(cr, 215, 215);
    cairo_scale(cr, 1.7, 1);
    Circle(cr, 0, 0, 78);
    cairo_restore(cr);
    FillPath(cr, Hex(0x8CC7DD));
    cairo_save(cr);
    cairo_translate(cr, 215, 215);
    cairo_scale(cr, 1.7, 1);
    Circle(cr, 0, 0, 78);
    cairo_restore(cr);
    StrokePath(cr, Hex(0xE8E0C8), 6);
    cairo_save(cr);
    cairo_translate(cr, 190, 200);
    cairo_scale(cr, 3, 1);
    Circle(cr, 0, 0, 10);
    cairo_restore(cr);
    FillPath(cr, kWhite.Alpha(0.35));
    // Park paths.
    cairo_move_to(cr, 0, 360);
    cairo_curve_to(cr, 120, 330, 260, 360, 330, 300);
    cairo_curve_to(cr, 380, 260, 410, 200, kV1 - 17, 150);
    StrokePath(cr, Hex(0xE8E0C8), 10);

    // Streets.
    Road(cr, 0, kH2, 1362, kH2);
    Road(cr, kV1, 0, kV1, kH2);
    Road(cr, kV2, 0, kV2, kH2);
    Road(cr, kV2, kH0, 1362, kH0);
    Road(cr, kV1, kH1, kV2, kH1);
    Road(cr, kV3, kH0, kV3, kH2);
    // Crossings repaint the tarmac over the pavement.
    const double crossings[][2] = {{kV1, kH2}, {kV2, kH2}, {kV3, kH2}, {kV2, kH0}, {kV3, kH0}, {kV1, kH1}, {kV2, kH1}};
    for (auto& c : crossings) {
        cairo_rectangle(cr, c[0] - 17, c[1] - 17, 34, 34);
        FillPath(cr, kRoad);
    }
    Dashes(cr, 0, kH2, kV1 - 24, kH2);
    Dashes(cr, kV1 + 24, kH2, kV2 - 24, kH2);
    Dashes(cr, kV2 + 24, kH2, kV3 - 24, kH2);
    Dashes(cr, kV3 + 24, kH2, 1362, kH2);
    Dashes(cr, kV1, 0, kV1, kH1 - 24);
    Dashes(cr, kV1, kH1 + 24, kV1, kH2 - 24);
    Dashes(cr, kV2, 0, kV2, kH0 - 24);
    Dashes(cr, kV2, kH0 + 24, kV2, kH1 - 24);
    Dashes(cr, kV2, kH1 + 24, kV2, kH2 - 24);
    Dashes(cr, kV2 + 24, kH0, kV3 - 24, kH0);
    Dashes(cr, kV3 + 24, kH0, 1362, kH0);
    Dashes(cr, kV1 + 24, kH1, kV2 - 24, kH1);
    Dashes(cr, kV3, kH0 + 24, kV3, kH2 - 24);
    // Zebra crossings in front of the workplaces.
    auto zebra = [&](double x, double y, bool acrossHorizontal) {
        for (int k = 0; k < 5; ++k) {
            if (acrossHorizontal)
                cairo_rectangle(cr, x - 20 + k * 9, y - 15, 5, 30);
            else
                cairo_rectangle(cr, x - 15, y - 20 + k * 9, 30, 5);
            FillPath(cr, kWhite.Alpha(0.9));
        }
    };
    zebra(267, kH2, true);
    zebra(614, kH1, true);
    zebra(1003, kH0, true);
    zebra(1208, kH2, true);

    // Little houses on the top middle block and along the bottom.
    const Colour walls[4] = {Hex(0xEFE4D2), Hex(0xDCE6EC), Hex(0xF3E0C7), Hex(0xE6E1EE)};
    const Colour roofs[4] = {Hex(0x9C5A44), Hex(0x56708A), Hex(0xB97B3C), Hex(0x7A6A91)};
    const double row1[] = {500, 575, 650, 730};
    for (int i = 0; i < 4; ++i) House(cr, row1[i], 112, 50, 40, walls[i], roofs[(i + 1) % 4]);
    const double row2[] = {540, 660};
    for (int i = 0; i < 2; ++i) House(cr, row2[i], 232, 54, 40, walls[(i + 2) % 4], roofs[i]);
    // Trees: the park, the edges, between the lots.
    const double trees[][3] = {
        {60, 90, 22},   {118, 60, 18},  {350, 80, 24},  {392, 150, 16}, {60, 320, 20},  {360, 300, 22},
        {120, 410, 18}, {44, 470, 20},  {395, 420, 16}, {880, 60, 18},  {1160, 120, 22}, {1230, 240, 24},
        {1320, 150, 18}, {1300, 300, 16}, {860, 300, 14}, {1130, 420, 16}, {1320, 420, 18}, {870, 450, 18},
        {960, 500, 22}, {1010, 420, 16}, {875, 610, 18}, {990, 620, 20},  {490, 650, 16}, {740, 650, 16},
        {30, 640, 16},  {420, 640, 12}, {785, 200, 14}, {485, 290, 14}, {760, 300, 12}, {1345, 650, 14},
    };
    const Colour greens[3] = {Hex(0x4F8F45), Hex(0x5E9E4C), Hex(0x3F7C3A)};
    int k = 0;
    for (auto& t : trees) Tree(cr, t[0], t[1], t[2], greens[k++ % 3]);
    // Cars going about.
    Car(cr, 150, kH2 - 8, true, Hex(0x3C6FA8));
    Car(cr, 900, kH2 + 8, true, Hex(0xE0B040));
    Car(cr, kV2 - 8, 120, false, kCoral);
    Car(cr, 1280, kH0 + 8, true, Hex(0xF2F2F2));
    Car(cr, kV1 + 8, 470, false, Hex(0x6A9A5A));

    // The workplaces, each with its shadow on the grass.
    for (Building b : kBuildingsDrawn)
        WithShadow(cr, w, h, [&](cairo_t* c) { b(c, Look{false}); }, 5, 6, 7, 0.35);
}

// An overlay: transparent but for the lit building, with a warm halo.
void Overlay(cairo_t* cr, int w, int h, int which) {
    UseReferenceLayout(cr, w, h);
    const Building b = kBuildingsDrawn[which];
    Halo(cr, w, h, [&](cairo_t* c) { b(c, Look{true}); }, kGoldLight, 14, 14);
    b(cr, Look{true});
}

void Cloud(cairo_t* cr, double x, double y, double s) {
    const double puffs[][3] = {{0, 0, 1}, {-0.9, 0.25, 0.7}, {0.95, 0.2, 0.75}, {-0.35, -0.45, 0.7}, {0.45, -0.4, 0.62}};
    for (auto& p : puffs) Circle(cr, x + p[0] * 40 * s, y + p[1] * 40 * s, p[2] * 40 * s);
    cairo_rectangle(cr, x - 1.2 * 40 * s, y, 2.4 * 40 * s, 0.55 * 40 * s);
    FillPath(cr, kWhite);
}

void Clouds(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    const double clouds[][3] = {{180, 120, 1.1}, {560, 60, 0.8}, {930, 160, 1.0}, {1250, 90, 0.7}, {700, 420, 0.75}, {80, 560, 0.8}};
    cairo_push_group(cr);
    // Each cloud also drawn one map-width left and right: two copies side by side join up.
    for (auto& c : clouds)
        for (int copy = -1; copy <= 1; ++copy) Cloud(cr, c[0] + copy * 1362, c[1], c[2]);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.55);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"roadmapBackground.png", 2048, 1024, Background},
        {"BuildingDentist.png", 2048, 1024, [](cairo_t* cr, int w, int h) { Overlay(cr, w, h, 0); }},
        {"BuildingPizza.png", 2048, 1024, [](cairo_t* cr, int w, int h) { Overlay(cr, w, h, 1); }},
        {"BuildingGrocery.png", 2048, 1024, [](cairo_t* cr, int w, int h) { Overlay(cr, w, h, 2); }},
        {"vault.png", 2048, 1024, [](cairo_t* cr, int w, int h) { Overlay(cr, w, h, 3); }},
        {"clouds.png", 2048, 1024, Clouds},
    };
    return Run(argc, argv, pictures);
}
