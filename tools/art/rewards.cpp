// The rewards: the score panel's pictures (gold bars, titles, banner), the
// 38 trophies, the trophy house they are bought for, and the victory card.
//
// A trophy shows at scale 1 on the shelf (half its file size) and at scale 2
// in the house (its file size). Its metal says its price: bronze 1 bar,
// silver 2, gold 3. The house shows each trophy's outline on its place, and
// a shelf, stand or hook under it.
#include <cmath>

#include "Art.h"
#include "scenes/RewardHouseLayout.h"
#include "ui/CountGlyphs.h"
#include "tools/assets/TrophyPrices.h"

using namespace art;
using namespace art::ink;

namespace {

static_assert(TrophyPrices::kCount == RewardHouseLayout::kTrophies, "one price per trophy");

struct Metal {
    Colour base, light, dark;
};
Metal MetalFor(int price) {
    if (price >= 3) return {kGold, kGoldLight, kGoldDark};
    if (price == 2) return {Hex(0xBFC6CE), Hex(0xEEF2F5), Hex(0x858E98)};
    return {Hex(0xCD8A52), Hex(0xF0BB8A), Hex(0x8E5529)};
}

// --- ingots ---
void Ingot(cairo_t* cr, double cx, double cy, double w, double h) {
    const double inset = h * 0.42;
    Polygon(cr, {{cx - w / 2, cy + h / 2},
                 {cx - w / 2 + inset, cy - h / 2},
                 {cx + w / 2 - inset, cy - h / 2},
                 {cx + w / 2, cy + h / 2}});
    FillPath(cr, kGoldDark);
    Polygon(cr, {{cx - w / 2 + h * 0.1, cy + h / 2 - h * 0.12},
                 {cx - w / 2 + inset, cy - h / 2 + h * 0.08},
                 {cx + w / 2 - inset, cy - h / 2 + h * 0.08},
                 {cx + w / 2 - h * 0.1, cy + h / 2 - h * 0.12}});
    FillPath(cr, kGold);
    Polygon(cr, {{cx - w / 2 + inset + h * 0.08, cy - h / 2 + h * 0.08},
                 {cx + w / 2 - inset - h * 0.08, cy - h / 2 + h * 0.08},
                 {cx + w / 2 - inset - h * 0.3, cy - h * 0.05},
                 {cx - w / 2 + inset + h * 0.3, cy - h * 0.05}});
    FillPath(cr, kGoldLight);
}

void IngotPicture(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [&](cairo_t* c) { Ingot(c, w / 2.0, h / 2.0 - h * 0.05, w * 0.86, h * 0.66); }, 0, h * 0.06,
               h * 0.08, 0.35);
}

// --- trophies ---
// Each is drawn in a 64 x 64 box, centred; its kind comes from its number.
void Base(cairo_t* cr, const Metal&, const Colour& plinth, double w, double y) {
    RoundedRect(cr, 32 - w / 2, y, w, 60 - y, 2.5);
    FillPath(cr, plinth);
    cairo_rectangle(cr, 32 - w / 2 + 3, y + 4, w - 6, 3);
    FillPath(cr, kWhite.Alpha(0.3));
}

void Cup(cairo_t* cr, const Metal& m, const Colour& plinth, bool tall) {
    Base(cr, m, plinth, 30, 50);
    cairo_rectangle(cr, 29, tall ? 36 : 38, 6, 12);
    FillPath(cr, m.dark);
    RoundedRect(cr, 24, tall ? 44 : 45, 16, 5, 2);
    FillPath(cr, m.base);
    const double top = tall ? 6 : 12;
    // Handles.
    cairo_arc(cr, 18, top + 10, 7, M_PI * 0.5, M_PI * 1.5);
    StrokePath(cr, m.dark, 3.5);
    cairo_arc_negative(cr, 46, top + 10, 7, M_PI * 0.5, -M_PI * 0.5);
    StrokePath(cr, m.dark, 3.5);
    cairo_move_to(cr, 17, top);
    cairo_line_to(cr, 47, top);
    cairo_curve_to(cr, 47, top + 22, 40, (tall ? 36 : 38), 32, (tall ? 37 : 39));
    cairo_curve_to(cr, 24, (tall ? 36 : 38), 17, top + 22, 17, top);
    cairo_close_path(cr);
    FillPath(cr, m.base);
    cairo_move_to(cr, 22, top + 3);
    cairo_curve_to(cr, 22, top + 14, 25, top + 20, 28, top + 24);
    StrokePath(cr, m.light, 3);
    RoundedRect(cr, 15, top - 3, 34, 5, 2);
    FillPath(cr, m.light);
}

