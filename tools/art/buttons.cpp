// The buttons: title screen, the standard corner buttons, the score panel's,
// and the small widgets (crosshair, drop-down box, "loading" sign).
//
// Buttons are drawn at scale 2, so a file shows at its own size. A lit
// picture ("_light") is drawn under its button: it is a golden halo a little
// larger than the button's shape, on a canvas twice the button's size.
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "scenes/SubMenuLayout.h"
#include "scenes/TitleLayout.h"

using namespace art;
using namespace art::ink;

namespace {

// A round corner button: navy disc with a white pictogram.
void Disc(cairo_t* cr, int w, int h, const Colour& face, const std::function<void(cairo_t*, double, double)>& mark) {
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 4;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            Circle(c, cx, cy + 1, r);
            FillPath(c, face.Mix(kInk, 0.4));
            Circle(c, cx, cy, r - 1);
            FillPath(c, face);
            Circle(c, cx, cy, r - 4);
            StrokePath(c, kWhite.Alpha(0.35), 2);
            mark(c, cx, cy);
        },
        0, 2, 3, 0.35);
}

void DiscGlow(cairo_t* cr, int w, int h) {
    // The corner buttons are 56 across inside a 64 canvas.
    ButtonGlow(cr, w, h, 58, 58, 29, 12);
}

// A wide button: plate, optional pictogram on the left, label.
void Plate(cairo_t* cr, int w, int h, double shapeW, double shapeH, const Colour& face, const std::string& label,
           double px, const std::function<void(cairo_t*, double, double, double)>& icon = nullptr) {
    const double x = (w - shapeW) / 2, y = (h - shapeH) / 2;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            ButtonPlate(c, x, y, shapeW, shapeH, shapeH * 0.3, face);
            Font f;
            f.px = px;
            double tw, th;
            Measure(c, label, f, &tw, &th);
            double iconW = icon ? shapeH * 0.5 : 0;
            const double gap = icon ? shapeH * 0.14 : 0;
            const double left = w / 2.0 - (tw + iconW + gap) / 2;
            if (icon) icon(c, left + iconW / 2, h / 2.0 - shapeH * 0.03, iconW);
            TextMiddle(c, label, left + iconW + gap, h / 2.0 - shapeH * 0.04, f, kWhite, Align::Left);
        },
        0, shapeH * 0.05, shapeH * 0.08, 0.4);
}

// An open door with an arrow leaving through it.
void DoorIcon(cairo_t* c, double cx, double cy, double s) {
    cairo_rectangle(c, cx - s * 0.38, cy - s * 0.5, s * 0.62, s);
    StrokePath(c, kWhite, s * 0.1);
    Polygon(c, {{cx - s * 0.38, cy - s * 0.5},
                {cx + 0.02 * s, cy - s * 0.36},
                {cx + 0.02 * s, cy + s * 0.62},
                {cx - s * 0.38, cy + s * 0.5}});
    FillPath(c, kWhite);
    Circle(c, cx - s * 0.06, cy + s * 0.08, s * 0.06);
    FillPath(c, kNavy);
}

void RestartIcon(cairo_t* c, double cx, double cy, double s) {
    cairo_arc(c, cx, cy, s * 0.36, -M_PI * 0.35, M_PI * 1.35);
    StrokePath(c, kWhite, s * 0.14);
    const double a = -M_PI * 0.35, ex = cx + s * 0.36 * std::cos(a), ey = cy + s * 0.36 * std::sin(a);
    Polygon(c, {{ex + s * 0.2, ey - s * 0.12}, {ex + s * 0.02, ey + s * 0.2}, {ex - s * 0.2, ey - s * 0.06}});
    FillPath(c, kWhite);
}

void ListIcon(cairo_t* c, double cx, double cy, double s) {
    for (int i = -1; i <= 1; ++i) {
        Circle(c, cx - s * 0.32, cy + i * s * 0.3, s * 0.07);
        FillPath(c, kWhite);
        cairo_move_to(c, cx - s * 0.14, cy + i * s * 0.3);
        cairo_line_to(c, cx + s * 0.42, cy + i * s * 0.3);
        StrokePath(c, kWhite, s * 0.12);
    }
}

