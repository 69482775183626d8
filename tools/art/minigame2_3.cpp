// The sign hunts (road signs and information signs): the twenty sign faces
// drawn to Canadian conventions, the street behind them, the two intro
// sheets, the printed meanings, the comic bubble, the task cards and the
// progress strips. Names, kinds and meanings come from the game's tables.
#include <cmath>
#include <map>

#include "Art.h"
#include "Lesson.h"
#include "minigames/pizzeria/Signs.h"

using namespace art;
using namespace art::ink;
using namespace Signs;

namespace {

// The sign colours of the Canadian manual, a little softened for the screen.
const Colour kSignYellow = Hex(0xF6C517);
const Colour kSignRed = Hex(0xC8202F);
const Colour kSignGreen = Hex(0x00704A);
const Colour kSignBlue = Hex(0x1F4E9C);
const Colour kSignBlack = Hex(0x151515);
const Colour kSignWhite = Hex(0xFBFBF8);

constexpr double kC = 128;  // the face's centre on its 256-pixel canvas

Font Type(double px, bool condensed = true) {
    Font f;
    f.px = px;
    f.condensed = condensed;
    return f;
}

// --- the faces ---

void WarningDiamond(cairo_t* cr) {
    WithShadow(cr, 256, 256, [](cairo_t* c) {
        Polygon(c, {{kC, 6}, {250, kC}, {kC, 250}, {6, kC}});
        FillPath(c, kSignBlack);
        Polygon(c, {{kC, 14}, {242, kC}, {kC, 242}, {14, kC}});
        FillPath(c, kSignYellow);
        Polygon(c, {{kC, 22}, {234, kC}, {kC, 234}, {22, kC}});
        StrokePath(c, kSignBlack, 4);
    }, 0, 4, 5, 0.4);
}

void WhitePlate(cairo_t* cr, double x, double y, double w, double h, const Colour& face, const Colour& rim) {
    WithShadow(cr, 256, 256, [&](cairo_t* c) {
        RoundedRect(c, x, y, w, h, 14);
        FillPath(c, rim);
        RoundedRect(c, x + 5, y + 5, w - 10, h - 10, 10);
        FillPath(c, face);
    }, 0, 4, 5, 0.4);
}

// The red ring of a prohibition; the slash is drawn over the symbol.
void ProhibitionRing(cairo_t* cr) {
    WhitePlate(cr, 8, 8, 240, 240, kSignWhite, kSignBlack);
    Circle(cr, kC, kC, 92);
    StrokePath(cr, kSignRed, 20);
}
void ProhibitionSlash(cairo_t* cr) {
    const double d = 92 * std::cos(M_PI / 4);
    cairo_move_to(cr, kC - d, kC - d);
    cairo_line_to(cr, kC + d, kC + d);
    StrokePath(cr, kSignRed, 20);
}

void Arrow(cairo_t* cr, std::initializer_list<Point> shaft, Point tip, double angle, double width,
           const Colour& c) {
    bool first = true;
    for (const Point& p : shaft) {
        if (first) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
        first = false;
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    StrokePath(cr, c, width);
    const double s = width * 1.5;
    const double ca = std::cos(angle), sa = std::sin(angle);
    Polygon(cr, {{tip.x + ca * s * 1.3, tip.y + sa * s * 1.3},
                 {tip.x - sa * s, tip.y + ca * s},
                 {tip.x + sa * s, tip.y - ca * s}});
    FillPath(cr, c);
}

void Bicycle(cairo_t* cr, double cx, double cy, const Colour& c) {
    Circle(cr, cx - 38, cy + 18, 24);
    StrokePath(cr, c, 7);
    Circle(cr, cx + 38, cy + 18, 24);
    StrokePath(cr, c, 7);
    cairo_move_to(cr, cx - 38, cy + 18);
    cairo_line_to(cr, cx - 12, cy - 14);
    cairo_line_to(cr, cx + 24, cy - 14);
    cairo_line_to(cr, cx + 38, cy + 18);
    cairo_move_to(cr, cx - 38, cy + 18);
    cairo_line_to(cr, cx + 2, cy + 18);
    cairo_line_to(cr, cx + 24, cy - 14);
    cairo_move_to(cr, cx - 16, cy - 24);
    cairo_line_to(cr, cx - 2, cy - 24);
    cairo_move_to(cr, cx + 20, cy - 28);
    cairo_line_to(cr, cx + 30, cy - 28);
    StrokePath(cr, c, 6);
}

void Walker(cairo_t* cr, double cx, double cy, const Colour& c) {
    Circle(cr, cx + 4, cy - 46, 11);
    FillPath(cr, c);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx, cy - 30);
    cairo_line_to(cr, cx - 6, cy + 6);
    StrokePath(cr, c, 14);
    cairo_move_to(cr, cx - 6, cy + 4);
    cairo_line_to(cr, cx - 26, cy + 44);
    cairo_move_to(cr, cx - 6, cy + 4);
    cairo_line_to(cr, cx + 10, cy + 22);
    cairo_line_to(cr, cx + 14, cy + 46);
    cairo_move_to(cr, cx - 2, cy - 24);
    cairo_line_to(cr, cx - 22, cy - 4);
    cairo_move_to(cr, cx + 2, cy - 24);
    cairo_line_to(cr, cx + 22, cy - 8);
    StrokePath(cr, c, 9);
}

void LightsAhead(cairo_t* cr) {
    WarningDiamond(cr);
    RoundedRect(cr, kC - 24, kC - 70, 48, 140, 10);
    FillPath(cr, kSignBlack);
    const Colour lamps[3] = {Hex(0xE53935), Hex(0xF6C517), Hex(0x2E9E4F)};
    for (int i = 0; i < 3; ++i) {
        Circle(cr, kC, kC - 44 + 44 * i, 15);
        FillPath(cr, lamps[i]);
    }
}

void NoBikes(cairo_t* cr) {
    ProhibitionRing(cr);
    Bicycle(cr, kC, kC, kSignBlack);
    ProhibitionSlash(cr);
}

void NoLeftTurn(cairo_t* cr) {
    ProhibitionRing(cr);
    Arrow(cr, {{kC + 20, kC + 62}, {kC + 20, kC - 8}, {kC - 24, kC - 8}}, {kC - 30, kC - 8}, M_PI, 18, kSignBlack);
    ProhibitionSlash(cr);
}

void NoParking(cairo_t* cr) {
    ProhibitionRing(cr);
    TextMiddle(cr, "P", kC, kC + 4, Type(130, false), kSignBlack);
    ProhibitionSlash(cr);
}

void DoNotEnter(cairo_t* cr) {
    WhitePlate(cr, 8, 8, 240, 240, kSignWhite, kSignBlack);
    Circle(cr, kC, kC, 104);
    FillPath(cr, kSignRed);
    RoundedRect(cr, kC - 76, kC - 16, 152, 32, 4);
    FillPath(cr, kSignWhite);
}

void Yield(cairo_t* cr) {
    WithShadow(cr, 256, 256, [](cairo_t* c) {
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        Polygon(c, {{10, 26}, {246, 26}, {kC, 236}});
        FillPath(c, kSignRed);
        Polygon(c, {{54, 52}, {202, 52}, {kC, 184}});
        FillPath(c, kSignWhite);
    }, 0, 4, 5, 0.4);
}

void Pedestrian(cairo_t* cr) {
    WarningDiamond(cr);
    Walker(cr, kC, kC + 6, kSignBlack);
}

void RoadToGravel(cairo_t* cr) {
    WarningDiamond(cr);
    // The paved road in front, its gravel continuation beyond.
    Polygon(cr, {{kC - 46, kC + 44}, {kC + 46, kC + 44}, {kC + 28, kC}, {kC - 28, kC}});
    FillPath(cr, kSignBlack);
    for (int row = 0; row < 7; ++row) {
        const double y = kC - 6 - row * 9, half = 28 - row * 2.2;
        for (int i = 0; i < 6; ++i) {
            const double x = kC - half + (2 * half) * (i + (row % 2) * 0.5) / 6;
            Circle(cr, x, y, 3.2 - row * 0.25);
            FillPath(cr, kSignBlack);
        }
    }
    TextMiddle(cr, "GRAVIER", kC, kC + 70, Type(22), kSignBlack);
}

void SharpRight(cairo_t* cr) {
    WarningDiamond(cr);
    Arrow(cr, {{kC - 26, kC + 72}, {kC - 26, kC - 26}, {kC + 30, kC - 26}}, {kC + 36, kC - 26}, 0, 20, kSignBlack);
}

void WindingRoad(cairo_t* cr) {
    WarningDiamond(cr);
    cairo_move_to(cr, kC - 4, kC + 76);
    cairo_curve_to(cr, kC - 60, kC + 40, kC + 50, kC + 20, kC + 2, kC - 14);
    cairo_curve_to(cr, kC - 40, kC - 44, kC + 20, kC - 50, kC + 8, kC - 58);
    StrokePath(cr, kSignBlack, 18);
    Polygon(cr, {{kC - 14, kC - 52}, {kC + 16, kC - 86}, {kC + 30, kC - 42}});
    FillPath(cr, kSignBlack);
}

// A board of the guide or service kind, white letters on its colour.
void Board(cairo_t* cr, const Colour& face) { WhitePlate(cr, 8, 40, 240, 176, face, kSignWhite); }

void Emergency(cairo_t* cr) {
    Board(cr, kSignBlue);
    TextMiddle(cr, "URGENCE", kC, 88, Type(32), kSignWhite);
    TextMiddle(cr, "9-1-1", kC, 150, Type(70, false), kSignWhite);
}

void Bumpy(cairo_t* cr) {
    WarningDiamond(cr);
    cairo_move_to(cr, kC - 70, kC + 10);
    cairo_curve_to(cr, kC - 50, kC - 40, kC - 20, kC - 40, kC, kC + 10);
    cairo_curve_to(cr, kC + 20, kC - 40, kC + 50, kC - 40, kC + 70, kC + 10);
    StrokePath(cr, kSignBlack, 14);
    TextMiddle(cr, "BOSSES", kC, kC + 50, Type(30), kSignBlack);
}

void RouteEnds(cairo_t* cr) {
    // Ontario's crowned route marker under its tab.
    WhitePlate(cr, 60, 8, 136, 50, kSignWhite, kSignBlack);
    TextMiddle(cr, "FIN", kC, 34, Type(34), kSignBlack);
    WithShadow(cr, 256, 256, [](cairo_t* c) {
        cairo_move_to(c, 48, 84);
        cairo_line_to(c, 84, 72);
        cairo_line_to(c, kC, 88);
        cairo_line_to(c, 172, 72);
        cairo_line_to(c, 208, 84);
        cairo_line_to(c, 208, 170);
        cairo_curve_to(c, 208, 220, 160, 236, kC, 248);
        cairo_curve_to(c, 96, 236, 48, 220, 48, 170);
        cairo_close_path(c);
        FillPath(c, kSignBlack);
        cairo_move_to(c, 56, 90);
        cairo_line_to(c, 84, 80);
        cairo_line_to(c, kC, 96);
        cairo_line_to(c, 172, 80);
        cairo_line_to(c, 200, 90);
        cairo_line_to(c, 200, 170);
        cairo_curve_to(c, 200, 214, 156, 228, kC, 240);
        cairo_curve_to(c, 100, 228, 56, 214, 56, 170);
        cairo_close_path(c);
        FillPath(c, kSignWhite);
    }, 0, 4, 5, 0.4);
    TextMiddle(cr, "ONTARIO", kC, 114, Type(16), kSignBlack);
    TextMiddle(cr, "69", kC, 172, Type(84, false), kSignBlack);
}

void Height(cairo_t* cr) {
    WarningDiamond(cr);
    Polygon(cr, {{kC - 22, kC - 70}, {kC + 22, kC - 70}, {kC, kC - 40}});
    FillPath(cr, kSignBlack);
    Polygon(cr, {{kC - 22, kC + 70}, {kC + 22, kC + 70}, {kC, kC + 40}});
    FillPath(cr, kSignBlack);
    TextMiddle(cr, "4,4 m", kC, kC + 2, Type(52), kSignBlack);
}

void FireDanger(cairo_t* cr) {
    WhitePlate(cr, 8, 24, 240, 208, kSignWhite, kSignGreen);
    TextMiddle(cr, "RISQUE D'INCENDIE", kC, 52, Type(21), kSignGreen);
    TextMiddle(cr, "DE FORÊT", kC, 76, Type(21), kSignGreen);
    const Colour bands[4] = {Hex(0x2E9E4F), Hex(0x1F6FC5), Hex(0xF6C517), Hex(0xC8202F)};
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);  // the text leaves a current point behind
        cairo_arc(cr, kC, 206, 74, M_PI + i * M_PI / 4, M_PI + (i + 1) * M_PI / 4);
        cairo_arc_negative(cr, kC, 206, 42, M_PI + (i + 1) * M_PI / 4, M_PI + i * M_PI / 4);
        cairo_close_path(cr);
        FillPath(cr, bands[i]);
    }
    // The needle on the first band: low.
    cairo_move_to(cr, kC, 206);
    cairo_line_to(cr, kC - 54, 178);
    StrokePath(cr, kSignBlack, 7);
    Circle(cr, kC, 206, 10);
    FillPath(cr, kSignBlack);
    TextMiddle(cr, "BAS", kC + 62, 214, Type(20), kSignBlack);
}