void Star(cairo_t* cr, const Metal& m, const Colour& plinth) {
    Base(cr, m, plinth, 28, 50);
    cairo_rectangle(cr, 30, 36, 4, 14);
    FillPath(cr, m.dark);
    cairo_move_to(cr, 32, 6);
    for (int k = 1; k <= 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5, r = k % 2 ? 8.5 : 19;
        cairo_line_to(cr, 32 + r * std::cos(a), 24 + r * std::sin(a));
    }
    cairo_close_path(cr);
    FillPath(cr, m.base);
    Polygon(cr, {{32, 11}, {35, 22}, {32, 24}});
    FillPath(cr, m.light);
}

void Medal(cairo_t* cr, const Metal& m, const Colour& ribbon) {
    Polygon(cr, {{20, 4}, {30, 4}, {36, 30}, {28, 32}});
    FillPath(cr, ribbon);
    Polygon(cr, {{44, 4}, {34, 4}, {28, 30}, {36, 32}});
    FillPath(cr, ribbon.Mix(kInk, 0.25));
    Circle(cr, 32, 42, 16);
    FillPath(cr, m.dark);
    Circle(cr, 32, 42, 13);
    FillPath(cr, m.base);
    Circle(cr, 32, 42, 8);
    StrokePath(cr, m.light, 2.5);
}

void Shield(cairo_t* cr, const Metal& m, const Colour& back, int emblem) {
    cairo_move_to(cr, 14, 8);
    cairo_line_to(cr, 50, 8);
    cairo_line_to(cr, 50, 30);
    cairo_curve_to(cr, 50, 46, 38, 54, 32, 58);
    cairo_curve_to(cr, 26, 54, 14, 46, 14, 30);
    cairo_close_path(cr);
    FillPath(cr, m.dark);
    cairo_move_to(cr, 18, 12);
    cairo_line_to(cr, 46, 12);
    cairo_line_to(cr, 46, 30);
    cairo_curve_to(cr, 46, 43, 36, 50, 32, 53);
    cairo_curve_to(cr, 28, 50, 18, 43, 18, 30);
    cairo_close_path(cr);
    FillPath(cr, back);
    // The workplace the plaque honours.
    if (emblem == 0) {
        cairo_move_to(cr, 24, 24);
        cairo_curve_to(cr, 23, 17, 31, 18, 32, 21);
        cairo_curve_to(cr, 33, 18, 41, 17, 40, 24);
        cairo_curve_to(cr, 39, 33, 38, 41, 36, 41);
        cairo_curve_to(cr, 34, 41, 34, 33, 32, 33);
        cairo_curve_to(cr, 30, 33, 30, 41, 28, 41);
        cairo_curve_to(cr, 26, 41, 25, 33, 24, 24);
        FillPath(cr, kWhite);
    } else if (emblem == 1) {
        Polygon(cr, {{23, 22}, {41, 22}, {32, 42}});
        FillPath(cr, Hex(0xF6D26B));
        RoundedRect(cr, 22, 19, 20, 5, 2.5);
        FillPath(cr, Hex(0xE9B45E));
        Circle(cr, 31, 28, 2.2);
        FillPath(cr, Hex(0xD9472B));
    } else {
        cairo_arc(cr, 32, 28, 7, M_PI, 2 * M_PI);
        StrokePath(cr, kWhite, 2.5);
        Polygon(cr, {{21, 28}, {43, 28}, {39, 40}, {25, 40}});
        FillPath(cr, kWhite);
    }
    RoundedRect(cr, 18, 12, 28, 4, 2);
    FillPath(cr, m.light.Alpha(0.7));
}

