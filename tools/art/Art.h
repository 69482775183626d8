#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Drawing helpers shared by every picture of the game: one palette, DejaVu
// type, flat shapes with soft shadows and glows. Pictures are drawn with
// cairo and written as 8-bit RGBA PNGs, which is what SOIL reads.
namespace art {

struct Colour {
    double r, g, b, a = 1.0;
    Colour Alpha(double alpha) const { return Colour{r, g, b, alpha}; }
    // Mixes towards another colour (t = 0 keeps this one).
    Colour Mix(const Colour& o, double t) const;
};
constexpr Colour Hex(unsigned rgb, double a = 1.0) {
    return Colour{((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, a};
}

// The game's palette.
namespace ink {
constexpr Colour kInk = Hex(0x2B2A33);        // text, outlines
constexpr Colour kCream = Hex(0xF7F0E3);      // paper, cards
constexpr Colour kWhite = Hex(0xFFFFFF);
constexpr Colour kNavy = Hex(0x24476B);       // the buttons' face
constexpr Colour kNavyDark = Hex(0x17304A);
constexpr Colour kTeal = Hex(0x2A8C82);       // the dentist's office
constexpr Colour kTealLight = Hex(0x9ED9CF);
constexpr Colour kCoral = Hex(0xE2674A);      // the pizzeria
constexpr Colour kCoralDark = Hex(0xB4472F);
constexpr Colour kGreen = Hex(0x5E9E4C);      // the grocery
constexpr Colour kGreenDark = Hex(0x3F7434);
constexpr Colour kGold = Hex(0xF0B93A);       // ingots, the vault, glows
constexpr Colour kGoldLight = Hex(0xFFE08A);
constexpr Colour kGoldDark = Hex(0xB27E1C);
constexpr Colour kGrass = Hex(0x9CCB7E);
constexpr Colour kGrassDark = Hex(0x84B867);
constexpr Colour kSky = Hex(0xCFE8F3);
constexpr Colour kRoad = Hex(0x7E8088);
constexpr Colour kPavement = Hex(0xE3DDD0);
constexpr Colour kWood = Hex(0x8A5A35);
constexpr Colour kWoodDark = Hex(0x55351E);
constexpr Colour kStone = Hex(0xB9B4AA);
constexpr Colour kRoofRed = Hex(0xB9503A);
constexpr Colour kGlass = Hex(0xA8D3E6);
}  // namespace ink

// One picture to make: its file name, its size in file pixels and how to draw it.
struct Picture {
    std::string name;
    int width;
    int height;
    std::function<void(cairo_t*, int w, int h)> draw;
};

// The generator's entry point: makes every picture of the group into the
// folder given as first argument (a file whose bytes are already right is
// left untouched, so its time stamp says when it last really changed).
int Run(int argc, char** argv, const std::vector<Picture>& pictures);

// A small fixed pseudo-random sequence: the same grain on every run.
struct Random {
    uint32_t s;
    double Next() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
};

// --- shapes ---
struct Point {
    double x, y;
};
// A closed path through the points, left for the caller to fill or stroke.
void Polygon(cairo_t* cr, std::initializer_list<Point> points);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Circle(cairo_t* cr, double cx, double cy, double r);
void Set(cairo_t* cr, const Colour& c);
void FillPath(cairo_t* cr, const Colour& c);  // fills and clears the path
void StrokePath(cairo_t* cr, const Colour& c, double width);
// A vertical gradient over [y0, y1].
void FillVertical(cairo_t* cr, const Colour& top, const Colour& bottom, double y0, double y1);

// --- layers ---
using Layer = std::function<void(cairo_t*)>;
// Draws the layer with a soft shadow below it: offset (dx, dy), blur radius.
void WithShadow(cairo_t* cr, int w, int h, const Layer& layer, double dx = 0, double dy = 6, double blur = 8,
                double opacity = 0.35);
// Paints a soft halo of the layer's shape: its alpha grown by `spread` pixels
// and blurred by `blur`, in one colour.
void Halo(cairo_t* cr, int w, int h, const Layer& shape, const Colour& colour, double spread, double blur);

// --- type (DejaVu Sans) ---
enum class Align { Left, Centre, Right };
struct Font {
    double px = 24;      // pixel size
    bool bold = true;
    bool condensed = false;
    bool serif = false;
};
// Draws text with its box's top at y (x by the alignment); returns the
// laid-out width. Newlines break lines; `wrap` > 0 wraps at that width.
double Text(cairo_t* cr, const std::string& text, double x, double y, const Font& font, const Colour& colour,
            Align align = Align::Centre, double wrap = 0);
// The width and height text would take.
void Measure(cairo_t* cr, const std::string& text, const Font& font, double* w, double* h, double wrap = 0);
// Text centred vertically on cy.
void TextMiddle(cairo_t* cr, const std::string& text, double cx, double cy, const Font& font, const Colour& colour,
                Align align = Align::Centre);

// --- the full-screen pictures ---
// Maps the 1362 x 726 reference layout onto the whole w x h canvas, so that
// the picture, stretched over the view, puts each reference point where the
// game computes it.
void UseReferenceLayout(cairo_t* cr, int w, int h);

// --- the game's emblem, shared by the title, the splash and the score panel ---
// A round badge with three roofs; `stage` 1..3 draws it partly (splash).
void Emblem(cairo_t* cr, double cx, double cy, double r, int stage = 3);
// The "Zelk" word.
void Wordmark(cairo_t* cr, double cx, double cy, double px, const Colour& colour);

// --- the buttons ---
// A button face: rounded navy plate with a lighter rim; returns nothing.
void ButtonPlate(cairo_t* cr, double x, double y, double w, double h, double r, const Colour& face);
// The lit picture of a button: a warm halo of a rounded shape centred in the canvas.
void ButtonGlow(cairo_t* cr, int w, int h, double shapeW, double shapeH, double r, double spread);

}  // namespace art