void StreetEastWest(cairo_t* cr) {
    Board(cr, kSignGreen);
    TextMiddle(cr, "RUE 148", kC, 98, Type(50), kSignWhite);
    TextMiddle(cr, "\u2190 O", kC - 56, 166, Type(34), kSignWhite);
    TextMiddle(cr, "E \u2192", kC + 56, 166, Type(34), kSignWhite);
}

void Distances(cairo_t* cr) {
    Board(cr, kSignGreen);
    const char* towns[3] = {"Sudbury", "Timmins", "Ottawa"};
    const char* km[3] = {"45", "290", "483"};
    for (int i = 0; i < 3; ++i) {
        Text(cr, towns[i], 32, 60 + 46 * i, Type(30), kSignWhite, Align::Left);
        Text(cr, km[i], 226, 60 + 46 * i, Type(30), kSignWhite, Align::Right);
    }
    Text(cr, "km", 226, 190, Type(18), kSignWhite, Align::Right);
}

void Slope(cairo_t* cr) {
    WarningDiamond(cr);
    Polygon(cr, {{kC - 80, kC + 40}, {kC + 80, kC + 40}, {kC + 80, kC + 60}, {kC - 80, kC + 60}});
    Polygon(cr, {{kC - 80, kC - 4}, {kC + 80, kC + 40}, {kC - 80, kC + 40}});
    FillPath(cr, kSignBlack);
    // A truck going down the hill.
    cairo_save(cr);
    cairo_translate(cr, kC - 30, kC + 10);
    cairo_rotate(cr, std::atan2(44.0, 160.0));
    RoundedRect(cr, -34, -40, 50, 32, 3);
    FillPath(cr, kSignBlack);
    RoundedRect(cr, 18, -30, 22, 22, 3);
    FillPath(cr, kSignBlack);
    Circle(cr, -22, -6, 8);
    Circle(cr, 28, -6, 8);
    FillPath(cr, kSignBlack);
    cairo_restore(cr);
    TextMiddle(cr, "8 %", kC + 28, kC - 34, Type(34), kSignBlack);
}

