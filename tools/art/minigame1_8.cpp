// The call transfers: the organisation chart of the office (the
// instructions sheet, over the darkened desk, with the dial pad lit where
// the game looks for its keys), the six callers' cards, the strip and the
// task card. Names, extensions and requests come from the game's tables.
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/CallTransfers.h"
#include "minigames/dentist/TelephoneKeypad.h"

using namespace art;
using namespace art::ink;
using namespace CallTransfers;

namespace {

// --- the chart, on the 1357 x 718 space of the desk ---

struct Box {
    double x, y, w, h;  // centre and size
};

void PersonBox(cairo_t* cr, int w, int h, const StaffMember& person, const Box& b, const Colour& accent) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, b.x - b.w / 2, b.y - b.h / 2, b.w, b.h, 8);
            FillPath(c, kCream);
            RoundedRect(c, b.x - b.w / 2, b.y - b.h / 2, 8, b.h, 4);
            FillPath(c, accent);
        },
        0, 3, 4, 0.4);
    const double left = b.x - b.w / 2 + 18;
    Font name;
    name.px = 15;
    Text(cr, person.name, left, b.y - b.h / 2 + 8, name, kInk, Align::Left);
    Font role;
    role.px = 13;
    role.bold = false;
    Text(cr, person.role, left, b.y + 3, role, kInk.Alpha(0.8), Align::Left);
    // The extension, in a badge at the right end.
    const double bx = b.x + b.w / 2 - 42;
    RoundedRect(cr, bx - 34, b.y - 17, 70, 34, 6);
    FillPath(cr, accent);
    Font small;
    small.px = 9;
    TextMiddle(cr, "POSTE", bx + 1, b.y - 8, small, kWhite);
    Font ext;
    ext.px = 17;
    TextMiddle(cr, person.extension, bx + 1, b.y + 7, ext, kWhite);
}

void Link(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const double mid = (y0 + y1) / 2;
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0, mid);
    cairo_line_to(cr, x1, mid);
    cairo_line_to(cr, x1, y1);
    StrokePath(cr, kCream.Alpha(0.85), 2.5);
}

void Header(cairo_t* cr, int w, int h, const std::string& text, double x, double y, double width,
            const Colour& colour) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x - width / 2, y - 17, width, 34, 17);
            FillPath(c, colour);
        },
        0, 3, 4, 0.4);
    Font f;
    f.px = 16;
    TextMiddle(cr, text, x, y, f, kWhite);
}

// Where each department's column stands, and its colour.
struct Column {
    double x;
    double boxWidth;
    int across;  // boxes side by side
    Colour colour;
};
const Column kColumns[kDepartmentCount] = {
    {330, 300, 2, kTeal},
    {860, 300, 1, kNavy},
    {1190, 262, 1, kCoral},
};
constexpr double kRootY = 118, kHeaderY = 178, kFirstRowY = 232, kRowGap = 66;

void Chart(cairo_t* cr, int w, int h) {
    Header(cr, w, h, std::string(DentistOffice::kName) + " : organigramme", 678, kRootY, 470, kWoodDark);
    for (int d = 0; d < kDepartmentCount; ++d) {
        Link(cr, 678, kRootY + 17, kColumns[d].x, kHeaderY - 17);
        Header(cr, w, h, kDepartmentNames[d], kColumns[d].x, kHeaderY, 200, kColumns[d].colour);
    }
    int placed[kDepartmentCount] = {};
    for (int p = 0; p < kPersonCount; ++p) {
        const StaffMember& person = kStaff[p];
        const Column& col = kColumns[person.department];
        const int i = placed[person.department]++;
        const int across = col.across;
        const double x = col.x + (across == 2 ? (i % 2 == 0 ? -1 : 1) * (col.boxWidth / 2 + 8) : 0);
        const double y = kFirstRowY + (i / across) * kRowGap;
        PersonBox(cr, w, h, person, {x, y, col.boxWidth, 54}, col.colour);
    }
}