void Speaker(cairo_t* c, double cx, double cy) {
    Polygon(c, {{cx - 15, cy - 6},
                {cx - 8, cy - 6},
                {cx + 1, cy - 14},
                {cx + 1, cy + 14},
                {cx - 8, cy + 6},
                {cx - 15, cy + 6}});
    FillPath(c, kWhite);
    for (int i = 1; i <= 2; ++i) {
        cairo_arc(c, cx + 2, cy, 6.0 * i + 1, -M_PI / 3.2, M_PI / 3.2);
        StrokePath(c, kWhite, 3);
    }
}

// The speaker with sound off: no waves, a red cross beside it.
void SpeakerOff(cairo_t* c, double cx, double cy) {
    Polygon(c, {{cx - 15, cy - 6},
                {cx - 8, cy - 6},
                {cx + 1, cy - 14},
                {cx + 1, cy + 14},
                {cx - 8, cy + 6},
                {cx - 15, cy + 6}});
    FillPath(c, kWhite);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        const Colour ink = pass == 0 ? kWhite : kCoral;
        const double width = pass == 0 ? 7 : 4;
        cairo_move_to(c, cx + 6, cy - 7);
        cairo_line_to(c, cx + 18, cy + 7);
        cairo_move_to(c, cx + 18, cy - 7);
        cairo_line_to(c, cx + 6, cy + 7);
        StrokePath(c, ink, width);
    }
}

// Written words: a card with two lines of text, the subtitles' sign.
void Subtitles(cairo_t* c, double cx, double cy, bool off) {
    RoundedRect(c, cx - 16, cy - 11, 32, 22, 4);
    StrokePath(c, kWhite, 3);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(c, cx - 9, cy - 3 + i * 7);
        cairo_line_to(c, cx + (i == 0 ? 9 : 4), cy - 3 + i * 7);
        StrokePath(c, kWhite, 3);
    }
    if (!off) return;
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(c, cx - 17, cy + 15);
        cairo_line_to(c, cx + 17, cy - 15);
        StrokePath(c, pass == 0 ? kNavyDark : kCoral, pass == 0 ? 8 : 4);
    }
}

// A snail: the slow voice. Its shell is a spiral, its body a foot under it
// with two horns raised.
void Snail(cairo_t* c, double cx, double cy, const Colour& ink) {
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(c, cx - 17, cy + 10);
    cairo_line_to(c, cx + 12, cy + 10);
    cairo_curve_to(c, cx + 16, cy + 10, cx + 17, cy + 4, cx + 15, cy - 1);
    StrokePath(c, ink, 4);
    for (double dx : {12.0, 17.0}) {
        cairo_move_to(c, cx + 14, cy + 1);
        cairo_line_to(c, cx + dx, cy - 9);
        StrokePath(c, ink, 2);
        Circle(c, cx + dx, cy - 9, 1.8);
        FillPath(c, ink);
    }
    Circle(c, cx - 3, cy - 1, 10.5);
    StrokePath(c, ink, 3);
    cairo_new_path(c);
    for (int i = 0; i <= 60; ++i) {
        const double turn = i / 60.0 * 2.2 * M_PI, r = 1.0 + 8.0 * i / 60.0;
        const double x = cx - 3 + r * std::cos(turn), y = cy - 1 + r * std::sin(turn);
        if (i == 0) cairo_move_to(c, x, y); else cairo_line_to(c, x, y);
    }
    StrokePath(c, ink, 2.2);
}

void Document(cairo_t* c, double cx, double cy) {
    RoundedRect(c, cx - 11, cy - 15, 22, 30, 3);
    FillPath(c, kWhite);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(c, cx - 6, cy - 8 + i * 6);
        cairo_line_to(c, cx + (i == 3 ? 1 : 6), cy - 8 + i * 6);
        StrokePath(c, kNavy, 2.5);
    }
}

void PlayTriangle(cairo_t* c, double cx, double cy) {
    Polygon(c, {{cx - 8, cy - 14}, {cx + 15, cy}, {cx - 8, cy + 14}});
    Set(c, kWhite);
    cairo_fill_preserve(c);
    StrokePath(c, kWhite, 4);
}

// The drop-down list: its entries are written from 35 pixels right of the
// picture's centre, one every 40 pixels down from the centre, six at most.
// The review's stamps, of radius r: a green ring with a tick, a red one
// with a cross; told apart by colour and by shape.
void RightStamp(cairo_t* cr, double cx, double cy, double r) {
    const Colour stamp = kGreenDark.Alpha(0.88);
    const double k = r / 32.0;
    Circle(cr, cx, cy, r - 3 * k);
    StrokePath(cr, stamp, 4 * k);
    Circle(cr, cx, cy, r - 9 * k);
    StrokePath(cr, stamp, 1.5 * k);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - 12 * k, cy + 1 * k);
    cairo_line_to(cr, cx - 3 * k, cy + 10 * k);
    cairo_line_to(cr, cx + 13 * k, cy - 10 * k);
    StrokePath(cr, stamp, 6 * k);
}