void Commercial(cairo_t* cr) {
    Board(cr, kSignBlue);
    TextMiddle(cr, "ZONE", kC, 74, Type(32), kSignWhite);
    TextMiddle(cr, "COMMERCIALE", kC, 108, Type(30), kSignWhite);
    // A shopping cart.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, kC - 48, 140);
    cairo_line_to(cr, kC - 34, 140);
    cairo_line_to(cr, kC - 20, 180);
    cairo_line_to(cr, kC + 34, 180);
    cairo_line_to(cr, kC + 44, 150);
    cairo_line_to(cr, kC - 28, 150);
    StrokePath(cr, kSignWhite, 7);
    Circle(cr, kC - 14, 194, 7);
    Circle(cr, kC + 28, 194, 7);
    FillPath(cr, kSignWhite);
}

void LaneEnding(cairo_t* cr) {
    WarningDiamond(cr);
    // Two lanes; the right one ends and merges to the left.
    cairo_move_to(cr, kC - 44, kC + 80);
    cairo_line_to(cr, kC - 44, kC - 80);
    StrokePath(cr, kSignBlack, 12);
    cairo_move_to(cr, kC + 44, kC + 80);
    cairo_line_to(cr, kC + 44, kC + 10);
    cairo_curve_to(cr, kC + 44, kC - 20, kC + 4, kC - 30, kC + 4, kC - 80);
    StrokePath(cr, kSignBlack, 12);
    for (int i = 0; i < 3; ++i) {
        RoundedRect(cr, kC - 4, kC + 50 - i * 40, 8, 22, 3);
        FillPath(cr, kSignBlack);
    }
}

