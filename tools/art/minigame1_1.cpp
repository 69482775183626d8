// The answering-machine lesson: the office desk with the machine (a
// telephone with its dial pad, whose keys 1, 4, 7, 0, 9 and # also work the
// answering machine), the lit
// machine of the intro sheet, the seven captions, the progress strip and the
// task card. Keys, labels and captions come from the game's own table, so a
// key is drawn where the game hit-tests it and a caption says what its step
// asks for.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/AnsweringMachine.h"
#include "minigames/dentist/DentistOffice.h"
#include "minigames/dentist/TelephoneKeypad.h"

using namespace art;
using namespace art::ink;
using namespace AnsweringMachine;

namespace {

constexpr double kBodyLeft = 380, kBodyTop = 395, kBodyRight = 1010, kBodyBottom = 692;
constexpr double kKeyRadius = 17;     // a small key: the game accepts clicks 20 pixels around
constexpr double kListenRadius = 34;  // the big "listen" key
const Colour kBody = Hex(0x3B4452);
const Colour kLabel = Hex(0xEDE6D8);

// Draws in the 1357 x 718 space of the key table.
void UseMachineLayout(cairo_t* cr, int w, int h) {
    cairo_scale(cr, w / double(kReferenceWidth), h / double(kReferenceHeight));
}

double KeyRadius(int key) { return key == KEY_LISTEN ? kListenRadius : kKeyRadius; }

// --- the dial pad: its keys lie on the rows and columns of the machine's
// keys, within a few pixels of where the call transfers look for them ---
const Colour kDialCap = Hex(0xE4E0D8);
constexpr double kDialColumns[3] = {510, 567, 623};
constexpr double kDialRows[4] = {482, 527, 572, 618};

double Nearest(const double* values, int count, double v) {
    double best = values[0];
    for (int i = 1; i < count; ++i)
        if (std::fabs(values[i] - v) < std::fabs(best - v)) best = values[i];
    return best;
}
double DialX(int dial) { return Nearest(kDialColumns, 3, TelephoneKeypad::kKeys[dial].x); }
double DialY(int dial) { return Nearest(kDialRows, 4, TelephoneKeypad::kKeys[dial].y); }

// The machine's key drawn on that dial key, -1 for none.
int MachineKeyOf(int dial) {
    for (int key = 0; key < kKeyCount; ++key)
        if (kKeys[key].x == DialX(dial) && std::fabs(kKeys[key].y - DialY(dial)) < 1.5) return key;
    return -1;
}
// The dial key a machine key also is, -1 for none.
int DialKeyOf(int key) {
    for (int dial = 0; dial < TelephoneKeypad::kKeyCount; ++dial)
        if (MachineKeyOf(dial) == key) return dial;
    return -1;
}

void DialSymbol(cairo_t* cr, int dial, double x, double y, const Colour& c) {
    Font f;
    f.px = 15;
    const char symbol[2] = {TelephoneKeypad::kKeys[dial].symbol, 0};
    TextMiddle(cr, symbol, x, y, f, c);
}

// --- the pictograms on the keys, centred on (x, y), s = half their size ---
void Triangle(cairo_t* cr, double x, double y, double s, int direction) {
    Polygon(cr, {{x + direction * s * 0.6, y},
                 {x - direction * s * 0.6, y - s * 0.7},
                 {x - direction * s * 0.6, y + s * 0.7}});
}

void SpeakerCone(cairo_t* cr, double x, double y, double s, const Colour& c) {
    Polygon(cr, {{x - s * 0.8, y - s * 0.3},
                 {x - s * 0.4, y - s * 0.3},
                 {x + s * 0.1, y - s * 0.75},
                 {x + s * 0.1, y + s * 0.75},
                 {x - s * 0.4, y + s * 0.3},
                 {x - s * 0.8, y + s * 0.3}});
    FillPath(cr, c);
}

void Pictogram(cairo_t* cr, int key, double x, double y, double s, const Colour& c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (key) {
        case KEY_REWIND:
            Triangle(cr, x - s * 0.35, y, s * 0.8, -1);
            Triangle(cr, x + s * 0.45, y, s * 0.8, -1);
            FillPath(cr, c);
            break;
        case KEY_REPLAY:
            // A loop back to the start, its arrowhead at the top.
            cairo_arc(cr, x, y + s * 0.1, s * 0.6, -M_PI * 0.5, M_PI * 1.2);
            StrokePath(cr, c, s * 0.2);
            Polygon(cr, {{x + s * 0.3, y - s * 0.5}, {x - s * 0.15, y - s * 0.85}, {x - s * 0.15, y - s * 0.15}});
            FillPath(cr, c);
            break;
        case KEY_ERASE:
            cairo_move_to(cr, x - s * 0.5, y - s * 0.5);
            cairo_line_to(cr, x + s * 0.5, y + s * 0.5);
            cairo_move_to(cr, x + s * 0.5, y - s * 0.5);
            cairo_line_to(cr, x - s * 0.5, y + s * 0.5);
            StrokePath(cr, c, s * 0.25);
            break;
        case KEY_HELP: {
            Font f;
            f.px = s * 1.7;
            TextMiddle(cr, "?", x, y, f, c);
            break;
        }
        case KEY_SAVE:
            // An arrow going down into a tray: kept.
            cairo_move_to(cr, x, y - s * 0.7);
            cairo_line_to(cr, x, y + s * 0.15);
            StrokePath(cr, c, s * 0.22);
            Polygon(cr, {{x - s * 0.4, y - s * 0.1}, {x + s * 0.4, y - s * 0.1}, {x, y + s * 0.4}});
            FillPath(cr, c);
            cairo_move_to(cr, x - s * 0.7, y + s * 0.25);
            cairo_line_to(cr, x - s * 0.7, y + s * 0.65);
            cairo_line_to(cr, x + s * 0.7, y + s * 0.65);
            cairo_line_to(cr, x + s * 0.7, y + s * 0.25);
            StrokePath(cr, c, s * 0.18);
            break;
        case KEY_NEXT:
            Triangle(cr, x - s * 0.45, y, s * 0.75, 1);
            Triangle(cr, x + s * 0.25, y, s * 0.75, 1);
            FillPath(cr, c);
            cairo_move_to(cr, x + s * 0.75, y - s * 0.55);
            cairo_line_to(cr, x + s * 0.75, y + s * 0.55);
            StrokePath(cr, c, s * 0.2);
            break;
        case KEY_LISTEN:
            Triangle(cr, x + s * 0.1, y, s * 0.9, 1);
            FillPath(cr, c);
            break;
        case KEY_VOLUME_UP:
            cairo_move_to(cr, x - s * 0.6, y);
            cairo_line_to(cr, x + s * 0.6, y);
            cairo_move_to(cr, x, y - s * 0.6);
            cairo_line_to(cr, x, y + s * 0.6);
            StrokePath(cr, c, s * 0.25);
            break;
        case KEY_SPEAKER:
            SpeakerCone(cr, x - s * 0.1, y, s, c);
            for (int i = 1; i <= 2; ++i) {
                cairo_arc(cr, x, y, s * 0.3 * i + s * 0.1, -M_PI / 4, M_PI / 4);
                StrokePath(cr, c, s * 0.14);
            }
            break;
        case KEY_MUTE:
            SpeakerCone(cr, x - s * 0.2, y, s, c);
            cairo_move_to(cr, x + s * 0.25, y - s * 0.3);
            cairo_line_to(cr, x + s * 0.8, y + s * 0.3);
            cairo_move_to(cr, x + s * 0.8, y - s * 0.3);
            cairo_line_to(cr, x + s * 0.25, y + s * 0.3);
            StrokePath(cr, c, s * 0.16);
            break;
        default: break;
    }
}

// --- the key labels, placed around each key so that none overlaps ---
enum Side { LEFT_OF, RIGHT_OF, BELOW };
struct LabelPlace {
    Side side;
};
constexpr LabelPlace kLabelPlaces[kKeyCount] = {
    {LEFT_OF}, {LEFT_OF}, {LEFT_OF}, {BELOW}, {RIGHT_OF}, {RIGHT_OF}, {BELOW}, {RIGHT_OF}, {BELOW}, {LEFT_OF},
};

void KeyLabel(cairo_t* cr, int key, const Colour& colour) {
    const KeyInfo& k = kKeys[key];
    const double r = KeyRadius(key);
    Font f;
    f.px = 15;
    switch (kLabelPlaces[key].side) {
        case LEFT_OF: TextMiddle(cr, k.label, k.x - r - 10, k.y, f, colour, Align::Right); break;
        case RIGHT_OF: TextMiddle(cr, k.label, k.x + r + 10, k.y, f, colour, Align::Left); break;
        case BELOW: Text(cr, k.label, k.x, k.y + r + 5, f, colour); break;
    }
}

void Key(cairo_t* cr, int key) {
    const KeyInfo& k = kKeys[key];
    const double r = KeyRadius(key);
    Colour cap = Hex(0xE4E0D8);
    Colour mark = kInk;
    if (key == KEY_ERASE) cap = kCoral, mark = kWhite;
    if (key == KEY_LISTEN) cap = kGreen, mark = kWhite;
    // Well, rim, cap: a key that looks pressable.
    if (key == KEY_LISTEN) {
        Circle(cr, k.x, k.y + 3, r + 3);
        FillPath(cr, Hex(0x000000, 0.35));
        Circle(cr, k.x, k.y, r);
        FillPath(cr, cap.Mix(kInk, 0.3));
        Circle(cr, k.x, k.y - 2, r - 2);
        FillPath(cr, cap);
        Circle(cr, k.x, k.y - 2, r - 6);
        StrokePath(cr, kWhite.Alpha(0.3), 2);
    } else {
        RoundedRect(cr, k.x - r - 2, k.y - r + 3, 2 * r + 4, 2 * r + 2, 8);
        FillPath(cr, Hex(0x000000, 0.35));
        RoundedRect(cr, k.x - r, k.y - r, 2 * r, 2 * r, 7);
        FillPath(cr, cap.Mix(kInk, 0.3));
        RoundedRect(cr, k.x - r + 1, k.y - r - 1, 2 * r - 2, 2 * r - 3, 6);
        FillPath(cr, cap);
    }
    const int digit = DialKeyOf(key);
    if (digit < 0) {
        Pictogram(cr, key, k.x, k.y - 1.5, r * 0.6, mark);
        return;
    }
    // A dial key too: its digit large, the function small beside it.
    DialSymbol(cr, digit, k.x - r * 0.3, k.y - 2, mark);
    cairo_new_path(cr);  // the digit leaves the pen where it ended
    Pictogram(cr, key, k.x + r * 0.38, k.y - 1.5, r * 0.3, mark);
}

// A dial key that is only a dial key: the digit and its letters.
void PlainDialKey(cairo_t* cr, int dial) {
    const double x = DialX(dial), y = DialY(dial), r = kKeyRadius;
    RoundedRect(cr, x - r - 2, y - r + 3, 2 * r + 4, 2 * r + 2, 8);
    FillPath(cr, Hex(0x000000, 0.35));
    RoundedRect(cr, x - r, y - r, 2 * r, 2 * r, 7);
    FillPath(cr, kDialCap.Mix(kInk, 0.3));
    RoundedRect(cr, x - r + 1, y - r - 1, 2 * r - 2, 2 * r - 3, 6);
    FillPath(cr, kDialCap);
    const char* letters = TelephoneKeypad::kKeys[dial].letters;
    DialSymbol(cr, dial, x, letters[0] ? y - 5 : y - 2, kInk);
    if (letters[0]) {
        Font f;
        f.px = 7.5;
        TextMiddle(cr, letters, x, y + 8, f, kInk.Alpha(0.7));
    }
}

void Grille(cairo_t* cr, double x0, double y0, double x1, double y1) {
    for (double y = y0; y <= y1; y += 12)
        for (double x = x0; x <= x1; x += 12) {
            Circle(cr, x, y, 3.2);
            FillPath(cr, Hex(0x1E232B));
        }
}

// The machine: body, display, grille, keys and labels.
void Machine(cairo_t* cr) {
    RoundedRect(cr, kBodyLeft + 6, kBodyTop + 14, kBodyRight - kBodyLeft, kBodyBottom - kBodyTop, 30);
    FillPath(cr, Hex(0x000000, 0.25));
    RoundedRect(cr, kBodyLeft, kBodyTop, kBodyRight - kBodyLeft, kBodyBottom - kBodyTop, 30);
    FillPath(cr, kBody.Mix(kInk, 0.4));
    RoundedRect(cr, kBodyLeft, kBodyTop - 4, kBodyRight - kBodyLeft, kBodyBottom - kBodyTop - 6, 30);
    FillPath(cr, kBody);
    RoundedRect(cr, kBodyLeft + 8, kBodyTop + 4, kBodyRight - kBodyLeft - 16, kBodyBottom - kBodyTop - 22, 24);
    StrokePath(cr, kWhite.Alpha(0.12), 2);

    // The display: how many messages wait.
    RoundedRect(cr, 440, 412, 300, 42, 8);
    FillPath(cr, Hex(0x1E232B));
    RoundedRect(cr, 446, 417, 288, 32, 5);
    FillPath(cr, Hex(0xB9D7A8));
    Font lcd;
    lcd.px = 17;
    lcd.condensed = true;
    TextMiddle(cr, "3 messages", 460, 433, lcd, Hex(0x2F4A2A), Align::Left);
    Circle(cr, 712, 433, 6);
    FillPath(cr, kCoral);

    Grille(cr, 892, 424, 988, 520);

    for (int key = 0; key < kKeyCount; ++key) Key(cr, key);
    for (int dial = 0; dial < TelephoneKeypad::kKeyCount; ++dial)
        if (MachineKeyOf(dial) < 0) PlainDialKey(cr, dial);
    for (int key = 0; key < kKeyCount; ++key) KeyLabel(cr, key, kLabel);
}

// --- the office around it ---
void Notepad(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 210, 520);
    cairo_rotate(cr, -0.08);
    RoundedRect(cr, -96, -118, 196, 250, 6);
    FillPath(cr, Hex(0x000000, 0.18));
    RoundedRect(cr, -100, -124, 196, 250, 6);
    FillPath(cr, Hex(0xFFFDF6));
    cairo_rectangle(cr, -100, -124, 196, 34);
    FillPath(cr, kTeal);
    Font f;
    f.px = 18;
    TextMiddle(cr, "Messages", -2, -107, f, kWhite);
    for (int i = 0; i < 7; ++i) {
        cairo_move_to(cr, -84, -60 + i * 26);
        cairo_line_to(cr, 80, -60 + i * 26);
        StrokePath(cr, kTealLight, 1.5);
    }
    cairo_restore(cr);
    // A pen across it.
    cairo_save(cr);
    cairo_translate(cr, 300, 600);
    cairo_rotate(cr, -0.9);
    RoundedRect(cr, -8, -70, 16, 120, 5);
    FillPath(cr, kNavy);
    cairo_move_to(cr, -8, 50);
    cairo_line_to(cr, 0, 72);
    cairo_line_to(cr, 8, 50);
    FillPath(cr, kCream);
    cairo_restore(cr);
}