void Crown(cairo_t* cr, const Metal& m, const Colour& cushion) {
    // A crown on a cushion.
    RoundedRect(cr, 12, 44, 40, 14, 6);
    FillPath(cr, cushion);
    Circle(cr, 14, 57, 3);
    FillPath(cr, kGold);
    Circle(cr, 50, 57, 3);
    FillPath(cr, kGold);
    Polygon(cr, {{16, 42}, {13, 16}, {23, 28}, {32, 10}, {41, 28}, {51, 16}, {48, 42}});
    FillPath(cr, m.base);
    cairo_rectangle(cr, 16, 35, 32, 7);
    FillPath(cr, m.dark);
    const Colour gems[3] = {kCoral, kTeal, kCoral};
    for (int k = 0; k < 3; ++k) {
        Circle(cr, 22 + k * 10, 38.5, 2.4);
        FillPath(cr, gems[k]);
    }
    for (double x : {13.0, 32.0, 51.0}) {
        Circle(cr, x, x == 32.0 ? 10 : 16, 3);
        FillPath(cr, m.light);
    }
}

void Trophy(cairo_t* cr, int index) {
    const Metal m = MetalFor(TrophyPrices::kPrice[index]);
    const Colour plinths[3] = {kNavy, Hex(0x5A3A22), kInk};
    const Colour ribbons[4] = {kCoral, kTeal, kNavy, kGreen};
    const Colour backs[3] = {kTeal, kCoral, kGreen};
    const Colour plinth = plinths[index % 3];
    switch (index % 6) {
        case 0: Cup(cr, m, plinth, false); break;
        case 1: Medal(cr, m, ribbons[(index / 6) % 4]); break;
        case 2: Star(cr, m, plinth); break;
        case 3: Shield(cr, m, backs[(index / 6) % 3], (index / 6) % 3); break;
        case 4: Cup(cr, m, plinth, true); break;
        default: Crown(cr, m, ribbons[(index / 6) % 4]); break;
    }
}

void TrophyPicture(cairo_t* cr, int w, int h, int index) {
    cairo_scale(cr, w / 64.0, h / 64.0);
    WithShadow(cr, w, h, [&](cairo_t* c) { Trophy(c, index); }, 0, 1.5, 2, 0.35);
}

// --- the house (drawn at scale 2: one file pixel a screen pixel) ---
// House coordinates: the picture's centre is the house centre, which the game
// puts at the view's centre plus kHouseOffsetX; trophy spots are given from the
// view's centre.
double SpotX(int i) { return RewardHouseLayout::kHouseSpots[i].x - RewardHouseLayout::kHouseOffsetX; }
double SpotY(int i) { return RewardHouseLayout::kHouseSpots[i].y; }

constexpr double kLeft = -372, kRight = 336;  // outer walls
constexpr double kRoofBase = -206, kUpperFloor = 6, kGround = 206, kPeak = -338;

void Room(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& wall, const Colour& floor) {
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    FillPath(cr, wall);
    cairo_rectangle(cr, x0, y1 - 14, x1 - x0, 14);
    FillPath(cr, floor);
    // A picture rail and soft light from the ceiling.
    cairo_rectangle(cr, x0, y0 + 16, x1 - x0, 3);
    FillPath(cr, kWhite.Alpha(0.45));
}

