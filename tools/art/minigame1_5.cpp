// Sending a fax: the office wall and desk, the fax machine (empty, and
// with the document in its feeder), its keypad, the document face up,
// turning and face down, the intro sheet that rings the machine's parts,
// the caption, the task card and the progress strip. Keys and parts are
// drawn from the game's machine table, so a key is where a click dials it.
#include <cmath>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/FaxMachine.h"

using namespace art;
using namespace art::ink;
using namespace FaxMachine;

namespace {

const Colour kShell = Hex(0xD9D6CF);
const Colour kShellDark = Hex(0xA9A59C);
const Colour kPanel = Hex(0x3B4452);
const Colour kLcd = Hex(0xB9D7A8);

void Room(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, 0, 0, 1362, 726);
    FillVertical(cr, Hex(0xE6EEF0), Hex(0xC9D8DC), 0, 430);
    cairo_rectangle(cr, 0, 430, 1362, 296);
    FillVertical(cr, kWood.Mix(kWhite, 0.2), kWood, 430, 726);
    cairo_rectangle(cr, 0, 430, 1362, 8);
    FillPath(cr, kWoodDark.Alpha(0.5));
    // A wall calendar: the month of the cover sheet.
    cairo_rectangle(cr, 1130, 110, 170, 200);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, 1130, 110, 170, 44);
    FillPath(cr, kCoral);
    Font f;
    f.px = 22;
    TextMiddle(cr, "Novembre", 1215, 132, f, kWhite);
    for (int d = 0; d < 30; ++d) {
        Circle(cr, 1148 + (d % 7) * 23, 172 + (d / 7) * 28, d == 16 ? 10 : 2.5);
        FillPath(cr, d == 16 ? kCoral.Alpha(0.5) : kInk.Alpha(0.4));
    }
}

// The machine in a 1024 x 512 picture whose centre is the view's centre.
void Machine(cairo_t* cr, double cx, double cy, bool loaded) {
    auto at = [&](Offset o) { return Point{cx + o.dx, cy + o.dy}; };
    RoundedRect(cr, cx - 322, cy - 150, 640, 370, 34);
    FillPath(cr, Hex(0x000000, 0.3));
    RoundedRect(cr, cx - 330, cy - 170, 640, 370, 34);
    FillPath(cr, kShellDark);
    RoundedRect(cr, cx - 330, cy - 176, 640, 360, 34);
    FillPath(cr, kShell);
    // The feeder: a tray with its guides, the slot at its top.
    const Point feeder = at(kFeeder);
    RoundedRect(cr, feeder.x - 95, feeder.y - 110, 190, 210, 12);
    FillPath(cr, kShellDark.Mix(kShell, 0.4));
    RoundedRect(cr, feeder.x - 80, feeder.y - 96, 160, 186, 8);
    FillPath(cr, Hex(0xEDEBE6));
    for (double s : {-1.0, 1.0}) {
        cairo_rectangle(cr, feeder.x + s * 70 - 4, feeder.y - 80, 8, 150);
        FillPath(cr, kShellDark);
    }
    cairo_rectangle(cr, feeder.x - 84, feeder.y - 116, 168, 10);
    FillPath(cr, kInk);
    Font small;
    small.px = 15;
    Text(cr, "Chargeur", feeder.x, feeder.y + 104, small, kInk.Alpha(0.7));
    if (loaded) {
        // The document, face down, half taken in by the slot.
        cairo_rectangle(cr, feeder.x - 48, feeder.y - 108, 96, 124);
        FillPath(cr, kWhite);
        cairo_rectangle(cr, feeder.x - 48, feeder.y - 108, 96, 124);
        StrokePath(cr, kStone, 1.5);
        cairo_rectangle(cr, feeder.x - 52, feeder.y - 112, 104, 14);
        FillPath(cr, kInk);
    }
    // The output tray along the front.
    cairo_rectangle(cr, cx - 290, cy + 150, 330, 12);
    FillPath(cr, kShellDark.Mix(kInk, 0.3));
    Font brand;
    brand.px = 20;
    Text(cr, "TéléFax 300", cx - 300, cy - 160, brand, kNavy, Align::Left);
    // The control panel: the screen, the keypad's well, the send and stop keys.
    RoundedRect(cr, cx + 70, cy - 150, 226, 320, 18);
    FillPath(cr, kPanel);
    const Point screen = at(kDisplay);
    RoundedRect(cr, screen.x - 88, screen.y - 22, 176, 44, 8);
    FillPath(cr, Hex(0x1E232B));
    RoundedRect(cr, screen.x - 82, screen.y - 16, 164, 32, 5);
    FillPath(cr, kLcd);
    Font key;
    key.px = 16;
    for (const auto& k : {std::make_pair(kSendKey, kGreen), std::make_pair(kStopKey, kCoral)}) {
        const Point p = at(k.first);
        const double capWidth = 2 * kControlKeyHalfWidth, capHeight = kControlKeyBottom - kControlKeyTop;
        RoundedRect(cr, p.x - kControlKeyHalfWidth, p.y + kControlKeyTop + 2, capWidth, capHeight + 2, 9);
        FillPath(cr, Hex(0x000000, 0.35));
        RoundedRect(cr, p.x - kControlKeyHalfWidth, p.y + kControlKeyTop, capWidth, capHeight, 9);
        FillPath(cr, k.second);
        TextMiddle(cr, k.first.dx == kSendKey.dx ? "Envoi" : "Arrêt", p.x, p.y - 1, key, kWhite);
    }
}