const std::map<std::string, void (*)(cairo_t*)> kFaces = {
    {"sign_lightsAhead.png", LightsAhead},   {"sign_noBikes.png", NoBikes},
    {"sign_noLeftTurn.png", NoLeftTurn},     {"sign_doNotEnter.png", DoNotEnter},
    {"sign_noParking.png", NoParking},       {"sign_pedestrianCrossing.png", Pedestrian},
    {"sign_roadToGravel.png", RoadToGravel}, {"sign_sharpRight.png", SharpRight},
    {"sign_windingRoad.png", WindingRoad},   {"sign_yield.png", Yield},
    {"sign_911.png", Emergency},             {"sign_bumpy.png", Bumpy},
    {"sign_etcc.png", RouteEnds},            {"sign_height.png", Height},
    {"sign_otterlake.png", FireDanger},      {"sign_ouestest.png", StreetEastWest},
    {"sign_remaining.png", Distances},       {"sign_slope.png", Slope},
    {"sign_via.png", Commercial},            {"sign_laneEnding.png", LaneEnding},
};

void DrawFace(cairo_t* cr, const std::string& name) { kFaces.at(name)(cr); }

// --- the street behind the signs ---

void Street(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, 0, 0, 1362, 430);
    FillVertical(cr, Hex(0xBFE0F0), Hex(0xEAF4F6), 0, 430);
    // Low buildings of a main street, far away and pale.
    Random random{23};
    double x = -20;
    while (x < 1362) {
        const double bw = 90 + random.Next() * 110, bh = 120 + random.Next() * 150;
        const Colour c = kStone.Mix(kCream, 0.3 + random.Next() * 0.4);
        cairo_rectangle(cr, x, 430 - bh, bw, bh);
        FillPath(cr, c);
        for (double wy = 450 - bh; wy < 400; wy += 44)
            for (double wx = x + 14; wx + 22 < x + bw; wx += 34) {
                cairo_rectangle(cr, wx, wy, 20, 26);
                FillPath(cr, kGlass.Mix(kWhite, 0.4));
            }
        x += bw + 6;
    }
    cairo_rectangle(cr, 0, 430, 1362, 60);
    FillPath(cr, kPavement);
    cairo_rectangle(cr, 0, 490, 1362, 236);
    FillPath(cr, kRoad.Mix(kWhite, 0.35));
    for (double dx = 20; dx < 1362; dx += 120) {
        cairo_rectangle(cr, dx, 602, 60, 10);
        FillPath(cr, kSignYellow.Mix(kWhite, 0.3));
    }
    // A veil, so the signs stand out from the street.
    cairo_rectangle(cr, 0, 0, 1362, 726);
    FillPath(cr, kWhite.Alpha(0.35));
}

