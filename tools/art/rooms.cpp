// The workplaces' rooms, behind their minigame icons: the dentist's waiting
// room, the pizzeria and the grocery's shelves. Drawn on the reference layout
// and stretched over the view; each icon spot of the room gets a light round
// mat so that the icons stand out from the decor.
#include <cmath>

#include "Art.h"
#include "scenes/SubMenuLayout.h"

using namespace art;
using namespace art::ink;

namespace {

void Mat(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y + 6);
    cairo_scale(cr, 1, 0.9);
    Circle(cr, 0, 0, 44);
    cairo_restore(cr);
    FillPath(cr, Hex(0x000000, 0.12));
    Circle(cr, x, y, 42);
    FillPath(cr, kCream.Alpha(0.92));
    Circle(cr, x, y, 42);
    StrokePath(cr, kGold, 3);
}

void Mats(cairo_t* cr, const ReferenceLayout::Spot* spots, int n) {
    for (int i = 0; i < n; ++i) Mat(cr, spots[i].fx * 1362, spots[i].fy * 726);
}

void Banner(cairo_t* cr, double cx, double cy, const std::string& text, const Colour& back) {
    Font f;
    f.px = 34;
    double tw, th;
    Measure(cr, text, f, &tw, &th);
    RoundedRect(cr, cx - tw / 2 - 28, cy - 30, tw + 56, 60, 14);
    FillPath(cr, Hex(0x000000, 0.15));
    RoundedRect(cr, cx - tw / 2 - 28, cy - 34, tw + 56, 60, 14);
    FillPath(cr, back);
    RoundedRect(cr, cx - tw / 2 - 22, cy - 28, tw + 44, 48, 10);
    StrokePath(cr, kWhite.Alpha(0.6), 2);
    TextMiddle(cr, text, cx, cy - 4, f, kWhite);
}

void Plant(cairo_t* cr, double x, double base, double s) {
    const double leaves[][3] = {{-0.9, -1.6, 0.5}, {0.8, -1.7, 0.55}, {0, -2.3, 0.6}, {-0.4, -1.1, 0.5}, {0.5, -1.0, 0.5}};
    for (auto& l : leaves) {
        cairo_save(cr);
        cairo_translate(cr, x + l[0] * 20 * s, base + l[1] * 20 * s);
        cairo_scale(cr, 0.6, 1);
        Circle(cr, 0, 0, l[2] * 30 * s);
        cairo_restore(cr);
        FillPath(cr, Hex(0x4F8F45));
    }
    Polygon(cr, {{x - 18 * s, base - 30 * s}, {x + 18 * s, base - 30 * s}, {x + 13 * s, base}, {x - 13 * s, base}});
    FillPath(cr, kCoralDark);
}

void Chair(cairo_t* cr, double x, double base, const Colour& c) {
    RoundedRect(cr, x - 26, base - 96, 52, 56, 10);
    FillPath(cr, c);
    RoundedRect(cr, x - 30, base - 46, 60, 16, 6);
    FillPath(cr, c.Mix(kInk, 0.15));
    cairo_rectangle(cr, x - 24, base - 30, 5, 30);
    FillPath(cr, kInk.Alpha(0.7));
    cairo_rectangle(cr, x + 19, base - 30, 5, 30);
    FillPath(cr, kInk.Alpha(0.7));
}

