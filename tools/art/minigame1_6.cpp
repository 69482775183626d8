// The greetings: the cards' blank side and their sixteen written sides
// (French and English), the "acceptable" and "chosen" tags, the two intro sheets with
// their six examples, the task cards and the strip. The words come from
// the game's greeting table, and the examples stand where the game listens
// for clicks on them.
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/dentist/Greetings.h"

using namespace art;
using namespace art::ink;
using namespace Greetings;

namespace {

// A card shows at scale 2 (file pixels are screen pixels): 300 x 100 in the
// middle of its file, the reach the game gives it.
constexpr double kCardW = 296, kCardH = 96;

void CardShape(cairo_t* cr, int w, int h, const Colour& face, const Colour& edge) {
    const double x = (w - kCardW) / 2, y = (h - kCardH) / 2;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, x, y, kCardW, kCardH, 12);
            FillPath(c, face);
            RoundedRect(c, x + 1.5, y + 1.5, kCardW - 3, kCardH - 3, 11);
            StrokePath(c, edge, 3);
        },
        0, 3, 4, 0.45);
}

void Telephone(cairo_t* cr, double cx, double cy, double px, const Colour& c) {
    Font f;
    f.px = px;
    f.bold = false;
    TextMiddle(cr, "\u260E", cx, cy, f, c);
}

// Words in the biggest type that fits the room.
void FittedWords(cairo_t* cr, const std::string& text, double x, double cy, double room, double maxHeight,
                 double largest, const Colour& colour, Align align = Align::Left) {
    Font f;
    f.bold = false;
    double tw = 0, th = 0;
    for (f.px = largest; f.px > 10; f.px -= 0.5) {
        Measure(cr, text, f, &tw, &th, room);
        if (th <= maxHeight) break;
    }
    Text(cr, text, x, cy - th / 2, f, colour, align, room);
}

// The blank side: the office's teal, a telephone and an invitation.
void BlankCard(cairo_t* cr, int w, int h) {
    CardShape(cr, w, h, kTeal, kTealLight);
    const double x = (w - kCardW) / 2, y = (h - kCardH) / 2;
    cairo_save(cr);
    RoundedRect(cr, x + 4, y + 4, kCardW - 8, kCardH - 8, 9);
    cairo_clip(cr);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, x + 20 + i * 50, y);
        cairo_line_to(cr, x + i * 50 - 20, y + kCardH);
        StrokePath(cr, kWhite.Alpha(0.07), 14);
    }
    cairo_restore(cr);
    Telephone(cr, x + 52, h / 2.0, 46, kWhite);
    Font f;
    f.px = 20;
    Text(cr, "Allô ?", x + 100, y + 22, f, kWhite, Align::Left);
    Font small;
    small.px = 13;
    small.bold = false;
    Text(cr, "Passez la souris dessus\npour l'entendre", x + 100, y + 48, small, kCream, Align::Left);
}

// The written side: the greeting in quotes on a cream card.
Picture WrittenCard(const Greeting& g, bool english) {
    return {g.picture, 512, 128, [g, english](cairo_t* cr, int w, int h) {
                CardShape(cr, w, h, kCream, kTeal);
                const double x = (w - kCardW) / 2, y = (h - kCardH) / 2;
                RoundedRect(cr, x + 8, y + 8, 36, kCardH - 16, 8);
                FillPath(cr, kTeal);
                Telephone(cr, x + 26, h / 2.0, 24, kWhite);
                const std::string words = english ? std::string("“") + g.text + "”"
                                                  : std::string("«\u00A0") + g.text + "\u00A0»";
                FittedWords(cr, words, x + 56, h / 2.0, kCardW - 68, kCardH - 14, 19, kInk);
            }};
}

void AcceptableTag(cairo_t* cr, int w, int h) {
    RoundedRect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2.0);
    FillPath(cr, kGreen);
    RoundedRect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2.0);
    StrokePath(cr, kGreenDark, 2);
    Font f;
    f.px = 15;
    TextMiddle(cr, "✓ Acceptable", w / 2.0, h / 2.0, f, kWhite);
}