void Handset(cairo_t* cr) {
    // A cordless handset standing in its cradle, right of the machine.
    RoundedRect(cr, 1062, 612, 120, 52, 16);
    FillPath(cr, Hex(0x000000, 0.2));
    RoundedRect(cr, 1058, 604, 120, 52, 16);
    FillPath(cr, kBody);
    RoundedRect(cr, 1086, 380, 64, 250, 28);
    FillPath(cr, kBody.Mix(kWhite, 0.15));
    RoundedRect(cr, 1096, 404, 44, 52, 8);
    FillPath(cr, Hex(0xB9D7A8));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            RoundedRect(cr, 1097 + col * 15, 474 + row * 22, 12, 14, 3);
            FillPath(cr, Hex(0xE4E0D8));
        }
    Grille(cr, 1106, 392, 1130, 392);
}

void Mug(cairo_t* cr) {
    cairo_arc(cr, 1262, 560, 22, -M_PI / 2, M_PI / 2);
    StrokePath(cr, kWhite, 9);
    RoundedRect(cr, 1196, 510, 66, 90, 10);
    FillPath(cr, kWhite);
    // A tooth, the office's sign.
    cairo_move_to(cr, 1214, 538);
    cairo_curve_to(cr, 1214, 526, 1244, 526, 1244, 538);
    cairo_curve_to(cr, 1244, 556, 1236, 574, 1233, 574);
    cairo_line_to(cr, 1229, 558);
    cairo_line_to(cr, 1225, 574);
    cairo_curve_to(cr, 1222, 574, 1214, 556, 1214, 538);
    FillPath(cr, kTeal);
}