// --- the intro sheets ---

void Sheet(cairo_t* cr, int w, int h, const Sign* signs, const std::string& text) {
    UseReferenceLayout(cr, w, h);
    const double cw = 820, ch = 190, cx = 681, top = 150;
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, cx - cw / 2, top, cw, ch, 24);
        FillPath(c, kCream);
        RoundedRect(c, cx - cw / 2, top, 18, ch, 9);
        FillPath(c, kCoral);
    }, 0, 8, 10, 0.4);
    Font f;
    f.px = 30;
    double tw, th;
    Measure(cr, text, f, &tw, &th, cw - 100);
    Text(cr, text, cx + 9, top + (ch - th) / 2, f, kInk, Align::Centre, cw - 100);
    // Four of the signs, as the learner will meet them.
    // Each face is drawn on its own canvas first: its shadow layers need one.
    for (int i = 0; i < 4; ++i) {
        cairo_surface_t* face = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 256);
        cairo_t* fc = cairo_create(face);
        DrawFace(fc, signs[i * 2 + 1].picture);
        cairo_destroy(fc);
        cairo_save(cr);
        cairo_translate(cr, 681 - 3 * 120 + i * 240 - 80, 400);
        cairo_scale(cr, 160 / 256.0, 160 / 256.0);
        cairo_set_source_surface(cr, face, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(face);
    }
}

