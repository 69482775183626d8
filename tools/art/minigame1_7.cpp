// The two games of answering calls: the red wood desk, the telephone with
// its pick-up button, the lit telephone of the intro sheet, the caller's
// bubble, the review card, and the eight reference sheets, each printed
// from the game's call table so that the right reply is always the one the
// sheet supports. Also their task cards and progress strips.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/DentistOffice.h"
#include "minigames/dentist/PhoneCalls.h"

using namespace art;
using namespace art::ink;
using namespace PhoneCalls;

namespace {

const Colour kPhoneBody = Hex(0x3B4452);
const Colour kPhoneDark = Hex(0x262C36);
const Colour kKeyCap = Hex(0xE4E0D8);
const Colour kPickUp = kGreen;

// --- the desk ---

// A handset lying on its side, centred on (cx, cy).
void Handset(cairo_t* cr, double cx, double cy, double len) {
    const double r = len * 0.17;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    RoundedRect(cr, -len / 2 + 6, -r + 8, len, 2 * r, r);
    FillPath(cr, Hex(0x000000, 0.3));
    // Ear and mouth pieces, then the grip between them.
    for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, s * (len / 2 - r), 0);
        cairo_scale(cr, 1.0, 0.8);
        Circle(cr, 0, 0, r * 1.15);
        cairo_restore(cr);
        FillPath(cr, kPhoneDark);
    }
    RoundedRect(cr, -len / 2 + r * 0.6, -r * 0.55, len - r * 1.2, r * 1.1, r * 0.5);
    FillPath(cr, kPhoneBody.Mix(kWhite, 0.12));
    cairo_restore(cr);
}

// The telephone in a 512 x 512 box with its centre at (cx, cy): the handset
// on its cradle at the top, the keypad, the display, and the round well of
// the pick-up button (drawn by its own picture).
void Telephone(cairo_t* cr, double cx, double cy) {
    const double left = cx - 220, top = cy - 130, w = 440, h = 360;
    RoundedRect(cr, left + 8, top + 16, w, h, 40);
    FillPath(cr, Hex(0x000000, 0.35));
    RoundedRect(cr, left, top, w, h, 40);
    FillPath(cr, kPhoneDark);
    RoundedRect(cr, left + 6, top + 4, w - 12, h - 14, 36);
    FillPath(cr, kPhoneBody);
    // The cradle under the handset.
    RoundedRect(cr, cx - 200, cy - 200, 270, 60, 24);
    FillPath(cr, kPhoneDark);
    Handset(cr, cx - 68, cy - 185, 280);
    // The keypad: twelve keys.
    const char* keys = "123456789*0#";
    Font f;
    f.px = 20;
    for (int i = 0; i < 12; ++i) {
        const double kx = cx - 170 + (i % 3) * 62, ky = cy - 70 + (i / 3) * 58;
        RoundedRect(cr, kx, ky + 3, 50, 44, 9);
        FillPath(cr, Hex(0x000000, 0.35));
        RoundedRect(cr, kx, ky, 50, 44, 9);
        FillPath(cr, kKeyCap);
        TextMiddle(cr, std::string(1, keys[i]), kx + 25, ky + 22, f, kInk);
    }
    // The display.
    RoundedRect(cr, cx + 20, cy - 100, 180, 56, 8);
    FillPath(cr, Hex(0x1E232B));
    RoundedRect(cr, cx + 26, cy - 94, 168, 44, 5);
    FillPath(cr, Hex(0xB9D7A8));
    Font lcd;
    lcd.px = 17;
    lcd.condensed = true;
    TextMiddle(cr, "Ligne 1", cx + 110, cy - 72, lcd, Hex(0x2F4A2A));
    // The well of the pick-up button, and its label.
    Circle(cr, cx + 83, cy + 103, 38);
    FillPath(cr, Hex(0x1E232B));
    Font small;
    small.px = 15;
    Text(cr, "Décrocher", cx + 83, cy + 146, small, kCream);
    // A light that blinks when a call comes in.
    Circle(cr, cx + 180, cy + 20, 10);
    FillPath(cr, kCoral);
}

void Phone(cairo_t* cr, int w, int h) { Telephone(cr, w / 2.0, h / 2.0); }

// The round pick-up button: a handset on green.
void PickUp(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 4;
    Circle(cr, cx, cy + 2, r);
    FillPath(cr, kPickUp.Mix(kInk, 0.45));
    Circle(cr, cx, cy, r - 1);
    FillPath(cr, kPickUp);
    Circle(cr, cx, cy, r - 4);
    StrokePath(cr, kWhite.Alpha(0.4), 2);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.6);
    RoundedRect(cr, -r * 0.6, -r * 0.14, r * 1.2, r * 0.28, r * 0.12);
    FillPath(cr, kWhite);
    for (double s : {-1.0, 1.0}) {
        Circle(cr, s * r * 0.55, r * 0.08, r * 0.2);
        FillPath(cr, kWhite);
    }
    cairo_restore(cr);
}