// What a trophy stands on at its place: a small shelf on a wall, a table on
// the floor, a stone stand in the garden.
void Support(cairo_t* cr, int i) {
    const double x = SpotX(i), y = SpotY(i);
    if (y > kGround) {
        RoundedRect(cr, x - 22, y + 26, 44, 12, 3);
        FillPath(cr, Hex(0xB9B4AA));
        cairo_rectangle(cr, x - 18, y + 34, 36, 4);
        FillPath(cr, Hex(0x8F8A80));
        return;
    }
    const double floor = y < kUpperFloor ? kUpperFloor - 14 : kGround - 14;
    if (floor - (y + 30) < 22) {
        // Close to the floor: a little table.
        RoundedRect(cr, x - 24, y + 28, 48, 6, 2);
        FillPath(cr, kWood);
        cairo_rectangle(cr, x - 20, y + 34, 4, floor - y - 34);
        FillPath(cr, kWoodDark);
        cairo_rectangle(cr, x + 16, y + 34, 4, floor - y - 34);
        FillPath(cr, kWoodDark);
    } else {
        RoundedRect(cr, x - 24, y + 28, 48, 7, 2);
        FillPath(cr, kWood);
        cairo_move_to(cr, x - 16, y + 35);
        cairo_line_to(cr, x - 16, y + 42);
        cairo_line_to(cr, x - 8, y + 35);
        FillPath(cr, kWoodDark);
        cairo_move_to(cr, x + 16, y + 35);
        cairo_line_to(cr, x + 16, y + 42);
        cairo_line_to(cr, x + 8, y + 35);
        FillPath(cr, kWoodDark);
    }
}

