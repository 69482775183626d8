// The office building's lobby: the hall with the elevator, the directory
// board, the elevator's button panel, the tutorial sheet with its name card
// and its small panel, the task card and the progress strip. Tenants,
// floors and buttons come from the game's directory table.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/pizzeria/LobbyDirectory.h"

using namespace art;
using namespace art::ink;
using namespace LobbyDirectory;

namespace {

const Colour kSteel = Hex(0xB8BEC6);
const Colour kSteelDark = Hex(0x7D858F);
const Colour kBoard = Hex(0x1F2328);
const Colour kBoardText = Hex(0xF2F2EE);
const Colour kButtonFace = Hex(0xE4E7EB);
const Colour kMarble = Hex(0xE9E4DA);

Font Type(double px, bool bold = true) {
    Font f;
    f.px = px;
    f.bold = bold;
    return f;
}

void SteelFace(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0, v = 0.70 + 0.08 * std::sin(i * 2.1);
        cairo_pattern_add_color_stop_rgb(g, t, v, v + 0.02, v + 0.05);
    }
    RoundedRect(cr, x, y, w, h, r);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// One round elevator button, its label in the middle.
void RoundButton(cairo_t* cr, double cx, double cy, double r, const std::string& label) {
    Circle(cr, cx, cy, r);
    FillPath(cr, kSteelDark);
    Circle(cr, cx, cy, r * 0.86);
    FillPath(cr, kButtonFace);
    Circle(cr, cx, cy, r * 0.86);
    StrokePath(cr, kWhite.Alpha(0.8), 2);
    TextMiddle(cr, label, cx, cy, Type(r * (label.size() > 1 ? 0.7 : 0.9)), kInk);
}

// --- the hall ---

void Hall(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, 0, 0, 1362, 600);
    FillVertical(cr, Hex(0xD9CDB8), Hex(0xC9BBA2), 0, 600);
    for (double x = 0; x < 1362; x += 170) {
        cairo_rectangle(cr, x, 0, 4, 600);
        FillPath(cr, Hex(0xB8A98E));
    }
    cairo_rectangle(cr, 0, 600, 1362, 126);
    FillPath(cr, kMarble);
    Random random{5};
    for (int i = 0; i < 40; ++i) {
        const double x = random.Next() * 1362, y = 605 + random.Next() * 120;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 40, y + 6, x + 80, y - 4, x + 130, y + 8);
        StrokePath(cr, kStone.Alpha(0.35), 1.5);
    }
    cairo_rectangle(cr, 0, 594, 1362, 8);
    FillPath(cr, kWoodDark);
    // The elevator: its frame, its two doors and the floor indicator.
    WithShadow(cr, w, h, [](cairo_t* c) {
        RoundedRect(c, 620, 170, 300, 432, 6);
        FillPath(c, kSteelDark);
    }, 0, 6, 10, 0.35);
    SteelFace(cr, 640, 200, 128, 398, 2);
    SteelFace(cr, 772, 200, 128, 398, 2);
    cairo_move_to(cr, 770, 200);
    cairo_line_to(cr, 770, 598);
    StrokePath(cr, Hex(0x4B525B), 3);
    RoundedRect(cr, 720, 120, 100, 40, 6);
    FillPath(cr, kBoard);
    TextMiddle(cr, "\u25B2 RC", 770, 140, Type(22), Hex(0xFF9F43));
}

// --- the directory board ---

void Chart(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [](cairo_t* c) {
        RoundedRect(c, 24, 24, 976, 976, 22);
        FillPath(c, kWoodDark);
        RoundedRect(c, 48, 48, 928, 928, 12);
        FillPath(c, kBoard);
    }, 0, 10, 14, 0.45);
    TextMiddle(cr, "ÉDIFICE LAURIER", 512, 110, Type(56), kGoldLight);
    TextMiddle(cr, "Répertoire des bureaux", 512, 168, Type(36, false), kBoardText);
    const double cols[3] = {90, 370, 650};
    const char* heads[3] = {"Prénom", "Nom", "Étage / bureau"};
    for (int c = 0; c < 3; ++c) TextMiddle(cr, heads[c], cols[c], 236, Type(32), kGoldLight, Align::Left);
    cairo_move_to(cr, 80, 266);
    cairo_line_to(cr, 944, 266);
    StrokePath(cr, kGoldLight.Alpha(0.6), 3);
    for (int i = 0; i < kTenantCount; ++i) {
        const double y = 306 + i * 54;
        if (i % 2 == 1) {
            cairo_rectangle(cr, 72, y - 26, 880, 52);
            FillPath(cr, kWhite.Alpha(0.06));
        }
        TextMiddle(cr, kTenants[i].firstName, cols[0], y, Type(36, false), kBoardText, Align::Left);
        TextMiddle(cr, kTenants[i].surname, cols[1], y, Type(36), kBoardText, Align::Left);
        TextMiddle(cr, kTenants[i].where, cols[2], y, Type(36, false), kBoardText, Align::Left);
    }
}