void Clock(cairo_t* cr, double cx, double cy) {
    Circle(cr, cx + 3, cy + 5, 62);
    FillPath(cr, Hex(0x000000, 0.12));
    Circle(cr, cx, cy, 62);
    FillPath(cr, kNavy);
    Circle(cr, cx, cy, 54);
    FillPath(cr, kWhite);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, cx + 44 * std::cos(a), cy + 44 * std::sin(a));
        cairo_line_to(cr, cx + 50 * std::cos(a), cy + 50 * std::sin(a));
        StrokePath(cr, kInk, i % 3 == 0 ? 4 : 2);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 26, cy - 12);  // ten past two
    StrokePath(cr, kInk, 5);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 20, cy - 36);
    StrokePath(cr, kInk, 3);
}

void Poster(cairo_t* cr) {
    RoundedRect(cr, 1034, 126, 220, 170, 6);
    FillPath(cr, Hex(0x000000, 0.12));
    RoundedRect(cr, 1030, 120, 220, 170, 6);
    FillPath(cr, kWoodDark);
    cairo_rectangle(cr, 1040, 130, 200, 150);
    FillPath(cr, kCream);
    Font f;
    f.px = 20;
    TextMiddle(cr, "Cabinet dentaire", 1140, 156, f, kTeal);
    Font small;
    small.px = 15;
    small.bold = false;
    Text(cr, std::string(DentistOffice::kOpenDays) + "\n" + DentistOffice::kHours, 1140, 186, small, kInk);
    cairo_rectangle(cr, 1070, 244, 140, 6);
    FillPath(cr, kTealLight);
}