void HouseScene(cairo_t* cr, int w, int h) {
    cairo_translate(cr, w / 2.0, h / 2.0);
    // Sky, hills and lawn over the whole picture.
    cairo_rectangle(cr, -w / 2.0, -h / 2.0, w, h);
    FillVertical(cr, Hex(0xBFE0F0), Hex(0xEAF5F8), -h / 2.0, 120);
    cairo_move_to(cr, -w / 2.0, 150);
    for (double x = -w / 2.0; x <= w / 2.0; x += 32) cairo_line_to(cr, x, 120 - 40 * std::sin(x / 260.0) - 18 * std::sin(x / 97.0));
    cairo_line_to(cr, w / 2.0, h / 2.0);
    cairo_line_to(cr, -w / 2.0, h / 2.0);
    cairo_close_path(cr);
    FillPath(cr, Hex(0xB5D99C));
    cairo_rectangle(cr, -w / 2.0, kGround, w, h / 2.0 - kGround);
    FillPath(cr, kGrass);
    // The garden path to the door.
    Polygon(cr, {{-104, kGround}, {-44, kGround}, {-20, h / 2.0}, {-128, h / 2.0}});
    FillPath(cr, Hex(0xE3D7BF));

    // The shelf's side: a light panel behind the trophies still to buy.
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, -790, -292, 360, 626, 22);
        FillPath(c, kCream.Alpha(0.92));
    }, 0, 6, 12, 0.25);

    // The house: walls, roof, two floors of three and two rooms.
    WithShadow(cr, w, h, [&](cairo_t* c) {
        Polygon(c, {{kLeft - 34, kRoofBase + 4}, {(kLeft + kRight) / 2, kPeak}, {kRight + 34, kRoofBase + 4}});
        FillPath(c, kRoofRed);
        cairo_rectangle(c, kLeft - 8, kRoofBase - 6, kRight - kLeft + 16, kGround - kRoofBase + 6);
        FillPath(c, Hex(0xE9DCC6));
    }, 0, 8, 14, 0.35);
    // Roof tiles and an attic window.
    for (int r = 1; r < 5; ++r) {
        const double y = kRoofBase - r * 26, half = (kRight - kLeft) / 2 + 34 - r * 26 * ((kRight - kLeft) / 2 + 34) / (kRoofBase - kPeak);
        cairo_move_to(cr, (kLeft + kRight) / 2 - half, y);
        cairo_line_to(cr, (kLeft + kRight) / 2 + half, y);
        StrokePath(cr, kRoofRed.Mix(kInk, 0.25), 3);
    }
    Circle(cr, (kLeft + kRight) / 2, kRoofBase - 62, 26);
    FillPath(cr, kWhite);
    Circle(cr, (kLeft + kRight) / 2, kRoofBase - 62, 20);
    FillPath(cr, kGlass);
    // Chimney.
    cairo_rectangle(cr, 190, kPeak + 50, 36, 70);
    FillPath(cr, Hex(0x9C5A44));
    cairo_rectangle(cr, 184, kPeak + 44, 48, 12);
    FillPath(cr, Hex(0x7C3A27));

    const double wall = 8;
    // Upper floor: bedroom, bathroom, study.
    Room(cr, kLeft, kRoofBase, -150 - wall / 2, kUpperFloor - wall, Hex(0xF3D9D2), Hex(0xC99C72));
    Room(cr, -150 + wall / 2, kRoofBase, 25 - wall / 2, kUpperFloor - wall, Hex(0xD6ECEF), Hex(0xE9E6DF));
    Room(cr, 25 + wall / 2, kRoofBase, kRight, kUpperFloor - wall, Hex(0xE4E8D0), Hex(0xC99C72));
    // Ground floor: living room, kitchen.
    Room(cr, kLeft, kUpperFloor + wall, -30 - wall / 2, kGround - 6, Hex(0xF6E7C8), Hex(0xB98A5E));
    Room(cr, -30 + wall / 2, kUpperFloor + wall, kRight, kGround - 6, Hex(0xDDE7F2), Hex(0xD9D2C4));
    // A few things that make the rooms what they are.
    RoundedRect(cr, -350, -40, 96, 34, 8);  // the bed
    FillPath(cr, Hex(0xB9503A).Mix(kWhite, 0.3));
    RoundedRect(cr, -350, -52, 30, 16, 5);
    FillPath(cr, kWhite);
    RoundedRect(cr, -40, -44, 56, 30, 10);  // the bath
    FillPath(cr, kWhite);
    RoundedRect(cr, -36, -40, 48, 8, 4);
    FillPath(cr, kGlass);
    cairo_rectangle(cr, 200, -36, 90, 8);  // the desk
    FillPath(cr, kWood);
    cairo_rectangle(cr, 206, -28, 6, 22);
    FillPath(cr, kWoodDark);
    cairo_rectangle(cr, 278, -28, 6, 22);
    FillPath(cr, kWoodDark);
    RoundedRect(cr, -300, 150, 150, 42, 12);  // the sofa
    FillPath(cr, kTeal);
    RoundedRect(cr, -308, 140, 22, 52, 8);
    FillPath(cr, kTeal.Mix(kInk, 0.2));
    RoundedRect(cr, -164, 140, 22, 52, 8);
    FillPath(cr, kTeal.Mix(kInk, 0.2));
    cairo_rectangle(cr, 240, 140, 84, 52);  // the kitchen counter
    FillPath(cr, kWhite);
    cairo_rectangle(cr, 240, 136, 84, 6);
    FillPath(cr, kInk.Alpha(0.6));
    // The front door, between the rooms downstairs.
    RoundedRect(cr, -96, 96, 56, 104, 6);
    FillPath(cr, Hex(0x7C3A27));
    Circle(cr, -50, 150, 4);
    FillPath(cr, kGold);
    // Floors and walls between the rooms.
    cairo_rectangle(cr, kLeft, kUpperFloor - wall, kRight - kLeft, 2 * wall);
    FillPath(cr, Hex(0x9C7B5B));
    cairo_rectangle(cr, -150 - wall / 2, kRoofBase, wall, kUpperFloor - kRoofBase);
    FillPath(cr, Hex(0xCDBFA8));
    cairo_rectangle(cr, 25 - wall / 2, kRoofBase, wall, kUpperFloor - kRoofBase);
    FillPath(cr, Hex(0xCDBFA8));
    cairo_rectangle(cr, -30 - wall / 2, kUpperFloor, wall, kGround - kUpperFloor);
    FillPath(cr, Hex(0xCDBFA8));
    cairo_rectangle(cr, kLeft - 8, kGround - 6, kRight - kLeft + 16, 12);
    FillPath(cr, Hex(0x9C7B5B));
    // Garden: a hedge on the right (the shelf's panel is on the left).
    for (int k = 0; k < 6; ++k) {
        Circle(cr, 420 + k * 22, kGround + 60 + (k % 2) * 6, 24);
        FillPath(cr, Hex(0x5E9E4C));
    }

    // Each trophy's place: what it stands on, and its outline.
    for (int i = 0; i < RewardHouseLayout::kTrophies; ++i) Support(cr, i);
    for (int i = 0; i < RewardHouseLayout::kTrophies; ++i) {
        cairo_save(cr);
        Halo(cr, w, h, [&](cairo_t* c) {
            cairo_translate(c, SpotX(i) - 32, SpotY(i) - 32);
            Trophy(c, i);
        }, kInk.Alpha(0.22), 0, 1);
        cairo_restore(cr);
    }
}