// The dial pad lit again, with what its keys say in this view.
void DialPad(cairo_t* cr) {
    using namespace TelephoneKeypad;
    RoundedRect(cr, 472, 452, 190, 206, 16);
    FillPath(cr, Hex(0x3B4452, 0.95));
    for (int k = 0; k < kKeyCount; ++k) {
        const KeyInfo& key = kKeys[k];
        const bool speaks = k < kDigitCount && kExplorerSounds[k] != nullptr;
        RoundedRect(cr, key.x - 17, key.y - 17, 34, 34, 7);
        FillPath(cr, Hex(0xE4E0D8));
        if (speaks) {
            RoundedRect(cr, key.x - 21, key.y - 21, 42, 42, 9);
            StrokePath(cr, kGold, 3);
        }
        Font f;
        f.px = 16;
        const char symbol[2] = {key.symbol, 0};
        TextMiddle(cr, symbol, key.x, key.y, f, kInk);
    }
}

void Legend(cairo_t* cr, int w, int h) {
    const double x = 110, y = 455, cw = 340, ch = 200;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x, y, cw, ch, 14);
            FillPath(c, kCream);
            RoundedRect(c, x, y, 10, ch, 5);
            FillPath(c, kTeal);
        },
        0, 4, 6, 0.4);
    Font head;
    head.px = 16;
    Text(cr, "Réentendre un appel", x + 24, y + 14, head, kTeal, Align::Left);
    Font body;
    body.px = 14;
    body.bold = false;
    std::string lines;
    for (int k = 0; k < kCallCount; ++k)
        lines += "Touche " + std::to_string(k) + " : appel " + std::to_string(k + 1) + "\n";
    lines += "Touche " + std::to_string(kCallCount) + " : la consigne";
    Text(cr, lines, x + 24, y + 44, body, kInk, Align::Left);
    Font play;
    play.px = 13;
    Text(cr, "Puis cliquez sur Jouer,\nen haut à droite.", x + 258, y + 150, play, kInk.Alpha(0.8), Align::Centre);
}

void Overlay(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    cairo_scale(cr, w / double(TelephoneKeypad::kReferenceWidth), h / double(TelephoneKeypad::kReferenceHeight));
    Chart(cr, w, h);
    DialPad(cr);
    Legend(cr, w, h);
    cairo_restore(cr);
}

// --- a caller's card: drawn at scale 2, its file pixels are screen pixels ---

// The ringing telephone, as the type draws it.
void Telephone(cairo_t* cr, double cx, double cy, double px, const Colour& c) {
    Font f;
    f.px = px;
    f.bold = false;
    TextMiddle(cr, "\u260E", cx, cy, f, c);
}

Picture CallCard(int call) {
    return {kCalls[call].picture, 1024, 256, [call](cairo_t* cr, int w, int h) {
                const double x = 40, y = 18, cw = w - 80, ch = 200;
                WithShadow(
                    cr, w, h,
                    [&](cairo_t* c) {
                        RoundedRect(c, x, y, cw, ch, 18);
                        FillPath(c, kCream);
                        RoundedRect(c, x, y, 190, ch, 18);
                        FillPath(c, kTeal);
                        cairo_rectangle(c, x + 160, y, 30, ch);
                        FillPath(c, kTeal);
                    },
                    0, 6, 8, 0.4);
                // The ringing line: a handset and the call's number.
                Circle(cr, x + 95, y + 78, 46);
                FillPath(cr, kWhite.Alpha(0.2));
                Telephone(cr, x + 95, y + 80, 56, kWhite);
                Font count;
                count.px = 20;
                TextMiddle(cr, "Appel " + std::to_string(call + 1) + " sur " + std::to_string(kCallCount),
                           x + 95, y + 158, count, kWhite);
                Font words;
                words.px = 25;
                words.bold = false;
                const std::string text = std::string("« ") + kCalls[call].request + " »";
                const double room = cw - 250;
                double tw = 0, th = 0;
                for (words.px = 26; words.px > 16; words.px -= 1) {
                    Measure(cr, text, words, &tw, &th, room);
                    if (th <= ch - 40) break;
                }
                Text(cr, text, x + 215, y + (ch - th) / 2, words, kInk, Align::Left, room);
            }};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"organigramme_overlay.png", 2048, 1024, Overlay},
        TaskCard("consigne1_8.png", "Transférer les appels", "Trouvez le poste et composez-le", kTeal),
    };
    for (int call = 0; call < kCallCount; ++call) pictures.push_back(CallCard(call));
    for (const Picture& p : ProgressStripFromFirstStep("minijeu1_8progress%d.png", kCallCount, kTeal))
        pictures.push_back(p);
    return Run(argc, argv, pictures);
}