// During play a pressed card says only that it is chosen: navy, no tick,
// so that it cannot be read as a verdict before the review.
void ChosenTag(cairo_t* cr, int w, int h, const char* word) {
    RoundedRect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2.0);
    FillPath(cr, kNavy);
    RoundedRect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2.0);
    StrokePath(cr, kNavyDark, 2);
    Circle(cr, 18, h / 2.0, 5);
    FillPath(cr, kWhite);
    Font f;
    f.px = 15;
    TextMiddle(cr, word, w / 2.0 + 7, h / 2.0, f, kWhite);
}

// The intro sheet: the six examples where the game listens for them, each
// marked as one to say or one to avoid.
void Sheet(cairo_t* cr, int w, int h, const Language& language) {
    // File pixels are screen pixels; the sheet's middle is drawn at
    // (kSheetDx, kSheetDy) from the view's.
    const double mx = w / 2.0 - kSheetDx, my = h / 2.0 - kSheetDy;
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            RoundedRect(c, 90, 2, w - 180, h - 4, 20);
            FillPath(c, kCream);
            RoundedRect(c, 90, 2, w - 180, 38, 20);
            FillPath(c, kTeal);
            cairo_rectangle(c, 90, 22, w - 180, 18);
            FillPath(c, kTeal);
        },
        0, 0, 2, 0.4);
    Font title;
    title.px = 17;
    TextMiddle(cr,
               language.english ? "Answering well: click an example to hear it, then click Play."
                                : "Bien répondre : cliquez sur un exemple pour l'entendre, puis sur Jouer.",
               w / 2.0, 21, title, kWhite);
    for (int i = 0; i < kExampleCount; ++i) {
        const Example& e = language.examples[i];
        const double cx = mx + kExampleDx[i], cy = my + kExampleDy[i];
        const Colour mark = e.acceptable ? kGreen : kCoral;
        RoundedRect(cr, cx - 148, cy - 46, 296, 92, 14);
        FillPath(cr, kWhite);
        RoundedRect(cr, cx - 148, cy - 46, 296, 92, 14);
        StrokePath(cr, mark, 3);
        Circle(cr, cx - 118, cy, 20);
        FillPath(cr, mark);
        Font sign;
        sign.px = 24;
        TextMiddle(cr, e.acceptable ? "✓" : "✗", cx - 118, cy + 1, sign, kWhite);
        const std::string words =
            language.english ? std::string("“") + e.text + "”" : std::string("«\u00A0") + e.text + "\u00A0»";
        FittedWords(cr, words, cx - 88, cy, 226, 80, 17, kInk);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {kBlankCard, 512, 128, BlankCard},
        {kAcceptableTag, 128, 32, AcceptableTag},
        {kFrench.chosenTag, 128, 32, [](cairo_t* cr, int w, int h) { ChosenTag(cr, w, h, kFrench.chosenWord); }},
        {kEnglish.chosenTag, 128, 32, [](cairo_t* cr, int w, int h) { ChosenTag(cr, w, h, kEnglish.chosenWord); }},
        {kFrench.overlay, 1024, 512, [](cairo_t* cr, int w, int h) { Sheet(cr, w, h, kFrench); }},
        {kEnglish.overlay, 1024, 512, [](cairo_t* cr, int w, int h) { Sheet(cr, w, h, kEnglish); }},
        TaskCard("consigne1_6.png", "Répondre au téléphone", "Choisissez trois bonnes façons", kTeal),
        TaskCard("consigne1_9.png", "Answering in English", "Choisissez trois bonnes façons", kTeal),
    };
    for (const Language* language : {&kFrench, &kEnglish})
        for (int card = 0; card < kCardCount; ++card)
            pictures.push_back(WrittenCard(language->cards[card], language->english));
    for (const Picture& p : ProgressStrip("minijeu1_6progress%d.png", 2, kTeal)) pictures.push_back(p);
    return Run(argc, argv, pictures);
}