void PickUpGlow(cairo_t* cr, int w, int h) { ButtonGlow(cr, w, h, 58, 58, 29, 14); }

// The intro sheet, centred on the telephone: the telephone lit again, its
// two parts ringed, and a card that says what to do.
void PhoneSheet(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0;
    Telephone(cr, cx, cy);
    Circle(cr, cx + 83, cy + 103, 44);
    StrokePath(cr, kGold, 4);
    cairo_save(cr);
    cairo_translate(cr, cx - 68, cy - 185);
    cairo_scale(cr, 1.0, 0.42);
    Circle(cr, 0, 0, 170);
    cairo_restore(cr);
    StrokePath(cr, kGold, 4);
    Font label;
    label.px = 20;
    Text(cr, "Le combiné", cx - 68, cy - 262, label, kGoldLight);
    const double x = cx + 60, y = cy - 400, cw = 420, ch = 250;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x, y, cw, ch, 22);
            FillPath(c, kCream);
            RoundedRect(c, x, y, 16, ch, 8);
            FillPath(c, kTeal);
        },
        0, 8, 10, 0.4);
    Font f;
    f.px = 24;
    Text(cr,
         "Cliquez sur le combiné ou sur le bouton vert pour savoir à quoi ils servent. Puis cliquez sur Jouer : "
         "le téléphone sonne.",
         x + 8 + cw / 2, y + 30, f, kInk, Align::Centre, cw - 60);
}

// The caller's bubble: a white cloud with its tail towards the handset.
void Bubble(cairo_t* cr, int w, int h) {
    (void)h;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 112, 70, 800, 300, 120);
            FillPath(c, kWhite);
            Polygon(c, {{300, 340}, {400, 350}, {190, 470}});
            FillPath(c, kWhite);
        },
        0, 8, 10, 0.35);
    RoundedRect(cr, 116, 74, 792, 292, 116);
    StrokePath(cr, kInk.Alpha(0.25), 3);
    (void)w;
}

// The review card: a title, and eight ruled rows the game writes into.
void ReviewCard(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 16, 8, w - 32, h - 24, 20);
            FillPath(c, kCream);
            RoundedRect(c, 16, 8, w - 32, 62, 20);
            FillPath(c, kTeal);
            cairo_rectangle(c, 16, 50, w - 32, 20);
            FillPath(c, kTeal);
        },
        0, 8, 10, 0.4);
    Font f;
    f.px = 28;
    TextMiddle(cr, "Les bonnes réponses", w / 2.0, 39, f, kWhite);
    for (int n = 0; n < kPointCount; ++n) {
        const double y = h / 2.0 - 170 + 44 * n + 14;
        cairo_move_to(cr, 60, y);
        cairo_line_to(cr, w - 60, y);
        StrokePath(cr, n % 2 == 1 ? kTeal.Alpha(0.6) : kTealLight, n % 2 == 1 ? 2 : 1);
    }
}

// --- the reference sheets ---
bool Contains(const char* text, const char* word) { return std::string(text).find(word) != std::string::npos; }

// The rows of a sheet as a table: labels on the left, values on the right.
void Rows(cairo_t* cr, const Sheet& sheet, double left, double right, double top, double step, const Font& font,
          const Colour& ink, const Colour& rule, bool leaders) {
    for (int r = 0; r < kSheetRows && sheet.rows[r].label; ++r) {
        const double y = top + r * step;
        double lw, lh, vw, vh;
        Measure(cr, sheet.rows[r].label, font, &lw, &lh);
        Measure(cr, sheet.rows[r].value, font, &vw, &vh);
        if (leaders) {
            for (double x = left + lw + 8; x < right - vw - 8; x += 9) {
                Circle(cr, x, y + lh * 0.75, 1.4);
                FillPath(cr, ink.Alpha(0.6));
            }
        } else {
            cairo_move_to(cr, left, y + step - 8);
            cairo_line_to(cr, right, y + step - 8);
            StrokePath(cr, rule, 1.5);
        }
        Text(cr, sheet.rows[r].label, left, y, font, ink, Align::Left);
        Text(cr, sheet.rows[r].value, right, y, font, ink, Align::Right);
    }
}

// The opening hours on the office's door sign.
void HoursSign(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, 36, 80, w - 72, 330, 18);
        FillPath(c, kNavyDark);
    });
    RoundedRect(cr, 50, 94, w - 100, 302, 12);
    StrokePath(cr, kWhite.Alpha(0.7), 2);
    Font brand;
    brand.px = 22;
    TextMiddle(cr, DentistOffice::kName, w / 2.0, 128, brand, kTealLight);
    Font title;
    title.px = 34;
    TextMiddle(cr, sheet.title, w / 2.0, 176, title, kWhite);
    Font row;
    row.px = 20;
    Rows(cr, sheet, 70, w - 70, 224, 52, row, kWhite, kWhite.Alpha(0.3), false);
    // The screws.
    for (double x : {56.0, w - 56.0}) {
        Circle(cr, x, 100, 5);
        FillPath(cr, kStone);
    }
}