void MissedStamp(cairo_t* cr, double cx, double cy, double r) {
    const Colour stamp = Hex(0xC0281E).Alpha(0.9);
    const double k = r / 32.0;
    Circle(cr, cx, cy, r - 3 * k);
    StrokePath(cr, stamp, 4 * k);
    Circle(cr, cx, cy, r - 9 * k);
    StrokePath(cr, stamp, 1.5 * k);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double d : {1.0, -1.0}) {
        cairo_move_to(cr, cx - 10 * k, cy - 10 * k * d);
        cairo_line_to(cr, cx + 10 * k, cy + 10 * k * d);
    }
    StrokePath(cr, stamp, 6 * k);
}

// A cream strip: a tick and what it means, a cross and what it means.
void ReviewLegend(cairo_t* cr, int w, int h, const char* right, const char* missed) {
    Font f;
    f.px = 22;
    double rightW, missedW, th;
    Measure(cr, right, f, &rightW, &th);
    Measure(cr, missed, f, &missedW, &th);
    const double stamp = h * 0.36, gap = 12, between = 48;
    const double total = 2 * (2 * stamp + gap) + rightW + missedW + between + 2 * 24;
    const double left = (w - total) / 2.0;
    RoundedRect(cr, left, 4, total, h - 8, (h - 8) / 2.0);
    FillPath(cr, kCream.Alpha(0.94));
    RoundedRect(cr, left, 4, total, h - 8, (h - 8) / 2.0);
    StrokePath(cr, kInk.Alpha(0.35), 2);
    double x = left + 24;
    RightStamp(cr, x + stamp, h / 2.0, stamp);
    x += 2 * stamp + gap;
    TextMiddle(cr, right, x, h / 2.0, f, kInk, Align::Left);
    x += rightW + between;
    MissedStamp(cr, x + stamp, h / 2.0, stamp);
    x += 2 * stamp + gap;
    TextMiddle(cr, missed, x, h / 2.0, f, kInk, Align::Left);
}

// The same two marks one above the other, for a board with little room
// beside its marks.
void ReviewLegendInTwoLines(cairo_t* cr, int w, int h, const char* right, const char* missed) {
    Font f;
    f.px = 22;
    double rightW, missedW, th;
    Measure(cr, right, f, &rightW, &th);
    Measure(cr, missed, f, &missedW, &th);
    const double row = h / 2.0, stamp = row * 0.36, gap = 12;
    const double total = 2 * stamp + gap + std::max(rightW, missedW) + 2 * 16;
    const double left = (w - total) / 2.0;
    RoundedRect(cr, left, 4, total, h - 8, 18);
    FillPath(cr, kCream.Alpha(0.94));
    RoundedRect(cr, left, 4, total, h - 8, 18);
    StrokePath(cr, kInk.Alpha(0.35), 2);
    const double x = left + 16;
    RightStamp(cr, x + stamp, row / 2.0 + 2, stamp);
    TextMiddle(cr, right, x + 2 * stamp + gap, row / 2.0 + 2, f, kInk, Align::Left);
    MissedStamp(cr, x + stamp, row * 1.5 - 2, stamp);
    TextMiddle(cr, missed, x + 2 * stamp + gap, row * 1.5 - 2, f, kInk, Align::Left);
}

