#pragma once
#include <string>

#include "core/CProgressReport.h"

// The tutor's report as one page to open in a browser and print: each
// learner on an A4 sheet of their own, with the totals, a chart of every
// game's score over time (inline SVG, one colour a workplace) and a table
// a workplace. The page holds all it shows: no script, and no picture,
// font or style fetched from anywhere.
class CProgressPage {
public:
    static std::string Html(const CProgressReport& report);

    // The chart's colour of a workplace's games, "#rrggbb".
    static const char* WorkplaceColour(int category);
    // One learner's chart; "" when the history holds no game.
    static std::string Chart(const CProgressReport::Learner& learner);
    // Text made safe for the page: & < > " and ' written as entities.
    static std::string Escaped(const std::string& text);
};
