#include "Lesson.h"

#include <cstdio>

using namespace art::ink;

namespace art {

namespace {

// Each sentence of a caption starts a line of its own.
std::string SentencePerLine(std::string text) {
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if ((text[i] == '.' || text[i] == '?' || text[i] == '!') && text[i + 1] == ' ') text[i + 1] = '\n';
    return text;
}

}  // namespace

Picture CaptionPicture(const std::string& name, const std::string& words, const Colour& accent) {
    const std::string text = SentencePerLine(words);
    return {name, 512, 128, [text, accent](cairo_t* cr, int w, int h) {
                const double x = 10, y = 6, cw = w - 20, ch = h - 18;
                WithShadow(
                    cr, w, h,
                    [&](cairo_t* c) {
                        RoundedRect(c, x, y, cw, ch, 16);
                        FillPath(c, kCream);
                        RoundedRect(c, x, y, 12, ch, 6);
                        FillPath(c, accent);
                        RoundedRect(c, x + 1, y + 1, cw - 2, ch - 2, 15);
                        StrokePath(c, accent.Alpha(0.5), 2);
                    },
                    0, 4, 6, 0.35);
                // The biggest type that keeps the words inside the card,
                // a sentence a line if it can, wrapped if it must.
                Font f;
                const double room = cw - 52;
                double tw = 0, th = 0;
                for (f.px = 26; f.px >= 20; f.px -= 1) {
                    Measure(cr, text, f, &tw, &th);
                    if (tw <= room && th <= ch - 16) break;
                }
                if (f.px < 20) {
                    for (f.px = 26; f.px > 14; f.px -= 1) {
                        Measure(cr, text, f, &tw, &th, room);
                        if (th <= ch - 16) break;
                    }
                }
                Text(cr, text, x + 12 + (cw - 12) / 2, y + (ch - th) / 2, f, kInk, Align::Centre, room);
            }};
}

namespace {

void StripStep(cairo_t* cr, double cx, double cy, int number, bool done, bool current, const Colour& accent) {
    const double r = 15;
    if (current) {
        Circle(cr, cx, cy, r + 5);
        FillPath(cr, kGoldLight.Alpha(0.7));
    }
    Circle(cr, cx, cy, r);
    FillPath(cr, done ? kGold : (current ? kWhite : kCream.Alpha(0.35)));
    Circle(cr, cx, cy, r);
    StrokePath(cr, done ? kGoldDark : (current ? accent : kWhite.Alpha(0.6)), 2.5);
    if (done) {
        // A tick.
        cairo_move_to(cr, cx - 7, cy);
        cairo_line_to(cr, cx - 2, cy + 6);
        cairo_line_to(cr, cx + 8, cy - 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        StrokePath(cr, kInk, 3.5);
        return;
    }
    Font f;
    f.px = 16;
    TextMiddle(cr, std::to_string(number), cx, cy, f, current ? accent.Mix(kInk, 0.3) : kWhite);
}

}  // namespace

std::vector<Picture> ProgressStrip(const std::string& pattern, int steps, const Colour& accent, int count) {
    std::vector<Picture> pictures;
    for (int n = 1; n <= (count > 0 ? count : steps + 1); ++n) {
        char name[128];
        std::snprintf(name, sizeof name, pattern.c_str(), n);
        pictures.push_back({name, 512, 64, [n, steps, accent](cairo_t* cr, int w, int h) {
                                const double gap = 40, cy = h / 2.0;
                                const double span = gap * (steps - 1) + 2 * 26;
                                const double left = (w - span) / 2;
                                WithShadow(
                                    cr, w, h,
                                    [&](cairo_t* c) {
                                        RoundedRect(c, left, cy - 24, span, 48, 24);
                                        FillPath(c, kNavy.Alpha(0.92));
                                        RoundedRect(c, left + 2, cy - 22, span - 4, 44, 22);
                                        StrokePath(c, kWhite.Alpha(0.25), 1.5);
                                    },
                                    0, 2, 3, 0.35);
                                const int done = n >= 2 ? n - 2 : 0;
                                for (int s = 0; s < steps; ++s) {
                                    const double cx = left + 26 + gap * s;
                                    if (s + 1 < steps) {
                                        cairo_move_to(cr, cx + 16, cy);
                                        cairo_line_to(cr, cx + gap - 16, cy);
                                        StrokePath(cr, s < done ? kGold : kWhite.Alpha(0.35), 3);
                                    }
                                    StripStep(cr, cx, cy, s + 1, s < done, n >= 2 && s == done, accent);
                                }
                            }});
    }
    return pictures;
}

Picture TaskCard(const std::string& name, const std::string& title, const std::string& reminder,
                 const Colour& accent) {
    return {name, 512, 128, [title, reminder, accent](cairo_t* cr, int w, int h) {
                WithShadow(
                    cr, w, h,
                    [&](cairo_t* c) {
                        RoundedRect(c, 8, 6, w - 16, h - 18, 18);
                        FillPath(c, kCream);
                        RoundedRect(c, 8, 6, w - 16, 44, 18);
                        FillPath(c, accent);
                        cairo_rectangle(c, 8, 32, w - 16, 18);
                        FillPath(c, accent);
                    },
                    0, 4, 6, 0.35);
                Font head;
                head.px = 30;
                TextMiddle(cr, title, w / 2.0, 28, head, kWhite);
                Font body;
                body.px = 26;
                body.bold = false;
                TextMiddle(cr, reminder, w / 2.0, 79, body, kInk);
            }};
}

// --- the strip of a game that starts on its first step at once ---

namespace {

// One strip: `done` steps ticked, the next one under way when `current`.
Picture StripPicture(const std::string& name, int steps, int done, bool current, const Colour& accent) {
    return {name, 512, 64, [steps, done, current, accent](cairo_t* cr, int w, int h) {
                const double gap = 40, cy = h / 2.0;
                const double span = gap * (steps - 1) + 2 * 26;
                const double left = (w - span) / 2;
                WithShadow(
                    cr, w, h,
                    [&](cairo_t* c) {
                        RoundedRect(c, left, cy - 24, span, 48, 24);
                        FillPath(c, kNavy.Alpha(0.92));
                        RoundedRect(c, left + 2, cy - 22, span - 4, 44, 22);
                        StrokePath(c, kWhite.Alpha(0.25), 1.5);
                    },
                    0, 2, 3, 0.35);
                for (int s = 0; s < steps; ++s) {
                    const double cx = left + 26 + gap * s;
                    if (s + 1 < steps) {
                        cairo_move_to(cr, cx + 16, cy);
                        cairo_line_to(cr, cx + gap - 16, cy);
                        StrokePath(cr, s < done ? kGold : kWhite.Alpha(0.35), 3);
                    }
                    StripStep(cr, cx, cy, s + 1, s < done, current && s == done, accent);
                }
            }};
}

std::string StripName(const std::string& pattern, int n) {
    char name[128];
    std::snprintf(name, sizeof name, pattern.c_str(), n);
    return name;
}

}  // namespace

// For games that start on their first step at once.
std::vector<Picture> ProgressStripFromFirstStep(const std::string& pattern, int steps, const Colour& accent) {
    std::vector<Picture> pictures;
    for (int n = 1; n <= steps + 1; ++n) pictures.push_back(StripPicture(StripName(pattern, n), steps, n - 1, true, accent));
    return pictures;
}

}  // namespace art
