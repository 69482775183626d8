// The delivery GPS, in English and in French: the van's cab with the
// navigator on the dashboard, one screen per step of the address entry and
// the route, the intro sheet with the menu path, the order's sticky note,
// the task cards and the progress strips. Keys, lists, labels and the
// address come from the game's GPS table.
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/pizzeria/DeliveryGps.h"

using namespace art;
using namespace art::ink;
using namespace DeliveryGps;

namespace {

const Colour kBezel = Hex(0x1B1D22);
const Colour kScreenBack = Hex(0xEEF2F6);
const Colour kBar = Hex(0x1E3A5F);
const Colour kKey = Hex(0x37414F);
const Colour kKeyText = Hex(0xF4F6F8);
const Colour kRowLine = Hex(0xC9D2DC);
const Colour kGo = Hex(0x2E9E4F);
const Colour kRoute = Hex(0x2F7DE1);
const Colour kSticky = Hex(0xFFE873);

Font Type(double px, bool bold = true) {
    Font f;
    f.px = px;
    f.bold = bold;
    return f;
}

// --- the cab ---

void Cab(cairo_t* cr) {
    // Through the windshield: a street of Sudbury in the morning.
    cairo_rectangle(cr, 0, 0, 1362, 300);
    FillVertical(cr, Hex(0x9FCBE8), Hex(0xE5F1F7), 0, 300);
    Polygon(cr, {{520, 300}, {842, 300}, {1362, 560}, {0, 560}});
    FillPath(cr, kRoad);
    cairo_rectangle(cr, 0, 290, 1362, 14);
    FillPath(cr, kGrassDark);
    for (int i = 0; i < 5; ++i) {
        const double t = i / 5.0, y = 310 + t * t * 240, half = 3 + t * 10;
        cairo_rectangle(cr, 681 - half / 2, y, half, 10 + t * 30);
        FillPath(cr, kWhite.Alpha(0.8));
    }
    Random random{11};
    for (double x = 0; x < 1362; x += 110 + random.Next() * 60) {
        if (x > 420 && x < 940) continue;
        const double hgt = 80 + random.Next() * 120;
        cairo_rectangle(cr, x, 290 - hgt, 100, hgt);
        FillPath(cr, kStone.Mix(kRoofRed, random.Next() * 0.5));
    }
    // The dashboard, and the windshield's frame.
    cairo_move_to(cr, 0, 470);
    cairo_curve_to(cr, 400, 430, 962, 430, 1362, 470);
    cairo_line_to(cr, 1362, 726);
    cairo_line_to(cr, 0, 726);
    cairo_close_path(cr);
    FillPath(cr, Hex(0x2E3036));
    cairo_rectangle(cr, 0, 0, 1362, 26);
    FillPath(cr, Hex(0x23252A));
    // The navigator's arm from the dashboard.
    RoundedRect(cr, 676, 640, 70, 86, 12);
    FillPath(cr, kBezel);
}

void Bezel(cairo_t* cr, int w, int h) {
    WithShadow(cr, w, h, [](cairo_t* c) {
        RoundedRect(c, kScreenLeft - 30, kScreenTop - 30, kScreenRight - kScreenLeft + 60,
                    kScreenBottom - kScreenTop + 60, 34);
        FillPath(c, kBezel);
    }, 0, 10, 14, 0.5);
    cairo_rectangle(cr, kScreenLeft, kScreenTop, kScreenRight - kScreenLeft, kScreenBottom - kScreenTop);
    FillPath(cr, kScreenBack);
}

// The title bar: the menu path, and the stage at the right.
void TitleBar(cairo_t* cr, const Language& language, const std::string& stage) {
    cairo_rectangle(cr, kScreenLeft, kScreenTop, kScreenRight - kScreenLeft, 62);
    FillPath(cr, kBar);
    TextMiddle(cr, std::string("\u2039  ") + language.menu[0] + "  \u203A  " + language.menu[1], kScreenLeft + 24,
               kScreenTop + 31, Type(24), kWhite, Align::Left);
    TextMiddle(cr, stage, kScreenRight - 24, kScreenTop + 31, Type(22, false), kWhite.Alpha(0.85), Align::Right);
}

// The entry field; the game types into it. `aside` shows at its right.
void EntryField(cairo_t* cr, const std::string& printed, const std::string& aside) {
    RoundedRect(cr, kScreenLeft + 18, 200, kScreenRight - kScreenLeft - 36, 42, 8);
    FillPath(cr, kWhite);
    RoundedRect(cr, kScreenLeft + 18, 200, kScreenRight - kScreenLeft - 36, 42, 8);
    StrokePath(cr, kRoute, 3);
    if (!printed.empty())
        TextMiddle(cr, printed, kNumberTextX - 12, 221, Type(22), kInk, Align::Right);
    if (!aside.empty()) TextMiddle(cr, aside, kScreenRight - 36, 221, Type(18, false), kRoad, Align::Right);
}

void SuggestionRows(cairo_t* cr, const Suggestions* list, const Language& language) {
    for (int row = 0; row < kSuggestionCount; ++row) {
        const Spot at = SuggestionSpot(row);
        const double top = at.y - kSuggestionHalfHeight;
        cairo_move_to(cr, kScreenLeft + 18, top + 2 * kSuggestionHalfHeight);
        cairo_line_to(cr, kScreenRight - 18, top + 2 * kSuggestionHalfHeight);
        StrokePath(cr, kRowLine, 1.5);
        if (list == nullptr) continue;
        // A map pin before each place.
        Circle(cr, kScreenLeft + 40, at.y - 3, 7);
        FillPath(cr, Hex(0xD8443A));
        const double y = at.y;
        Polygon(cr, {{kScreenLeft + 34.0, y}, {kScreenLeft + 46.0, y}, {kScreenLeft + 40.0, y + 10}});
        FillPath(cr, Hex(0xD8443A));
        TextMiddle(cr, list->entries[row], kScreenLeft + 62, at.y, Type(22, false), kInk, Align::Left);
    }
    if (list == nullptr)
        TextMiddle(cr, language.typeHint, kScreenCentreX, SuggestionSpot(2).y, Type(24, false), kRoad);
}

void Keyboard(cairo_t* cr, const Language& language) {
    for (int row = 0; row < kKeyRowCount; ++row) {
        for (const char* c = kKeyRows[row]; *c; ++c) {
            const Spot at = KeySpot(*c);
            RoundedRect(cr, at.x - kKeyHalfWidth + 2, at.y - kKeyHalfHeight + 2, 2 * kKeyHalfWidth - 4,
                        2 * kKeyHalfHeight - 4, 7);
            FillPath(cr, kKey);
            TextMiddle(cr, std::string(1, char(*c - 'a' + 'A')), at.x, at.y, Type(24), kKeyText);
        }
    }
    const Spot space = KeySpot(' ');
    RoundedRect(cr, space.x - kSpaceHalfWidth + 2, space.y - kSpaceHalfHeight + 2, 2 * kSpaceHalfWidth - 4,
                2 * kSpaceHalfHeight - 4, 7);
    FillPath(cr, kKey);
    TextMiddle(cr, language.spaceLabel, space.x, space.y, Type(18, false), kKeyText);
}

void Keypad(cairo_t* cr, const Language& language) {
    for (int d = 0; d <= 9; ++d) {
        const Spot at = DigitSpot(d);
        RoundedRect(cr, at.x - kPadHalfWidth + 3, at.y - kPadHalfHeight + 3, 2 * kPadHalfWidth - 6,
                    2 * kPadHalfHeight - 6, 10);
        FillPath(cr, kKey);
        TextMiddle(cr, std::to_string(d), at.x, at.y, Type(34), kKeyText);
    }
    RoundedRect(cr, kGoX - kGoHalfWidth + 3, kGoY - kGoHalfHeight + 3, 2 * kGoHalfWidth - 6, 2 * kGoHalfHeight - 6,
                10);
    FillPath(cr, kGo);
    TextMiddle(cr, language.goLabel, kGoX, kGoY, Type(32), kWhite);
}

std::string StageName(const Language& language, Field field) {
    if (field == FIELD_CITY) {
        std::string label = language.cityLabel;
        return label.substr(0, label.find(':'));
    }
    return language.menu[2];
}

// Screen n: the screen of step n, or the route once every step is done.
void Screen(cairo_t* cr, int w, int h, const Language& language, int n) {
    UseReferenceLayout(cr, w, h);
    Cab(cr);
    Bezel(cr, w, h);
    if (n == kStepCount) {
        // The route: a map, the way drawn in blue, the address summed up.
        cairo_save(cr);
        cairo_rectangle(cr, kScreenLeft, kScreenTop, kScreenRight - kScreenLeft, kScreenBottom - kScreenTop);
        cairo_clip_preserve(cr);
        FillPath(cr, Hex(0xE8EDD9));
        for (int i = 0; i < 9; ++i) {
            cairo_move_to(cr, kScreenLeft + i * 100, kScreenTop);
            cairo_line_to(cr, kScreenLeft + i * 100 - 60, kScreenBottom);
            cairo_move_to(cr, kScreenLeft, kScreenTop + i * 70);
            cairo_line_to(cr, kScreenRight, kScreenTop + i * 70 + 30);
            StrokePath(cr, kWhite, 10);
        }
        cairo_move_to(cr, 880, 640);
        cairo_line_to(cr, 900, 470);
        cairo_line_to(cr, 1000, 420);
        cairo_line_to(cr, 1020, 260);
        StrokePath(cr, kRoute, 12);
        Circle(cr, 1020, 250, 16);
        FillPath(cr, Hex(0xD8443A));
        cairo_restore(cr);
        TitleBar(cr, language, language.goLabel);
        WithShadow(cr, w, h, [](cairo_t* c) {
            RoundedRect(c, 340, 262, 450, 196, 14);
            FillPath(c, kWhite);
        }, 0, 4, 6, 0.3);
        const std::string rows[kFieldCount] = {std::string(language.cityLabel) + kCity,
                                               std::string(language.streetLabel) + kStreet,
                                               std::string(language.numberLabel) + language.houseNumber};
        for (int f = 0; f < kFieldCount; ++f)
            TextMiddle(cr, rows[f], 364, kSummarySpots[f].y, Type(24, f == FIELD_NUMBER), kInk, Align::Left);
        TextMiddle(cr, "12 min  \u2022  4,2 km", 565, 600, Type(26), kBar);
        return;
    }
    const Step& step = kSteps[n];
    TitleBar(cr, language, StageName(language, step.field));
    if (step.field == FIELD_NUMBER) {
        EntryField(cr, language.numberLabel, std::string(kStreet) + ", " + kCity);
        Keypad(cr, language);
        return;
    }
    EntryField(cr, "", step.field == FIELD_STREET ? kCity : "");
    SuggestionRows(cr, step.shown, language);
    Keyboard(cr, language);
}

// The intro sheet: the navigator's menu path, each word ringed to be heard.
void Sheet(cairo_t* cr, int w, int h, const Language& language) {
    UseReferenceLayout(cr, w, h);
    const double cw = 760, ch = 96, cx = 711, top = 110;
    WithShadow(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, cx - cw / 2, top, cw, ch, 20);
        FillPath(c, kCream);
        RoundedRect(c, cx - cw / 2, top, 16, ch, 8);
        FillPath(c, kCoral);
    }, 0, 6, 8, 0.4);
    const std::string text = "Cliquez sur un mot du GPS pour l'entendre. Puis cliquez sur Jouer.";
    double tw, th;
    Measure(cr, text, Type(26), &tw, &th, cw - 80);
    Text(cr, text, cx + 8, top + (ch - th) / 2, Type(26), kInk, Align::Centre, cw - 80);
    for (int i = 0; i < kMenuCount; ++i) {
        const Spot at = kMenuSpots[i];
        RoundedRect(cr, at.x - kMenuHalfWidth, at.y - kMenuHalfHeight, 2 * kMenuHalfWidth, 2 * kMenuHalfHeight, 14);
        FillPath(cr, kBar);
        RoundedRect(cr, at.x - kMenuHalfWidth - 6, at.y - kMenuHalfHeight - 6, 2 * kMenuHalfWidth + 12,
                    2 * kMenuHalfHeight + 12, 18);
        StrokePath(cr, kGold, 4);
        TextMiddle(cr, language.menu[i], at.x, at.y, Type(30), kWhite);
        if (i + 1 < kMenuCount) {
            const double y0 = at.y + kMenuHalfHeight + 8, y1 = kMenuSpots[i + 1].y - kMenuHalfHeight - 10;
            cairo_move_to(cr, at.x, y0);
            cairo_line_to(cr, at.x, y1 - 8);
            StrokePath(cr, kGoldLight, 6);
            const double x = at.x;
            Polygon(cr, {{x - 12, y1 - 10}, {x + 12, y1 - 10}, {x, y1 + 2}});
            FillPath(cr, kGoldLight);
        }
    }
}

