// The message forms: the red wood of the reception desk, the office's
// telephone-message pad (French, and bilingual for the English messages),
// the intro sheet that rings the pad's parts, the caption, the strip and
// the task cards. Every field and box stands where the game's target table
// puts it, and the boxes' words are the table's.
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/MessageForm.h"

using namespace art;
using namespace art::ink;
using namespace MessageForm;

namespace {

// The pad shows at scale 2: a file pixel is a screen pixel, and the middle
// of the file is the middle of the view, where the targets are measured from.
constexpr double kMidX = 512, kMidY = 256;
constexpr double kLeft = kMidX - 340, kRight = kMidX + 340, kTop = kMidY - 240, kBottom = kMidY + 205;
const Colour kPadInk = Hex(0x8C2B2B);  // the pad's printed red
const Colour kRule = Hex(0x9A8F86);

double X(int dx) { return kMidX + dx; }
double Y(int dy) { return kMidY + dy; }

void Rule(cairo_t* cr, double x0, double x1, double y) {
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y);
    StrokePath(cr, kRule, 1.2);
}

// A field: its printed name and the line the chosen entry is written on.
// The left column's names stand at the pad's margin; the right column's
// end just before where the entry is written.
void Field(cairo_t* cr, List list, const std::string& french, const std::string& english, bool bilingual,
           double lineEnd) {
    int field = 0;
    while (kFieldLists[field] != list) ++field;
    const Target& t = kTargets[field];
    const double textX = X(t.dx + kTextShift[list]);
    const double baseline = Y(t.dy);
    Font f;
    f.px = 13;
    const std::string name = bilingual && english != french ? english + " / " + french : french;
    double lineStart = textX - 3;
    if (t.dx < 0) {
        const double nameEnd = kLeft + 22 + Text(cr, name, kLeft + 22, baseline - 13, f, kPadInk, Align::Left);
        lineStart = nameEnd + 6;
    } else {
        TextMiddle(cr, name, textX - 6, baseline - 5, f, kPadInk, Align::Right);
    }
    Rule(cr, lineStart, lineEnd, baseline + 4);
}

void CheckBox(cairo_t* cr, const Box& box, bool bilingual) {
    const double x = X(box.dx), y = Y(box.dy);
    cairo_rectangle(cr, x - 8, y - 8, 16, 16);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, x - 8, y - 8, 16, 16);
    StrokePath(cr, kPadInk, 1.6);
    Font f;
    f.px = bilingual ? 10.5 : 11.5;
    if (bilingual) {
        Text(cr, box.english, x + 14, y - 11, f, kPadInk, Align::Left);
        Font fr = f;
        fr.bold = false;
        Text(cr, box.french, x + 14, y + 1, fr, kPadInk, Align::Left);
    } else {
        TextMiddle(cr, box.french, x + 14, y, f, kPadInk, Align::Left);
    }
}

void Pad(cairo_t* cr, int w, int h, bool bilingual) {
    // The sheet, torn off a pad: a little shadow, a perforated top.
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            cairo_rectangle(c, kLeft, kTop, kRight - kLeft, kBottom - kTop);
            FillPath(c, Hex(0xFFFDF4));
        },
        3, 6, 8, 0.45);
    for (double x = kLeft + 6; x < kRight; x += 12) {
        Circle(cr, x, kTop + 4, 1.6);
        FillPath(cr, Hex(0xD9D2C4));
    }
    // The title band.
    cairo_rectangle(cr, kLeft, kTop + 10, kRight - kLeft, 36);
    FillPath(cr, kPadInk);
    Font title;
    title.px = 21;
    TextMiddle(cr, bilingual ? "TELEPHONE MESSAGE / MESSAGE TÉLÉPHONIQUE" : "MESSAGE TÉLÉPHONIQUE", kMidX,
               kTop + 28, title, kWhite);

    Field(cr, LIST_DATE, "Date", "Date", bilingual, X(-20));
    Field(cr, LIST_TIME, "Heure", "Time", bilingual, X(320));
    Field(cr, LIST_RECIPIENT, "Pour", "To", bilingual, X(320));

    // "While you were out", between whom it is for and who called.
    const double band = Y(-112);
    cairo_rectangle(cr, kLeft + 14, band - 13, kRight - kLeft - 28, 26);
    FillPath(cr, kPadInk.Alpha(0.1));
    Font out;
    out.px = 14;
    TextMiddle(cr, bilingual ? "WHILE YOU WERE OUT / PENDANT VOTRE ABSENCE" : "PENDANT VOTRE ABSENCE", kMidX, band,
               out, kPadInk);

    Field(cr, LIST_CALLER, "De", "From", bilingual, X(-20));
    Field(cr, LIST_PHONE, "Tél.", "Phone", bilingual, X(320));

    // The office's mark, left of the boxes.
    Font mark;
    mark.px = 12;
    mark.bold = false;
    Text(cr, "Cabinet dentaire\ndes Érables", kLeft + 22, Y(-36), mark, kRule, Align::Left);

    for (const Box& box : kBoxes)
        if (&box != &kBoxes[kUrgentBox]) CheckBox(cr, box, bilingual);

    Field(cr, LIST_MESSAGE, "Message", "Message", bilingual, X(320));
    for (int line = 1; line <= 2; ++line) Rule(cr, kLeft + 22, X(320), Y(60) + 4 + 28 * line);
    Field(cr, LIST_YOUR_NAME, "Pris par", "Taken by", bilingual, X(90));

    // Urgent stands out, in a box of its own.
    const Box& urgent = kBoxes[kUrgentBox];
    RoundedRect(cr, X(urgent.dx) - 16, Y(urgent.dy) - 16, 150, 32, 5);
    FillPath(cr, kPadInk.Alpha(0.12));
    const double x = X(urgent.dx), y = Y(urgent.dy);
    cairo_rectangle(cr, x - 8, y - 8, 16, 16);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, x - 8, y - 8, 16, 16);
    StrokePath(cr, kPadInk, 1.6);
    Font big;
    big.px = 17;
    TextMiddle(cr, "URGENT", x + 16, y, big, kPadInk, Align::Left);
}