void EmptyMachine(cairo_t* cr, int w, int h) { Machine(cr, w / 2.0, h / 2.0, false); }
void LoadedMachine(cairo_t* cr, int w, int h) { Machine(cr, w / 2.0, h / 2.0, true); }

// The keypad, centred on the keypad's place: ten digits, "*" and "#".
void Keypad(cairo_t* cr, int w, int h) {
    const Offset c = kParts[PART_KEYPAD].at;
    const double ox = w / 2.0 - c.dx, oy = h / 2.0 - c.dy;
    Font f;
    f.px = 20;
    auto keyCap = [&](double x, double y, const std::string& label) {
        RoundedRect(cr, x - 19, y - 15, 38, 32, 7);
        FillPath(cr, Hex(0x000000, 0.4));
        RoundedRect(cr, x - 19, y - 17, 38, 32, 7);
        FillPath(cr, Hex(0xE4E0D8));
        TextMiddle(cr, label, x, y - 1, f, kInk);
    };
    for (const Key& k : kKeys) keyCap(ox + k.at.dx, oy + k.at.dy, std::string(1, k.digit));
    for (const SignKey& k : kSignKeys) keyCap(ox + k.key.at.dx, oy + k.key.at.dy, std::string(1, k.key.digit));
}

// A page of the document, face up: a laboratory order.
void PageFront(cairo_t* cr, double cx, double cy) {
    cairo_rectangle(cr, cx - 44, cy - 58, 96, 124);
    FillPath(cr, Hex(0x000000, 0.25));
    cairo_rectangle(cr, cx - 48, cy - 62, 96, 124);
    FillPath(cr, kWhite);
    Font f;
    f.px = 9;
    Text(cr, "Commande", cx, cy - 54, f, kTeal);
    for (int i = 0; i < 9; ++i) {
        cairo_rectangle(cr, cx - 38, cy - 36 + i * 10, i % 3 == 2 ? 48 : 76, 3);
        FillPath(cr, kInk.Alpha(0.55));
    }
    cairo_rectangle(cr, cx - 38, cy + 50, 30, 3);
    FillPath(cr, kNavy);
}

void PageBack(cairo_t* cr, double cx, double cy) {
    cairo_rectangle(cr, cx - 44, cy - 58, 96, 124);
    FillPath(cr, Hex(0x000000, 0.25));
    cairo_rectangle(cr, cx - 48, cy - 62, 96, 124);
    FillPath(cr, Hex(0xF4F2EC));
    // The print shows faintly through.
    for (int i = 0; i < 9; ++i) {
        cairo_rectangle(cr, cx + 38 - (i % 3 == 2 ? 48 : 76), cy - 36 + i * 10, i % 3 == 2 ? 48 : 76, 3);
        FillPath(cr, kInk.Alpha(0.08));
    }
}