// A card of extensions taped on the wall by the telephone.
void ExtensionCard(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_rectangle(c, 40, 60, w - 80, 380);
        FillPath(c, kWhite);
    });
    cairo_rectangle(cr, 40, 60, w - 80, 64);
    FillPath(cr, kTeal);
    Font title;
    title.px = 30;
    TextMiddle(cr, sheet.title, w / 2.0, 92, title, kWhite);
    Font row;
    row.px = 21;
    row.bold = false;
    Rows(cr, sheet, 62, w - 62, 150, 60, row, kInk, kTealLight, true);
    // Two strips of tape.
    for (double x : {90.0, w - 150.0}) {
        cairo_save(cr);
        cairo_translate(cr, x, 52);
        cairo_rotate(cr, x < w / 2 ? -0.2 : 0.2);
        cairo_rectangle(cr, 0, 0, 70, 22);
        cairo_restore(cr);
        FillPath(cr, Hex(0xF4E9B8, 0.8));
    }
}

// The whiteboard of who is in: a magnet beside each name, green when in.
void InOutBoard(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, 26, 56, w - 52, 400, 8);
        FillPath(c, Hex(0xB7BCC4));
    });
    cairo_rectangle(cr, 38, 68, w - 76, 376);
    FillPath(cr, Hex(0xFBFCFD));
    Font title;
    title.px = 30;
    TextMiddle(cr, sheet.title, w / 2.0, 104, title, kNavy);
    Font row;
    row.px = 22;
    for (int r = 0; r < kSheetRows && sheet.rows[r].label; ++r) {
        const double y = 150 + r * 66;
        const bool out = Contains(sheet.rows[r].value, "Absent") || Contains(sheet.rows[r].value, "Congé");
        Circle(cr, 70, y + 14, 12);
        FillPath(cr, out ? kCoral : kGreen);
        Text(cr, sheet.rows[r].label, 94, y, row, kInk, Align::Left);
        Font value = row;
        value.bold = false;
        value.px = 19;
        Text(cr, sheet.rows[r].value, 94, y + 28, value, out ? kCoralDark : kGreenDark, Align::Left);
    }
    // The marker tray.
    cairo_rectangle(cr, 60, 444, w - 120, 12);
    FillPath(cr, Hex(0x8D939C));
}

// A page of the telephone directory: yellow paper, serif type, leaders.
void DirectoryPage(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_rectangle(c, 40, 40, w - 80, 420);
        FillPath(c, Hex(0xF6D84A));
    });
    Font head;
    head.px = 15;
    head.serif = true;
    Text(cr, "MÉDECINS ET CHIRURGIENS", 60, 54, head, kInk, Align::Left);
    Text(cr, "705", w - 60, 54, head, kInk, Align::Right);
    cairo_move_to(cr, 56, 78);
    cairo_line_to(cr, w - 56, 78);
    StrokePath(cr, kInk, 2);
    Font title;
    title.px = 30;
    title.serif = true;
    Text(cr, sheet.title, 60, 92, title, kInk, Align::Left);
    Font row;
    row.px = 20;
    row.serif = true;
    row.bold = false;
    Rows(cr, sheet, 60, w - 60, 156, 54, row, kInk, kInk, true);
    // A box advertisement at the bottom, as directories have.
    cairo_rectangle(cr, 60, 380, w - 120, 60);
    StrokePath(cr, kInk, 2);
    Font ad = row;
    ad.px = 16;
    TextMiddle(cr, "Clinique médicale du Lac  -  sans rendez-vous", w / 2.0, 410, ad, kInk);
}

// A colleague's week as a grid of time slots.
void Schedule(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_rectangle(c, 36, 50, w - 72, 410);
        FillPath(c, kWhite);
    });
    cairo_rectangle(cr, 36, 50, w - 72, 60);
    FillPath(cr, kNavy);
    Font title;
    title.px = 26;
    TextMiddle(cr, sheet.title, w / 2.0, 80, title, kWhite);
    Font row;
    row.px = 19;
    for (int r = 0; r < kSheetRows && sheet.rows[r].label; ++r) {
        const double y = 126 + r * 64;
        const bool busy = !Contains(sheet.rows[r].value, "Libre");
        cairo_rectangle(cr, 262, y, w - 312, 52);
        FillPath(cr, busy ? kCoral.Alpha(0.25) : kGreen.Alpha(0.18));
        cairo_rectangle(cr, 50, y + 56, w - 100, 1.5);
        FillPath(cr, kStone);
        Text(cr, sheet.rows[r].label, 60, y + 13, row, kInk, Align::Left);
        TextMiddle(cr, sheet.rows[r].value, 262 + (w - 312) / 2.0, y + 26, row, busy ? kCoralDark : kGreenDark);
    }
}