void Office(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    FillVertical(cr, Hex(0xDCEEE9), Hex(0xBFDDD5), 0, h * 0.5);
    cairo_save(cr);
    UseMachineLayout(cr, w, h);
    // The wall's rail and the desk seen from above.
    cairo_rectangle(cr, 0, 318, kReferenceWidth, 10);
    FillPath(cr, kTeal.Alpha(0.5));
    cairo_rectangle(cr, 0, 350, kReferenceWidth, kReferenceHeight - 350);
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, 350, 0, kReferenceHeight);
    cairo_pattern_add_color_stop_rgb(wood, 0, 0.66, 0.46, 0.30);
    cairo_pattern_add_color_stop_rgb(wood, 1, 0.55, 0.36, 0.22);
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    for (int i = 0; i < 9; ++i) {
        const double y = 380 + i * 38;
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 400, y + 6, 900, y - 6, kReferenceWidth, y + 3);
        StrokePath(cr, kWoodDark.Alpha(0.12), 2);
    }
    cairo_rectangle(cr, 0, 350, kReferenceWidth, 6);
    FillPath(cr, kWoodDark.Alpha(0.5));
    Clock(cr, 230, 190);
    Poster(cr);
    Notepad(cr);
    Handset(cr);
    Mug(cr);
    // The cord from the machine to the cradle.
    cairo_move_to(cr, kBodyRight - 4, 660);
    cairo_curve_to(cr, 1030, 690, 1050, 640, 1060, 640);
    StrokePath(cr, Hex(0x1E232B), 5);
    Machine(cr);
    cairo_restore(cr);
}