// The intro sheet, over the darkened pad (drawn 4 pixels right of and below
// the middle): each part of the pad ringed, and what to do.
void Sheet(cairo_t* cr, int w, int h) {
    cairo_translate(cr, -4, -4);
    for (int i = 0; i < kTargetCount; ++i) {
        const Target& t = kTargets[i];
        const bool field = i < kFieldCount;
        const double half = field ? 126 : 66;
        const double left = field ? X(t.dx) - half : X(t.dx) - 14;
        RoundedRect(cr, left, Y(t.dy) - 17, field ? 2 * half : 2 * half - 20, 34, 10);
        FillPath(cr, kGoldLight.Alpha(0.16));
        RoundedRect(cr, left, Y(t.dy) - 17, field ? 2 * half : 2 * half - 20, 34, 10);
        StrokePath(cr, kGold, 2.5);
    }
    cairo_translate(cr, 4, 4);
    // The card, left of the pad.
    const double cx = 8, cy = 60, cw = kLeft - 18, ch = 220;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, cx, cy, cw, ch, 14);
            FillPath(c, kCream);
            RoundedRect(c, cx, cy, cw, 10, 5);
            FillPath(c, kTeal);
        },
        0, 4, 6, 0.4);
    Font f;
    f.px = 15;
    Text(cr,
         "Cliquez sur une partie du formulaire : on vous dit à quoi elle sert.\n\nPuis cliquez sur Jouer et "
         "écoutez le message.",
         cx + cw / 2, cy + 26, f, kInk, Align::Centre, cw - 24);
}

// Red-brown wood, the grain running across.
void RedWood(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    FillVertical(cr, Hex(0x8E3B2A), Hex(0x6E2A1E), 0, h);
    Random r{7};
    for (int i = 0; i < 70; ++i) {
        const double y = r.Next() * h, amp = 4 + r.Next() * 10, width = 1 + r.Next() * 3;
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, w * 0.3, y + amp, w * 0.6, y - amp, w, y + amp * 0.5);
        StrokePath(cr, (i % 3 ? Hex(0x5A1F15) : Hex(0xB0553C)).Alpha(0.18 + r.Next() * 0.15), width);
    }
    // The boards' joints.
    for (int b = 1; b < 5; ++b) {
        cairo_move_to(cr, 0, h * b / 5.0);
        cairo_line_to(cr, w, h * b / 5.0);
        StrokePath(cr, Hex(0x3E150E, 0.35), 3);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"red_wood_background.png", 2048, 1024, RedWood},
        {kFrenchForm.form, 1024, 512, [](cairo_t* cr, int w, int h) { Pad(cr, w, h, false); }},
        {kEnglishForm.form, 1024, 512, [](cairo_t* cr, int w, int h) { Pad(cr, w, h, true); }},
        {"french_message_overlay.png", 1024, 512, Sheet},
        // "message_de_la_repondeuse.png", the machine with its new message, comes with the pizzeria's order pad.
        TaskCard("consigne1_2.png", "Prendre un message", "Écoutez et remplissez la fiche", kTeal),
        TaskCard("consigne1_3.png", "Un message en anglais", "Écoutez et remplissez la fiche", kTeal),
    };
    for (const Picture& p : ProgressStrip("minijeu1_2progress%d.png", 2, kTeal)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