// Today's page of the ring-bound appointment book.
void AppointmentBook(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_rectangle(c, 40, 50, w - 80, 410);
        FillPath(c, Hex(0xFFFDF4));
    });
    for (int i = 0; i < 6; ++i) {
        Circle(cr, 80 + i * 70, 50, 9);
        StrokePath(cr, kStone.Mix(kInk, 0.3), 4);
    }
    Font title;
    title.px = 24;
    Text(cr, sheet.title, 60, 68, title, kCoralDark, Align::Left);
    Font date;
    date.px = 17;
    date.bold = false;
    Text(cr, "Mardi 17 novembre", w - 60, 102, date, kInk, Align::Right);
    cairo_rectangle(cr, 150, 116, 2, 330);
    FillPath(cr, kCoral.Alpha(0.6));
    Font row;
    row.px = 21;
    row.bold = false;
    for (int r = 0; r < kSheetRows && sheet.rows[r].label; ++r) {
        const double y = 126 + r * 62;
        Text(cr, sheet.rows[r].label, 140, y, row, kInk, Align::Right);
        Font hand = row;
        hand.bold = true;
        Text(cr, sheet.rows[r].value, 170, y, hand, kNavy, Align::Left);
        cairo_rectangle(cr, 56, y + 44, w - 112, 1.2);
        FillPath(cr, kSky.Mix(kInk, 0.2));
    }
}

// The salary sheet: letterhead and boxed fields.
void PaySheet(cairo_t* cr, int w, int h, const Sheet& sheet) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_rectangle(c, 40, 40, w - 80, 430);
        FillPath(c, kWhite);
    });
    Font brand;
    brand.px = 18;
    Text(cr, DentistOffice::kName, 60, 56, brand, kTeal, Align::Left);
    Font title;
    title.px = 30;
    Text(cr, sheet.title, 60, 86, title, kInk, Align::Left);
    Font row;
    row.px = 20;
    for (int r = 0; r < kSheetRows && sheet.rows[r].label; ++r) {
        const double y = 150 + r * 70;
        Font label = row;
        label.bold = false;
        label.px = 16;
        Text(cr, sheet.rows[r].label, 60, y, label, kInk.Alpha(0.7), Align::Left);
        cairo_rectangle(cr, 60, y + 22, w - 120, 38);
        StrokePath(cr, kInk.Alpha(0.5), 1.5);
        Text(cr, sheet.rows[r].value, w - 72, y + 30, row, kInk, Align::Right);
    }
}

Picture Reference(const Sheet& sheet) {
    return {sheet.picture, 512, 512, [&sheet](cairo_t* cr, int w, int h) {
                switch (sheet.look) {
                    case LOOK_HOURS_SIGN: HoursSign(cr, w, h, sheet); break;
                    case LOOK_EXTENSIONS: ExtensionCard(cr, w, h, sheet); break;
                    case LOOK_IN_OUT_BOARD: InOutBoard(cr, w, h, sheet); break;
                    case LOOK_DIRECTORY: DirectoryPage(cr, w, h, sheet); break;
                    case LOOK_SCHEDULE: Schedule(cr, w, h, sheet); break;
                    case LOOK_APPOINTMENTS: AppointmentBook(cr, w, h, sheet); break;
                    case LOOK_PAY_SHEET: PaySheet(cr, w, h, sheet); break;
                }
            }};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        // "red_wood_background.png" (the desk) comes with the message form's pictures.
        {"phone.png", 512, 512, Phone},
        {"phoneOverlay.png", 1024, 1024, PhoneSheet},
        {"phone_microphone.png", 64, 64, PickUp},
        {"phone_microphone2.png", 128, 128, PickUpGlow},
        {"cartoon_bubble.png", 1024, 512, Bubble},
        {"callsReview.png", 1024, 512, ReviewCard},
        TaskCard("consigne1_7.png", "Répondre au téléphone", "Saluez, écoutez, répondez", kTeal),
        TaskCard("consigne1_10.png", "Au téléphone", "Lisez la feuille, répondez", kTeal),
    };
    for (const CallGame* game : {&kEverydayCalls, &kSheetCalls}) {
        for (const Call& call : game->calls) pictures.push_back(Reference(call.sheet));
        for (const Picture& p : ProgressStrip(game->progressStrip, kCallCount, kTeal, kCallCount + 2)) {
            pictures.push_back(p);
        }
    }
    return Run(argc, argv, pictures);
}