void PageTurning(cairo_t* cr, double cx, double cy) {
    Polygon(cr, {{cx - 10, cy - 62}, {cx + 14, cy - 56}, {cx + 14, cy + 68}, {cx - 10, cy + 62}});
    FillPath(cr, kWhite);
    Polygon(cr, {{cx - 10, cy - 62}, {cx + 14, cy - 56}, {cx + 14, cy + 68}, {cx - 10, cy + 62}});
    StrokePath(cr, kStone, 1.5);
}

// The intro sheet, pixel for pixel on the view (drawn at scale 2 from the
// view's centre): the four parts ringed and named, and what to do.
void Sheet(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0;
    Machine(cr, cx, cy, false);
    cairo_save(cr);
    cairo_translate(cr, cx - 256 / 2.0 + kParts[PART_KEYPAD].at.dx, cy - 256 / 2.0 + kParts[PART_KEYPAD].at.dy);
    Keypad(cr, 256, 256);
    cairo_restore(cr);
    PageFront(cr, cx + kDocumentStart.dx, cy + kDocumentStart.dy);
    const char* names[kPartCount] = {"Clavier", "Document", "Écran", "Envoi"};
    const double rings[kPartCount][2] = {{90, 100}, {70, 80}, {100, 34}, {42, 30}};
    Font label;
    label.px = 22;
    for (int i = 0; i < kPartCount; ++i) {
        const double x = cx + kParts[i].at.dx, y = cy + kParts[i].at.dy;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, rings[i][0], rings[i][1]);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        StrokePath(cr, kGold, 4);
        if (i == PART_SEND) {
            Text(cr, names[i], x, y + rings[i][1] + 6, label, kGoldLight);
        } else {
            Text(cr, names[i], x + rings[i][0] + 12, y - 12, label, kGoldLight, Align::Left);
        }
    }
    const double x = cx - 623, y = cy - 284, cw = 500, ch = 150;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x, y, cw, ch, 20);
            FillPath(c, kCream);
            RoundedRect(c, x, y, 16, ch, 8);
            FillPath(c, kTeal);
        },
        0, 8, 10, 0.4);
    Font f;
    f.px = 23;
    Text(cr, "Cliquez sur une partie du télécopieur pour savoir à quoi elle sert. Puis cliquez sur Jouer.",
         x + 8 + cw / 2, y + 26, f, kInk, Align::Centre, cw - 60);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"fax_background.png", 2048, 1024, Room},
        {"faxMachine.png", 1024, 512, EmptyMachine},
        {"faxMachine2.png", 1024, 512, LoadedMachine},
        {"keypad.png", 256, 256, Keypad},
        {"faxOverlay.png", 2048, 1024, Sheet},
        {"paper1.png", 256, 256, [](cairo_t* cr, int w, int h) {
             cairo_scale(cr, 2, 2);
             PageFront(cr, w / 4.0, h / 4.0);
         }},
        {"paper2.png", 256, 256, [](cairo_t* cr, int w, int h) {
             cairo_scale(cr, 2, 2);
             PageBack(cr, w / 4.0, h / 4.0);
         }},
        {"paperFlip.png", 256, 256, [](cairo_t* cr, int w, int h) {
             cairo_scale(cr, 2, 2);
             PageTurning(cr, w / 4.0, h / 4.0);
         }},
        CaptionPicture("Fax_Instruction.png",
                       "Retournez le document, glissez-le dans le chargeur, composez le 705 232-2332, puis Envoi.",
                       kTeal),
        TaskCard("consigne1_5.png", "Envoyer une télécopie", "Document, numéro, Envoi", kTeal),
    };
    for (const Picture& p : ProgressStrip("minijeu1_5progress%d.png", 4, kTeal)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