void WaitingRoom(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, 0, 0, 1362, 470);
    FillPath(cr, Hex(0xDCEEEA));
    cairo_rectangle(cr, 0, 0, 1362, 40);
    FillPath(cr, Hex(0xC9E3DD));
    // Wooden floor.
    cairo_rectangle(cr, 0, 470, 1362, 256);
    FillPath(cr, Hex(0xD8B98E));
    for (int r = 0; r < 6; ++r) {
        cairo_rectangle(cr, 0, 470 + r * 44, 1362, 2);
        FillPath(cr, Hex(0xB8976B));
        for (int k = 0; k < 6; ++k) {
            cairo_rectangle(cr, (k * 260 + r * 97) % 1362, 470 + r * 44, 2, 44);
            FillPath(cr, Hex(0xB8976B));
        }
    }
    cairo_rectangle(cr, 0, 458, 1362, 14);
    FillPath(cr, kWhite);
    // A window onto the street.
    RoundedRect(cr, 40, 120, 260, 190, 6);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, 52, 132, 236, 166);
    FillPath(cr, kSky);
    Circle(cr, 120, 250, 50);
    FillPath(cr, Hex(0x84B867));
    cairo_rectangle(cr, 52, 262, 236, 36);
    FillPath(cr, Hex(0x9CCB7E));
    cairo_rectangle(cr, 167, 132, 6, 166);
    FillPath(cr, kWhite);
    // The reception desk, in the middle.
    RoundedRect(cr, 430, 395, 420, 22, 6);
    FillPath(cr, kTeal.Mix(kInk, 0.25));
    cairo_rectangle(cr, 445, 417, 390, 150);
    FillPath(cr, kTeal);
    cairo_rectangle(cr, 445, 480, 390, 8);
    FillPath(cr, kTealLight);
    // A computer screen on it, turned away.
    RoundedRect(cr, 730, 320, 90, 66, 6);
    FillPath(cr, kInk);
    cairo_rectangle(cr, 770, 386, 10, 10);
    FillPath(cr, kInk);
    // Chairs for the patients, on the right.
    const Colour seats[3] = {kCoral, Hex(0xF0B93A), kTeal};
    for (int k = 0; k < 4; ++k) Chair(cr, 1050 + k * 80, 560, seats[k % 3]);
    Plant(cr, 1330, 560, 1.1);
    Plant(cr, 360, 470, 1.0);
    // A clock and a poster on the wall.
    Circle(cr, 1110, 180, 42);
    FillPath(cr, kWhite);
    Circle(cr, 1110, 180, 42);
    StrokePath(cr, kInk, 5);
    cairo_move_to(cr, 1110, 180);
    cairo_line_to(cr, 1110, 150);
    StrokePath(cr, kInk, 4);
    cairo_move_to(cr, 1110, 180);
    cairo_line_to(cr, 1132, 190);
    StrokePath(cr, kInk, 4);
    RoundedRect(cr, 1200, 110, 120, 160, 6);
    FillPath(cr, kWhite);
    RoundedRect(cr, 1212, 122, 96, 96, 4);
    FillPath(cr, kTealLight);
    Circle(cr, 1260, 170, 26);
    FillPath(cr, kWhite);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 1214, 230 + i * 11, 92 - i * 20, 5);
        FillPath(cr, kTeal);
    }
    Banner(cr, 681, 150, "Cabinet du dentiste", kTeal.Mix(kInk, 0.15));
    Mats(cr, SubMenuLayout::kDentistIcons, 10);
}

void Pizzeria(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    // Brick wall.
    cairo_rectangle(cr, 0, 0, 1362, 450);
    FillPath(cr, Hex(0xE7B49A));
    Random rnd{5};
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 24; ++c) {
            const double x = c * 60 + (r % 2) * 30 - 30, y = r * 30;
            RoundedRect(cr, x + 2, y + 2, 56, 26, 3);
            FillPath(cr, Hex(0xD9977A).Mix(Hex(0xC97F63), rnd.Next()));
        }
    // Checked floor.
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 28; ++c) {
            cairo_rectangle(cr, c * 50, 450 + r * 46, 50, 46);
            FillPath(cr, (r + c) % 2 ? Hex(0xF3E6D0) : Hex(0xC9775A));
        }
    cairo_rectangle(cr, 0, 444, 1362, 10);
    FillPath(cr, Hex(0x7C3A27));
    // The oven, on the right, with its fire.
    cairo_move_to(cr, 1010, 450);
    cairo_line_to(cr, 1010, 320);
    cairo_arc(cr, 1160, 320, 150, M_PI, 2 * M_PI);
    cairo_line_to(cr, 1310, 450);
    cairo_close_path(cr);
    FillPath(cr, Hex(0xB9A89A));
    cairo_move_to(cr, 1080, 450);
    cairo_line_to(cr, 1080, 380);
    cairo_arc(cr, 1160, 380, 80, M_PI, 2 * M_PI);
    cairo_line_to(cr, 1240, 450);
    cairo_close_path(cr);
    FillPath(cr, Hex(0x3A2A22));
    for (int k = 0; k < 5; ++k) {
        const double fx = 1110 + k * 25;
        cairo_move_to(cr, fx - 14, 445);
        cairo_curve_to(cr, fx - 12, 420, fx, 410 - (k % 2) * 16, fx, 395 - (k % 2) * 16);
        cairo_curve_to(cr, fx + 4, 415, fx + 14, 425, fx + 14, 445);
        cairo_close_path(cr);
        FillPath(cr, k % 2 ? Hex(0xF5A623) : Hex(0xE2674A));
    }
    // The menu board, on the left.
    RoundedRect(cr, 60, 170, 300, 220, 10);
    FillPath(cr, Hex(0x7C3A27));
    RoundedRect(cr, 72, 182, 276, 196, 6);
    FillPath(cr, Hex(0x2F3B35));
    Font f;
    f.px = 26;
    TextMiddle(cr, "Menu", 210, 210, f, kCream);
    for (int i = 0; i < 5; ++i) {
        cairo_rectangle(cr, 96, 246 + i * 24, 150 - (i % 2) * 30, 6);
        FillPath(cr, kCream.Alpha(0.7));
        cairo_rectangle(cr, 276, 246 + i * 24, 46, 6);
        FillPath(cr, kGoldLight.Alpha(0.8));
    }
    // The counter.
    RoundedRect(cr, 500, 400, 470, 20, 6);
    FillPath(cr, Hex(0x5A3A22));
    cairo_rectangle(cr, 512, 420, 446, 130);
    FillPath(cr, kWood);
    for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, 530 + k * 110, 436, 84, 98);
        StrokePath(cr, kWoodDark, 3);
    }
    // A pizza ready on the counter's end, and a lamp above it.
    cairo_save(cr);
    cairo_translate(cr, 560, 392);
    cairo_scale(cr, 1, 0.3);
    Circle(cr, 0, 0, 40);
    cairo_restore(cr);
    FillPath(cr, Hex(0xE9B45E));
    cairo_move_to(cr, 690, 0);
    cairo_line_to(cr, 690, 110);
    StrokePath(cr, kInk, 3);
    cairo_move_to(cr, 650, 150);
    cairo_arc(cr, 690, 150, 40, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    FillPath(cr, kGreenDark);
    Banner(cr, 640, 260, "Pizzeria", kCoralDark);
    Mats(cr, SubMenuLayout::kPizzaIcons, 9);
}