void DropDown(cairo_t* cr, int w, int h, double panelW) {
    const double cx = w / 2.0, cy = h / 2.0;
    const double x = cx + 20, y = cy - 34, ph = 6 * 40 + 12;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x, y, panelW, ph, 10);
            FillPath(c, kNavy);
            RoundedRect(c, x + 3, y + 3, panelW - 6, ph - 6, 8);
            FillPath(c, Hex(0xE9EEF3));
            for (int i = 1; i < 6; ++i) {
                cairo_move_to(c, x + 10, cy - 34 + 6 + 40 * i);
                cairo_line_to(c, x + panelW - 10, cy - 34 + 6 + 40 * i);
                StrokePath(c, Hex(0xC3CDD8), 1.5);
            }
            // A small arrow on the right says "choose one".
            const double ax = x + panelW - 22, ay = cy - 14;
            cairo_move_to(c, ax - 7, ay - 4);
            cairo_line_to(c, ax, ay + 4);
            cairo_line_to(c, ax + 7, ay - 4);
            StrokePath(c, kNavy, 3);
        },
        0, 4, 6, 0.3);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"button_questionmark.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kNavy, [](cairo_t* c, double cx, double cy) {
                 Font f;
                 f.px = 38;
                 TextMiddle(c, "?", cx, cy, f, kWhite);
             });
         }},
        {"button_questionmark_light.png", 128, 128, DiscGlow},
        {"button_mute.png", 64, 64,
         [](cairo_t* cr, int w, int h) { Disc(cr, w, h, kNavy, [](cairo_t* c, double cx, double cy) { Speaker(c, cx + 2, cy); }); }},
        {"button_muted.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kNavyDark, [](cairo_t* c, double cx, double cy) { SpeakerOff(c, cx - 1, cy); });
         }},
        {"button_subtitles.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kNavy, [](cairo_t* c, double cx, double cy) { Subtitles(c, cx, cy, false); });
         }},
        {"button_subtitles_off.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kNavyDark, [](cairo_t* c, double cx, double cy) { Subtitles(c, cx, cy, true); });
         }},
        // The slow voice: off, the snail on the buttons' navy; on, the disc
        // turns gold, so the learner sees the voices are slowed.
        {"button_slow.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kNavy, [](cairo_t* c, double cx, double cy) { Snail(c, cx, cy, kWhite); });
         }},
        {"button_slow_on.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kGold, [](cairo_t* c, double cx, double cy) { Snail(c, cx, cy, kNavyDark); });
         }},
        {"button_instruction.png", 64, 64,
         [](cairo_t* cr, int w, int h) { Disc(cr, w, h, kNavy, Document); }},
        {"button_instruction_light.png", 128, 128, DiscGlow},
        {"button_play.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             Disc(cr, w, h, kGreen, [](cairo_t* c, double cx, double cy) { PlayTriangle(c, cx + 2, cy); });
         }},
        {"button_play_light.png", 128, 128, DiscGlow},

        // The title's buttons. The exit button is also the corner button of
        // every other screen, where it leaves the screen.
        {"title_login.png", 128, 64,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 122, 56, kCoral, "Entrer", 26); }},
        {"title_login_light.png", 256, 128, [](cairo_t* cr, int w, int h) { ButtonGlow(cr, w, h, 122, 56, 17, 12); }},
        {"title_exit.png", 128, 64,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 122, 56, kNavy, "Sortir", 21, DoorIcon); }},
        // Also the lit picture of the credits button, drawn at 0.75: the halo
        // reaches out far enough to show around that button too.
        {"title_exit_light.png", 256, 128, [](cairo_t* cr, int w, int h) {
             Halo(cr, w, h, [&](cairo_t* c) { RoundedRect(c, (w - 196) / 2.0, (h - 84) / 2.0, 196, 84, 30); FillPath(c, kWhite); },
                  kGoldLight.Alpha(0.85), 8, 12);
         }},
        // Drawn at 0.75, so it shows at 0.375 of its file size.
        {"credits_button.png", 256, 128,
         [](cairo_t* cr, int w, int h) {
             const double sw = 192, sh = 80;
             WithShadow(
                 cr, w, h,
                 [&](cairo_t* c) {
                     ButtonPlate(c, (w - sw) / 2, (h - sh) / 2, sw, sh, 24, kNavy);
                     Font f;
                     f.px = 46;
                     f.condensed = true;
                     TextMiddle(c, "Crédits", w / 2.0, h / 2.0 - 3, f, kWhite);
                 },
                 0, 4, 6, 0.4);
         }},
        // The credits page's way back, drawn at scale 1.
        {"exit.png", 256, 128,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 236, 100, kNavy, "Retour", 42, DoorIcon); }},

        // The score panel's buttons, on its orange.
        {"button_reward_restart.png", 256, 64,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 184, 56, kNavy, "Rejouer", 24, RestartIcon); }},
        {"button_reward_restart_light.png", 512, 128,
         [](cairo_t* cr, int w, int h) { ButtonGlow(cr, w, h, 184, 56, 17, 12); }},
        // Offered after a game with misses: the same game again for practice.
        {"button_reward_practice.png", 512, 64,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 372, 56, kGreenDark, "Reprendre mes erreurs", 22, RestartIcon); }},
        {"button_reward_practice_light.png", 1024, 128,
         [](cairo_t* cr, int w, int h) { ButtonGlow(cr, w, h, 372, 56, 17, 12); }},
        {"button_reward_menu.png", 128, 64,
         [](cairo_t* cr, int w, int h) { Plate(cr, w, h, 122, 56, kNavy, "Menu", 24, ListIcon); }},
        {"button_reward_menu_light.png", 256, 128,
         [](cairo_t* cr, int w, int h) { ButtonGlow(cr, w, h, 122, 56, 17, 12); }},

        // The pulsing marker on a chosen target (drawn at about 1.5).
        {"crosshair.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             const double c = w / 2.0;
             for (int pass = 0; pass < 2; ++pass) {
                 const Colour col = pass == 0 ? kWhite : kCoralDark;
                 const double lw = pass == 0 ? 8 : 4;
                 Circle(cr, c, h / 2.0, 19);
                 StrokePath(cr, col, lw);
                 for (int k = 0; k < 4; ++k) {
                     const double a = k * M_PI / 2;
                     cairo_move_to(cr, c + std::cos(a) * 12, h / 2.0 + std::sin(a) * 12);
                     cairo_line_to(cr, c + std::cos(a) * 29, h / 2.0 + std::sin(a) * 29);
                     StrokePath(cr, col, lw);
                 }
             }
             Circle(cr, c, h / 2.0, 3.5);
             FillPath(cr, kCoralDark);
         }},
        // The review's stamp, pressed on every right answer: a round green
        // rubber stamp with a tick (drawn at scale 2, falling from scale 10).
        {"error.png", 64, 64, [](cairo_t* cr, int w, int h) { RightStamp(cr, w / 2.0, h / 2.0, w / 2.0); }},
        // Its twin, pressed on every item missed: a red stamp with a cross.
        {"review_missed.png", 64, 64, [](cairo_t* cr, int w, int h) { MissedStamp(cr, w / 2.0, h / 2.0, w / 2.0); }},
        // Over a step of the progress strip that was passed without its
        // point: the step's tick hidden by a red disc with a white cross.
        {"strip_missed.png", 64, 64,
         [](cairo_t* cr, int w, int h) {
             const double cx = w / 2.0, cy = h / 2.0;
             Circle(cr, cx, cy, 17.5);
             FillPath(cr, Hex(0xC0281E));
             Circle(cr, cx, cy, 17.5);
             StrokePath(cr, Hex(0x7A1711), 2.5);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
             for (double d : {1.0, -1.0}) {
                 cairo_move_to(cr, cx - 7, cy - 7 * d);
                 cairo_line_to(cr, cx + 7, cy + 7 * d);
             }
             StrokePath(cr, kWhite, 4);
         }},
        // The line under every review board that says what the stamps mean.
        {"review_legend.png", 1024, 64,
         [](cairo_t* cr, int w, int h) {
             ReviewLegend(cr, w, h, "bonne réponse", "manquée : la bonne réponse est montrée");
         }},
        {"review_legend_two_lines.png", 1024, 128,
         [](cairo_t* cr, int w, int h) {
             ReviewLegendInTwoLines(cr, w, h, "bonne réponse", "manquée : la bonne réponse est montrée");
         }},
        {"review_legend_en.png", 1024, 64,
         [](cairo_t* cr, int w, int h) {
             ReviewLegend(cr, w, h, "right answer", "missed: the right answer is shown");
         }},
        {"dropdownbox.png", 512, 512, [](cairo_t* cr, int w, int h) { DropDown(cr, w, h, 226); }},
        {"dropdownbox_long.png", 1024, 512, [](cairo_t* cr, int w, int h) { DropDown(cr, w, h, 470); }},

        // "Loading", on the black curtain, near the bottom-right corner: the
        // picture's right part lies past the screen's edge, so the words end
        // before it.
        {"loading.png", 256, 64,
         [](cairo_t* cr, int w, int h) {
             const double visible = w / 2.0 + SubMenuLayout::kLoadingFromRight - 16;
             Font f;
             f.px = 24;
             TextMiddle(cr, "Chargement…", visible, h / 2.0, f, kWhite, Align::Right);
         }},
    };
    return Run(argc, argv, pictures);
}