// The comic bubble: its speaker at the left says that the meaning is also heard.
void Bubble(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [](cairo_t* c) {
        RoundedRect(c, 12, 12, 1000, 196, 60);
        cairo_move_to(c, 120, 200);
        cairo_line_to(c, 90, 250);
        cairo_line_to(c, 190, 200);
        cairo_close_path(c);
        FillPath(c, kSignBlack);
        RoundedRect(c, 18, 18, 988, 184, 56);
        cairo_move_to(c, 126, 196);
        cairo_line_to(c, 100, 240);
        cairo_line_to(c, 184, 196);
        cairo_close_path(c);
        FillPath(c, kWhite);
    }, 0, 4, 6, 0.35);
    const double x = 96, y = 110;
    Polygon(cr, {{x - 34, y - 14}, {x - 14, y - 14}, {x + 10, y - 38}, {x + 10, y + 38}, {x - 14, y + 14},
                 {x - 34, y + 14}});
    FillPath(cr, kCoralDark);
    for (int i = 1; i <= 2; ++i) {
        cairo_arc(cr, x + 8, y, 18 * i + 6, -M_PI / 4, M_PI / 4);
        StrokePath(cr, kCoralDark, 6);
    }
}

void AddDeck(std::vector<Picture>& pictures, const Deck& deck, const std::string& sheet,
             const std::string& title) {
    for (int i = 0; i < kSignCount; ++i) {
        const Sign& sign = deck.signs[i];
        const std::string face = sign.picture;
        pictures.push_back({face, 256, 256, [face](cairo_t* cr, int, int) { DrawFace(cr, face); }});
        if (sign.caption) pictures.push_back(CaptionPicture(sign.caption, sign.meaning, kCoral));
    }
    const Sign* signs = deck.signs;
    pictures.push_back({deck.overlay, 2048, 1024, [signs, sheet](cairo_t* cr, int w, int h) {
                            Sheet(cr, w, h, signs, sheet);
                        }});
    pictures.push_back(TaskCard(deck.taskCard, title, "Lisez, écoutez, cliquez", kCoral));
    for (const Picture& p : ProgressStrip(deck.progressStrip, kSignCount, kCoral)) pictures.push_back(p);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {kRoadDeck.background, 2048, 1024, Street},
        {kBubble, 1024, 256, Bubble},
    };
    AddDeck(pictures, kRoadDeck,
            "La bulle dit ce que veut dire un panneau. Cliquez sur ce panneau. Dix panneaux, "
            "et ils changent de place. Cliquez sur Jouer.",
            "Panneaux routiers");
    AddDeck(pictures, kInfoDeck,
            "La bulle dit ce que veut dire un panneau d'information. Cliquez sur ce panneau. Dix "
            "panneaux, et ils changent de place. Cliquez sur Jouer.",
            "Panneaux d'information");
    return Run(argc, argv, pictures);
}
