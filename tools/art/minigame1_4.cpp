// The fax cover sheet: the desk with the blank sheet, its fields printed
// from the game's field table; the intro sheet that rings the fields; the
// nine paper snippets, each printing the words of its field; the empty
// slots; the task card and the progress strip.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/DentistOffice.h"
#include "minigames/dentist/FaxCoverSheet.h"

using namespace art;
using namespace art::ink;
using namespace FaxCoverSheet;

namespace {

constexpr double kSlotHalfWidth = 180;  // a snippet's paper, at scale 1.5, is 360 wide
constexpr double kLabelX = 112;
const Colour kDesk = Hex(0x5D7480);
const Colour kPaper = Hex(0xFFFEFA);

void Desk(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kReferenceWidth, kReferenceHeight);
    FillVertical(cr, kDesk.Mix(kWhite, 0.1), kDesk.Mix(kInk, 0.25), 0, kReferenceHeight);
    Random grain{11};
    for (int i = 0; i < 40; ++i) {
        const double y = grain.Next() * kReferenceHeight;
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 400, y + 8 * grain.Next(), 900, y - 8 * grain.Next(), kReferenceWidth, y);
        StrokePath(cr, kInk.Alpha(0.06), 1 + 2 * grain.Next());
    }
    // A blotter on the right, where the snippets wait.
    RoundedRect(cr, 800, 96, 530, 616, 12);
    FillPath(cr, Hex(0x000000, 0.12));
    RoundedRect(cr, 796, 90, 530, 616, 12);
    FillPath(cr, Hex(0x3F5560));
    RoundedRect(cr, 808, 102, 506, 592, 8);
    StrokePath(cr, kWhite.Alpha(0.15), 2);
}

// The blank cover sheet, as a receptionist prints it.
void CoverSheet(cairo_t* cr) {
    cairo_rectangle(cr, kSheetLeft + 6, kSheetTop + 10, kSheetRight - kSheetLeft, kSheetBottom - kSheetTop);
    FillPath(cr, Hex(0x000000, 0.25));
    cairo_rectangle(cr, kSheetLeft, kSheetTop, kSheetRight - kSheetLeft, kSheetBottom - kSheetTop);
    FillPath(cr, kPaper);
    Font title;
    title.px = 42;
    Text(cr, "Télécopie", kLabelX, kSheetTop + 18, title, kInk, Align::Left);
    Font head;
    head.px = 14;
    Text(cr, DentistOffice::kName, kSheetRight - 24, kSheetTop + 20, head, kTeal, Align::Right);
    Font small;
    small.px = 12;
    small.bold = false;
    Text(cr,
         std::string(DentistOffice::kAddress) + "\nTél. : " + DentistOffice::kPhone + "   Téléc. : " +
             DentistOffice::kFax,
         kSheetRight - 24, kSheetTop + 40, small, kInk, Align::Right);
    cairo_rectangle(cr, kSheetLeft + 20, kSheetTop + 96, kSheetRight - kSheetLeft - 40, 4);
    FillPath(cr, kInk);
    Font label;
    label.px = 19;
    for (const Field& field : kFields) {
        TextMiddle(cr, field.label, kLabelX, field.y, label, kInk, Align::Left);
        cairo_move_to(cr, field.x - kSlotHalfWidth, field.y + 21);
        cairo_line_to(cr, field.x + kSlotHalfWidth, field.y + 21);
        StrokePath(cr, kInk.Alpha(0.55), 1.2);
    }
    Font note;
    note.px = 10;
    note.bold = false;
    Text(cr, "Ce document est confidentiel. Si vous l'avez reçu par erreur, appelez-nous.", kLabelX,
         kSheetBottom - 18, note, kInk.Alpha(0.6), Align::Left);
}

void FaxPaper(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    Desk(cr);
    CoverSheet(cr);
}

// The intro sheet: each field ringed, and a card that says what to do.
void FaxOverlay(cairo_t* cr, int w, int h) {
    UseReferenceLayout(cr, w, h);
    for (const Field& field : kFields) {
        RoundedRect(cr, kLabelX - 12, field.y - 20, field.x + kSlotHalfWidth + 12 - (kLabelX - 12), 44, 10);
        StrokePath(cr, kGold, 3);
    }
    const double x = 820, y = 170, cw = 490, ch = 300;
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
    f.px = 25;
    Text(cr,
         "Cliquez sur une case de la feuille pour savoir ce qu'elle demande. Puis cliquez sur Jouer, et faites "
         "glisser chaque bout de papier dans sa case. Quand la feuille est prête, cliquez encore sur Jouer.",
         x + 8 + cw / 2, y + 28, f, kInk, Align::Centre, cw - 60);
}

// A scrap of paper with a torn edge on both ends, the words on it.
void Snippet(cairo_t* cr, int w, int h, const std::string& words, unsigned seed) {
    Random tear{seed};
    const double left = 16, right = w - 16, top = 8, bottom = h - 10;
    auto outline = [&](cairo_t* c) {
        cairo_move_to(c, left, top);
        cairo_line_to(c, right, top);
        for (double y = top; y < bottom; y += 5) cairo_line_to(c, right - 6 * tear.Next(), y);
        cairo_line_to(c, right, bottom);
        cairo_line_to(c, left, bottom);
        for (double y = bottom; y > top; y -= 5) cairo_line_to(c, left + 6 * tear.Next(), y);
        cairo_close_path(c);
        FillPath(c, Hex(0xFFFBEF));
    };
    WithShadow(cr, w, h, outline, 2, 3, 3, 0.4);
    Font f;
    f.px = 25;
    f.bold = false;
    f.condensed = true;
    double tw, th;
    Measure(cr, words, f, &tw, &th);
    while (tw > right - left - 36 && f.px > 14) {
        f.px -= 1;
        Measure(cr, words, f, &tw, &th);
    }
    TextMiddle(cr, words, w / 2.0, (top + bottom) / 2.0, f, kNavyDark);
}

// An empty slot on the sheet: a dashed outline; the long ones are ruled.
void Slot(cairo_t* cr, int w, int h, bool ruled) {
    const double left = 16, right = w - 16, top = 8, bottom = h - 10;
    const double dashes[] = {10, 6};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    StrokePath(cr, kTeal.Alpha(0.7), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
    if (ruled) {
        cairo_rectangle(cr, left + 12, (top + bottom) / 2, right - left - 24, 1.5);
        FillPath(cr, kTealLight.Alpha(0.8));
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"fax_paper.png", 2048, 1024, FaxPaper},
        {"fax_overlay.png", 2048, 1024, FaxOverlay},
        {"addressPlaceholder.png", 512, 64, [](cairo_t* cr, int w, int h) { Slot(cr, w, h, true); }},
        {"companyPlaceholder.png", 512, 64, [](cairo_t* cr, int w, int h) { Slot(cr, w, h, false); }},
        TaskCard("consigne1_4.png", "La page couverture", "Glissez chaque papier dans sa case", kTeal),
    };
    unsigned seed = 3;
    for (const Field& field : kFields) {
        const std::string words = field.words;
        const unsigned s = seed++;
        pictures.push_back({field.snippet, 512, 64, [words, s](cairo_t* cr, int w, int h) { Snippet(cr, w, h, words, s); }});
    }
    for (const Picture& p : ProgressStrip("minijeu1_4progress%d.png", 2, kTeal, 3)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