void Victory(cairo_t* cr, int w, int h) {
    // Shown at scale 1, centred on the view: one on-screen pixel is two here.
    cairo_scale(cr, w / 512.0, h / 256.0);
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, 12, 10, 488, 230, 24);
        FillPath(c, kCream);
        RoundedRect(c, 20, 18, 472, 214, 18);
        StrokePath(c, kGold, 3);
    }, 0, 5, 10, 0.4);
    cairo_save(cr);
    cairo_translate(cr, 36, 22);
    cairo_scale(cr, 1.2, 1.2);
    Cup(cr, MetalFor(3), kNavy, false);
    cairo_restore(cr);
    Font big;
    big.px = 40;
    TextMiddle(cr, "Bravo !", 256, 50, big, kNavy);
    Font body;
    body.px = 19;
    body.bold = false;
    TextMiddle(cr, "Vous avez tous les trophées.", 256, 92, body, kInk);
    // The button where the game listens for a click, from the view's centre.
    const double bx = 256 + RewardHouseLayout::kRestartOffset.x, by = 128 + RewardHouseLayout::kRestartOffset.y;
    Circle(cr, bx, by + 2, RewardHouseLayout::kReach);
    FillPath(cr, kCoralDark);
    Circle(cr, bx, by, RewardHouseLayout::kReach);
    FillPath(cr, kCoral);
    cairo_arc(cr, bx, by, 9, -M_PI * 0.3, M_PI * 1.4);
    StrokePath(cr, kWhite, 3.5);
    const double ax = bx + 9 * std::cos(-M_PI * 0.3), ay = by + 9 * std::sin(-M_PI * 0.3);
    Polygon(cr, {{ax + 6, ay - 4}, {ax + 1, ay + 6}, {ax - 6, ay - 2}});
    FillPath(cr, kWhite);
    Font strong;
    strong.px = 18;
    const double tx = bx + RewardHouseLayout::kReach + 10;
    TextMiddle(cr, "Cliquez ici pour", tx, by - 10, strong, kInk, Align::Left);
    TextMiddle(cr, "rejouer du début", tx, by + 12, strong, kInk, Align::Left);
    // An arrow from the words to the button's left, for those who read there first.
    cairo_move_to(cr, bx - RewardHouseLayout::kReach - 40, by);
    cairo_line_to(cr, bx - RewardHouseLayout::kReach - 8, by);
    StrokePath(cr, kCoralDark, 3);
    cairo_move_to(cr, bx - RewardHouseLayout::kReach - 16, by - 7);
    cairo_line_to(cr, bx - RewardHouseLayout::kReach - 7, by);
    cairo_line_to(cr, bx - RewardHouseLayout::kReach - 16, by + 7);
    StrokePath(cr, kCoralDark, 3);
    Font note;
    note.px = 16;
    note.bold = false;
    TextMiddle(cr, "(les points et les trophées repartent de zéro)", 256, 208, note, kInk.Alpha(0.8));
}