// --- the button panel ---

void Panel(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [](cairo_t* c) { SteelFace(c, 40, 40, 432, 944, 30); }, 0, 8, 12, 0.45);
    RoundedRect(cr, 40, 40, 432, 944, 30);
    StrokePath(cr, kSteelDark, 4);
    // The screws at the corners.
    for (double sx : {80.0, 432.0})
        for (double sy : {80.0, 944.0}) {
            Circle(cr, sx, sy, 10);
            FillPath(cr, kSteelDark);
        }
    const double cx = w / 2.0, cy = h / 2.0;
    for (const Button& b : kButtons) {
        const double x = cx + 2 * b.dx, y = cy + 2 * b.dy;
        RoundButton(cr, x, y, 2 * kButtonRadius - 4, b.label);
        // Braille dots beside each button, as on real panels.
        for (int d = 0; d < 3; ++d) {
            Circle(cr, x + (b.dx < 0 ? -80 : 80), y - 14 + d * 14, 4);
            FillPath(cr, kSteelDark);
        }
    }
    TextMiddle(cr, "\u2605", cx + 70, cy + 2 * 200, Type(30), kSteelDark);
}

// --- the tutorial ---

void NameCard(cairo_t* cr, int w, int h) {
    const Tenant& sample = kTenants[kSampleTenant];
    WithShadow(cr, w, h, [](cairo_t* c) {
        RoundedRect(c, 20, 20, 984, 216, 24);
        FillPath(c, kBoard);
    }, 0, 6, 8, 0.4);
    const char* heads[3] = {"Prénom", "Nom de famille", "Bureau"};
    const char* values[3] = {sample.firstName, sample.surname, sample.where};
    for (int i = 0; i < 3; ++i) {
        const double x = 512 + 2 * kParts[i].dx, y = 128 + 2 * kParts[i].dy;
        TextMiddle(cr, heads[i], x, 62, Type(30, false), kGoldLight);
        RoundedRect(cr, x - 2 * kParts[i].halfWidth + 6, y - 2 * kParts[i].halfHeight + 6,
                    4 * kParts[i].halfWidth - 12, 4 * kParts[i].halfHeight - 12, 14);
        StrokePath(cr, kGold, 4);
        TextMiddle(cr, values[i], x, y, Type(44), kBoardText);
    }
}

void SmallPanel(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [](cairo_t* c) { SteelFace(c, 28, 28, 200, 200, 24); }, 0, 6, 8, 0.4);
    RoundButton(cr, 128, 128, 62, "4");
    Circle(cr, 128, 128, 2 * kParts[3].halfWidth - 6);
    StrokePath(cr, kGold, 4);
}

void Tutorial(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    const double cw = 820, ch = 130, cx = 681, top = 110;
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, cx - cw / 2, top, cw, ch, 22);
        FillPath(c, kCream);
        RoundedRect(c, cx - cw / 2, top, 16, ch, 8);
        FillPath(c, kCoral);
    }, 0, 8, 10, 0.4);
    const std::string text =
        "Un nom a deux parties : le prénom et le nom de famille. Cliquez sur chaque partie, puis sur le bouton, "
        "pour les entendre. Puis cliquez sur Jouer.";
    double tw, th;
    Measure(cr, text, Type(26), &tw, &th, cw - 80);
    Text(cr, text, cx + 8, top + (ch - th) / 2, Type(26), kInk, Align::Centre, cw - 80);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"elevator.png", 2048, 1024, Hall},
        {"elevatorTutorial.png", 2048, 1024, Tutorial},
        {"nameChart.png", 1024, 1024, Chart},
        {"elevatorButtons.png", 512, 1024, Panel},
        {"namesSmall.png", 1024, 256, NameCard},
        {"elevatorButtonsSmall.png", 256, 256, SmallPanel},
        TaskCard("consigne2_4.png", "Le hall d'entrée", "Écoutez, lisez, montez", kCoral),
    };
    for (const Picture& p : ProgressStrip("minijeu2_4progress%d.png", kVisitorCount, kCoral)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