// The intro sheet: over the darkened office the machine is lit again, each
// key ringed to invite a click, and the card says what to do.
void Sheet(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    UseMachineLayout(cr, w, h);
    Machine(cr);
    for (int key = 0; key < kKeyCount; ++key) {
        Circle(cr, kKeys[key].x, kKeys[key].y - 1, KeyRadius(key) * 1.3);
        StrokePath(cr, kGold, 3);
    }
    for (int key = 0; key < kKeyCount; ++key) KeyLabel(cr, key, kGoldLight);
    cairo_restore(cr);

    // The card, on file pixels so that its words keep their proportions.
    const double sx = w / double(kReferenceWidth), sy = h / double(kReferenceHeight);
    const double cw = 860 * sx, ch = 150 * sy, cx = w / 2.0, top = 150 * sy;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, cx - cw / 2, top, cw, ch, 24);
            FillPath(c, kCream);
            RoundedRect(c, cx - cw / 2, top, 18, ch, 9);
            FillPath(c, kTeal);
        },
        0, 8, 10, 0.4);
    Font f;
    f.px = 40;
    double tw, th;
    const std::string text = "Cliquez sur une touche pour savoir à quoi elle sert. Puis cliquez sur Jouer.";
    Measure(cr, text, f, &tw, &th, cw - 110);
    Text(cr, text, cx + 9, top + (ch - th) / 2, f, kInk, Align::Centre, cw - 110);
    // An arrow from the card down to the machine.
    cairo_move_to(cr, cx, top + ch + 20 * sy);
    cairo_line_to(cr, cx, top + ch + 70 * sy);
    StrokePath(cr, kGoldLight, 8);
    Polygon(cr, {{cx - 22, top + ch + 62 * sy}, {cx, top + ch + 90 * sy}, {cx + 22, top + ch + 62 * sy}});
    FillPath(cr, kGoldLight);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"phone_background.png", 2048, 1024, Office},
        {"phone_overlay.png", 2048, 1024, Sheet},
        TaskCard("consigne1_1.png", "Le répondeur", "Écoutez, lisez, cliquez", kTeal),
    };
    for (const Step& step : kSteps) pictures.push_back(CaptionPicture(step.caption, step.text, kTeal));
    for (const Picture& p : ProgressStrip("minijeu1_1progress%d.png", kStepCount, kTeal)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