void Banner(cairo_t* cr, int w, int h) {
    // The score panel's heading, across the panel's top edge. The picture's
    // left end lies under the exit button (view x 16 to 144, here up to 97),
    // so the ribbon starts right of it.
    WithShadow(cr, w, h, [&](cairo_t* c) {
        Polygon(c, {{104, 34}, {136, 34}, {136, 104}, {104, 104}, {118, 69}});
        FillPath(c, kNavyDark);
        Polygon(c, {{508, 34}, {476, 34}, {476, 104}, {508, 104}, {494, 69}});
        FillPath(c, kNavyDark);
        RoundedRect(c, 122, 18, 368, 80, 10);
        FillPath(c, kNavy);
        RoundedRect(c, 130, 26, 352, 64, 7);
        StrokePath(c, kGold, 2.5);
        Font f;
        f.px = 30;
        TextMiddle(c, "Activité terminée !", 306, 58, f, kWhite);
    }, 0, 5, 8, 0.4);
}

void Titles(cairo_t* cr, int, int) {
    // Centred at (170, 256) of the view; the panel's left inside edge is at 65.
    // Labels start where the bars start, at x 118 of the view (204 here).
    Font f;
    f.px = 22;
    Text(cr, "Vos lingots", 204, 44, f, Hex(0x4F0D07), Align::Left);
    Text(cr, "Dans cette activité", 204, 226, f, Hex(0x4F0D07), Align::Left);
}

void EmptySlot(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0 - 1, bw = w * 0.86, bh = h * 0.66, inset = bh * 0.42;
    Polygon(cr, {{cx - bw / 2, cy + bh / 2},
                 {cx - bw / 2 + inset, cy - bh / 2},
                 {cx + bw / 2 - inset, cy - bh / 2},
                 {cx + bw / 2, cy + bh / 2}});
    Set(cr, Hex(0x4F0D07, 0.22));
    cairo_fill_preserve(cr);
    StrokePath(cr, Hex(0x4F0D07, 0.55), 2);
}

}  // namespace

// The counts' glyphs, white (the game tints them), each centred in its
// advance at the left of its cell, on the table's baseline.
void CountGlyphPicture(cairo_t* cr, int, int) {
    using namespace CountGlyphs;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, kFontPixels);
    Set(cr, kWhite);
    for (int i = 0; i < kCount; ++i) {
        const char glyph[2] = {kGlyphs[i], '\0'};
        cairo_text_extents_t extents;
        cairo_text_extents(cr, glyph, &extents);
        cairo_move_to(cr, i * kCellWidth + (kAdvance[i] - extents.x_advance) / 2.0, kBaseline);
        cairo_show_text(cr, glyph);
    }
}

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"count_glyphs.png", CountGlyphs::kCells * CountGlyphs::kCellWidth, CountGlyphs::kCellHeight,
         CountGlyphPicture},
        {"gold_bullion.png", 64, 32, IngotPicture},
        {"gold_bullion_empty.png", 64, 32, EmptySlot},
        {"bullion_large.png", 128, 64, IngotPicture},
        {"MinijeuComplete.png", 512, 128, Banner},
        {"scoreTitles.png", 512, 256, Titles},
        {"RewardHouse.png", 2048, 1024, HouseScene},
        {"victory.png", 1024, 512, Victory},
    };
    for (int i = 0; i < RewardHouseLayout::kTrophies; ++i)
        pictures.push_back({"trophy" + std::to_string(i) + ".png", 64, 64,
                            [i](cairo_t* cr, int w, int h) { TrophyPicture(cr, w, h, i); }});
    return Run(argc, argv, pictures);
}
