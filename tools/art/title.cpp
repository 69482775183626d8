// The first screens: the wooden title screen, the splash logos, the credits
// card, and the logo of the score panel.
#include <cmath>

#include "Art.h"

using namespace art;
using namespace art::ink;

namespace {

void Wood(cairo_t* cr, int w, int h) {
    Random rnd{7};
    const Colour base = Hex(0x5A3A22);
    const int planks = 9;
    const double ph = static_cast<double>(h) / planks;
    for (int i = 0; i < planks; ++i) {
        const double y = i * ph;
        cairo_rectangle(cr, 0, y, w, ph);
        FillPath(cr, base.Mix(Hex(0x3E2615), 0.15 + 0.5 * rnd.Next()));
        // Grain: long, gentle waves, a shade lighter or darker.
        for (int g = 0; g < 7; ++g) {
            const double gy = y + ph * (0.1 + 0.8 * rnd.Next());
            const double amp = ph * 0.05 * (0.5 + rnd.Next());
            const double phase = rnd.Next() * 6.28;
            cairo_move_to(cr, 0, gy);
            for (int x = 0; x <= w; x += 32) cairo_line_to(cr, x, gy + amp * std::sin(x / (180.0 + 90 * g) + phase));
            StrokePath(cr, (g % 2 ? Hex(0x2E1B0E) : Hex(0x7A5234)).Alpha(0.22), 2 + 3 * rnd.Next());
        }
        // A knot or two.
        if (rnd.Next() < 0.6) {
            const double kx = w * rnd.Next(), ky = y + ph * (0.3 + 0.4 * rnd.Next());
            cairo_save(cr);
            cairo_translate(cr, kx, ky);
            cairo_scale(cr, 2.6, 1);
            Circle(cr, 0, 0, ph * 0.09);
            cairo_restore(cr);
            FillPath(cr, Hex(0x2E1B0E, 0.35));
        }
        // Seams and the plank ends, staggered.
        cairo_rectangle(cr, 0, y, w, 3);
        FillPath(cr, Hex(0x1F120A, 0.7));
        cairo_rectangle(cr, 0, y + 3, w, 2);
        FillPath(cr, Hex(0x8B6242, 0.25));
        const double off = (i % 3) * w / 3.0 + w * 0.12;
        for (double x = std::fmod(off, w * 0.62); x < w; x += w * 0.62) {
            cairo_rectangle(cr, x, y, 3, ph);
            FillPath(cr, Hex(0x1F120A, 0.55));
        }
    }
    // A soft vignette keeps the eye in the middle.
    cairo_pattern_t* v = cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.3, w / 2.0, h / 2.0, w * 0.62);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.45);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
}

void Chip(cairo_t* cr, double cx, double cy, const std::string& text, const Colour& c) {
    Font f;
    f.px = 24;
    double tw, th;
    Measure(cr, text, f, &tw, &th);
    RoundedRect(cr, cx - tw / 2 - 18, cy - 20, tw + 36, 40, 20);
    FillPath(cr, c);
    TextMiddle(cr, text, cx, cy, f, kWhite);
}

// The title's plaque, in on-screen pixels (the picture shows at half size).
void Title(cairo_t* cr, int w, int h) {
    cairo_scale(cr, w / 1024.0, h / 512.0);
    const int sw = 1024, sh = 512;
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 92, 34, 840, 330, 28);
            FillPath(c, kCream);
            RoundedRect(c, 104, 46, 816, 306, 20);
            StrokePath(c, kGold.Alpha(0.8), 3);
            Emblem(c, 262, 199, 118);
            Font big;
            big.px = 132;
            TextMiddle(c, "Zelk", 630, 128, big, kNavy);
            Font sub;
            sub.px = 34;
            sub.bold = false;
            TextMiddle(c, "Le français au travail", 630, 218, sub, kInk);
            Chip(c, 470, 292, "Dentiste", kTeal);
            Chip(c, 628, 292, "Pizzeria", kCoral);
            Chip(c, 786, 292, "Épicerie", kGreen);
        },
        0, 10, 18, 0.5);
    Font hint;
    hint.px = 24;
    TextMiddle(cr, "Pour commencer, cliquez sur « Entrer ».", sw / 2.0, 410, hint, kCream);
    (void)sh;
}