void Shelves(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, 0, 0, 1362, 726);
    FillPath(cr, Hex(0xEDE6D6));
    Random rnd{3};
    const Colour goods[] = {Hex(0xE24B3B), Hex(0xF5A623), Hex(0x6DBA45), Hex(0x2D6DB5), Hex(0xF2F2F2),
                            Hex(0x8E5AA8), Hex(0xE9C46A), Hex(0x2A8C82)};
    // Three long shelves of goods.
    const double boards[3] = {215, 335, 455};
    for (int s = 0; s < 3; ++s) {
        double x = 40;
        while (x < 1300) {
            const double gw = 28 + 30 * rnd.Next(), gh = 40 + 50 * rnd.Next();
            const Colour c = goods[static_cast<int>(rnd.Next() * 8) % 8];
            if (rnd.Next() < 0.3) {
                // A row of cans.
                for (int k = 0; k < 3 && x < 1290; ++k, x += 26) {
                    RoundedRect(cr, x, boards[s] - 52, 24, 52, 4);
                    FillPath(cr, c);
                    cairo_rectangle(cr, x, boards[s] - 38, 24, 18);
                    FillPath(cr, kWhite.Alpha(0.55));
                }
            } else {
                RoundedRect(cr, x, boards[s] - gh, gw, gh, 3);
                FillPath(cr, c);
                cairo_rectangle(cr, x + 4, boards[s] - gh * 0.7, gw - 8, gh * 0.3);
                FillPath(cr, kWhite.Alpha(0.5));
                x += gw + 3;
            }
            x += 4 + 10 * rnd.Next();
        }
        cairo_rectangle(cr, 20, boards[s], 1322, 14);
        FillPath(cr, kWood);
        cairo_rectangle(cr, 20, boards[s] + 14, 1322, 5);
        FillPath(cr, kWoodDark);
        // Price strips along the board.
        for (double px = 70; px < 1300; px += 160) {
            cairo_rectangle(cr, px, boards[s] + 2, 38, 10);
            FillPath(cr, kGoldLight);
        }
    }
    cairo_rectangle(cr, 20, 100, 10, 380);
    FillPath(cr, kWoodDark);
    cairo_rectangle(cr, 1332, 100, 10, 380);
    FillPath(cr, kWoodDark);
    // The long counter where the activities are laid out.
    cairo_rectangle(cr, 0, 520, 1362, 206);
    FillPath(cr, Hex(0xCFA879));
    cairo_rectangle(cr, 0, 520, 1362, 16);
    FillPath(cr, kWoodDark);
    for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, 0, 560 + k * 44, 1362, 2);
        FillPath(cr, Hex(0xB38D60));
    }
    Banner(cr, 681, 62, "Épicerie", kGreenDark);
    const int n = 5;
    for (int i = 0; i < n; ++i) Mat(cr, 1362.0 / (n + 1) * (i + 1), SubMenuLayout::kGroceryRowY * 726);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"waitingroom.png", 2048, 1024, WaitingRoom},
        {"pizzaria.png", 2048, 1024, Pizzeria},
        {"shelf_background.png", 2048, 1024, Shelves},
    };
    return Run(argc, argv, pictures);
}