// The order's sticky note, in handwriting-like type.
void Sticky(cairo_t* cr, int w, int h, const Language& language) {
    WithShadow(cr, w, h, [&](cairo_t* c) {
        cairo_move_to(c, 24, 30);
        cairo_line_to(c, 488, 20);
        cairo_line_to(c, 492, 470);
        cairo_curve_to(c, 300, 492, 120, 480, 28, 488);
        cairo_close_path(c);
        FillPath(c, kSticky);
    }, 4, 10, 12, 0.45);
    cairo_rectangle(cr, 24, 22, 466, 56);
    FillPath(cr, Hex(0xF2D84E));
    Font f = Type(52);
    f.serif = true;
    TextMiddle(cr, language.stickyTitle, 256, 120, f, Hex(0xB4472F));
    Font hand = Type(46, false);
    hand.serif = true;
    TextMiddle(cr, std::string(language.houseNumber) + " " + kStreet, 256, 220, hand, Hex(0x1F3A93));
    TextMiddle(cr, kCity, 256, 290, hand, Hex(0x1F3A93));
    hand.px = 38;
    TextMiddle(cr, language.stickyOrder, 256, 400, hand, kInk);
}

void AddLanguage(std::vector<Picture>& pictures, const Language& language, const std::string& title) {
    for (int n = 0; n <= kStepCount; ++n) {
        pictures.push_back({language.screens[n], 2048, 1024,
                            [&language, n](cairo_t* cr, int w, int h) { Screen(cr, w, h, language, n); }});
    }
    pictures.push_back(
        {language.overlay, 2048, 1024, [&language](cairo_t* cr, int w, int h) { Sheet(cr, w, h, language); }});
    pictures.push_back(
        {language.sticky, 512, 512, [&language](cairo_t* cr, int w, int h) { Sticky(cr, w, h, language); }});
    pictures.push_back(TaskCard(language.taskCard, title, "Lisez le papillon, tapez l'adresse", kCoral));
    for (const Picture& p : ProgressStrip(language.progressStrip, kProgressSteps, kCoral)) pictures.push_back(p);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures;
    AddLanguage(pictures, kEnglish, "Le GPS en anglais");
    AddLanguage(pictures, kFrench, "Le GPS en français");
    return Run(argc, argv, pictures);
}