// The splash (shown at half size, centred on white): the emblem builds up,
// then the name, then the line under it.
void Splash(cairo_t* cr, int w, int h, int step) {
    // A 512 x 256 design in the middle, a third larger on screen.
    cairo_scale(cr, w / 768.0, h / 384.0);
    cairo_translate(cr, 128, 64);
    const bool named = step >= 4;
    const double ex = named ? 104 : 256;
    Emblem(cr, ex, 128, 88, std::min(step, 3));
    if (named) {
        Font big;
        big.px = 96;
        TextMiddle(cr, "Zelk", 212, 110, big, kNavy, Align::Left);
    }
    if (step >= 5) {
        Font sub;
        sub.px = 22;
        sub.bold = false;
        TextMiddle(cr, "Le français au travail", 216, 178, sub, kInk, Align::Left);
    }
}

void Credits(cairo_t* cr, int w, int h) {
    cairo_scale(cr, w / 1024.0, h / 512.0);
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 24, 16, 976, 472, 26);
            FillPath(c, kCream);
            RoundedRect(c, 24, 16, 976, 104, 26);
            FillPath(c, kNavy);
            cairo_rectangle(c, 24, 90, 976, 30);
            FillPath(c, kNavy);
            Emblem(c, 92, 68, 40);
            Font head;
            head.px = 46;
            TextMiddle(c, "Zelk — Crédits", 150, 68, head, kWhite, Align::Left);
        },
        0, 8, 14, 0.35);
    Font body;
    body.px = 24;
    body.bold = false;
    Font strong;
    strong.px = 24;
    struct Line {
        const char* label;
        const char* text;
    };
    const Line lines[] = {
        {"Le jeu", "Apprendre le français du travail : au cabinet du dentiste, à la pizzeria et à l'épicerie."},
        {"Réalisation", "L'équipe de Zelk : conception, programmation, images, musique et sons."},
        {"Voix", "Synthèse vocale eSpeak NG."},
        {"Caractères", "DejaVu."},
    };
    double y = 150;
    for (const Line& l : lines) {
        Text(cr, l.label, 72, y, strong, kTeal, Align::Left);
        double tw, th;
        Measure(cr, l.text, body, &tw, &th, 700);
        Text(cr, l.text, 240, y, body, kInk, Align::Left, 700);
        y += std::max(th, 30.0) + 26;
    }
    Font thanks;
    thanks.px = 26;
    TextMiddle(cr, "Bon courage, et bon travail !", 512, 448, thanks, kCoralDark);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"dark_wood_background.png", 2048, 1024, Wood},
        {"title.png", 2048, 1024, Title},
        {"CreditsBackground.png", 2048, 1024, Credits},
        // The score panel's logo, drawn at scale 2 on its orange.
        {"logo.png", 512, 256,
         [](cairo_t* cr, int w, int h) {
             WithShadow(
                 cr, w, h,
                 [&](cairo_t* c) {
                     RoundedRect(c, 16, 36, 480, 184, 30);
                     FillPath(c, kCream);
                     Emblem(c, 112, 128, 72);
                     Font big;
                     big.px = 84;
                     TextMiddle(c, "Zelk", 208, 108, big, kNavy, Align::Left);
                     Font sub;
                     sub.px = 22;
                     sub.bold = false;
                     TextMiddle(c, "Le français au travail", 212, 172, sub, kInk, Align::Left);
                 },
                 0, 5, 8, 0.35);
         }},
    };
    for (int step = 1; step <= 5; ++step)
        pictures.push_back({"logo" + std::to_string(step) + ".png", 2048, 1024,
                            [step](cairo_t* cr, int w, int h) { Splash(cr, w, h, step); }});
    return Run(argc, argv, pictures);
}
