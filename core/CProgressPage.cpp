#include "core/CProgressPage.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/MinigameTitles.h"
#include "minigames/MinigameTable.h"

namespace {

// The chart's frame, in the SVG's own units (it scales to the sheet).
constexpr int kChartWidth = 640;
constexpr int kChartHeight = 230;
constexpr int kPlotLeft = 48;
constexpr int kPlotRight = 624;
constexpr int kPlotTop = 12;
constexpr int kPlotBottom = 172;
constexpr int kLeastLabelSpacing = 84;  // between two dates under the chart

const char* const kStyle =
    "@page{size:A4;margin:14mm}"
    "body{font-family:'DejaVu Sans',Arial,sans-serif;font-size:10pt;color:#222;margin:0}"
    "section{max-width:182mm;margin:0 auto 10mm;break-after:page;page-break-after:always}"
    "section:last-of-type{break-after:auto;page-break-after:auto}"
    "h1{font-size:16pt;margin:0 0 2mm}"
    "h2{font-size:11pt;margin:4mm 0 1mm}"
    "p{margin:0 0 1mm}"
    "svg{width:100%;height:auto;margin:2mm 0}"
    "table{border-collapse:collapse;width:100%;table-layout:fixed}"
    "th{width:13%}th:first-child{width:48%}"
    "th,td{padding:0.4mm 1.5mm;border-bottom:1px solid #ddd;text-align:right}"
    "th:first-child,td:first-child{text-align:left}"
    "td.never,td.before{text-align:left;color:#777;font-style:italic}"
    ".damaged{color:#a00}";

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string OutOf(int score, int maximum) { return std::to_string(score) + "/" + std::to_string(maximum); }

std::string Totals(const CProgressReport::Learner& learner) {
    const CProfile& p = learner.profile;
    const int trophies = static_cast<int>(std::count(p.trophyAwarded.begin(), p.trophyAwarded.end(), true));
    std::string text = CProgressReport::TotalsLine(p, trophies) + ". ";
    if (learner.games.empty()) return text + "Aucune partie dans l'historique.";
    const std::string last = learner.games.back().Date();
    if (learner.games.size() == 1) return text + "1 partie jouée, le " + last + ".";
    return text + std::to_string(learner.games.size()) + " parties jouées, la dernière le " + last + ".";
}

std::string Row(const MinigameTitle& title, const CProgressReport::Standing& standing) {
    const int maximum = MinigameMaximum(title.type);
    std::string row = "<tr><td>" + CProgressPage::Escaped(FullName(title)) + "</td>";
    if (standing.games > 0) {
        row += "<td>" + OutOf(standing.last, maximum) + "</td><td>" + OutOf(standing.best, maximum) + "</td><td>" +
               std::to_string(standing.games) + "</td><td>" + standing.lastDate +
               "</td>";
    } else if (standing.beforeHistory) {
        row += "<td>" + OutOf(standing.last, maximum) + "</td><td class=\"before\" colspan=\"3\">joué avant "
               "l'historique</td>";
    } else {
        row += "<td class=\"never\" colspan=\"4\">jamais joué</td>";
    }
    return row + "</tr>\n";
}

std::string Tables(const CProgressReport::Learner& learner) {
    std::string out;
    int category = -1;
    for (const MinigameTitle& title : kMinigameTitles) {
        if (MinigameCategory(title.type) != category) {
            if (category >= 0) out += "</tbody></table>\n";
            category = MinigameCategory(title.type);
            out += std::string("<h2>") + CProgressPage::Escaped(WorkplaceName(static_cast<CategoryType>(category))) +
                   "</h2>\n<table><thead><tr><th>Mini-jeu</th><th>Score</th><th>Meilleur</th><th>Parties</th>"
                   "<th>Dernière partie</th></tr></thead><tbody>\n";
        }
        out += Row(title, learner.StandingIn(title.type));
    }
    return out + "</tbody></table>\n";
}

std::string Section(const CProgressReport::Learner& learner) {
    std::string out = "<section>\n<h1>" + CProgressPage::Escaped(learner.name) + "</h1>\n";
    if (learner.damaged) {
        return out + "<p class=\"damaged\">Profil endommagé, rien n'est compté. Le fichier à vérifier : " +
               CProgressPage::Escaped(learner.fileName) + "</p>\n</section>\n";
    }
    out += "<p>" + CProgressPage::Escaped(Totals(learner)) + "</p>\n";
    out += CProgressPage::Chart(learner);
    return out + Tables(learner) + "</section>\n";
}

}  // namespace

const char* CProgressPage::WorkplaceColour(int category) {
    switch (category) {
        case CATEGORY_DENTIST: return "#1565c0";
        case CATEGORY_PIZZA: return "#d84315";
        case CATEGORY_GROCERY: return "#2e7d32";
        default: return "#555555";
    }
}

std::string CProgressPage::Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

// Every game a dot, in the order played, as high as its score is near the
// most the game can bring; the games of one minigame joined by a line, so
// that a rise tells progress. The dates of play are written under it.
std::string CProgressPage::Chart(const CProgressReport::Learner& learner) {
    const std::vector<CGameHistory::Game>& games = learner.games;
    if (games.empty()) return "";
    const int count = static_cast<int>(games.size());
    auto x = [count](int i) {
        const double width = kPlotRight - kPlotLeft;
        return count == 1 ? kPlotLeft + width / 2 : kPlotLeft + width * i / (count - 1);
    };
    auto y = [](const CGameHistory::Game& game) {
        const double share = game.maximum > 0 ? static_cast<double>(game.score) / game.maximum : 0.0;
        return kPlotBottom - share * (kPlotBottom - kPlotTop);
    };
    std::string out = "<svg viewBox=\"0 0 " + std::to_string(kChartWidth) + " " + std::to_string(kChartHeight) +
                      "\" role=\"img\" aria-label=\"Scores de " + Escaped(learner.name) +
                      " au fil des parties\">\n";
    // The scale: none, half and all of the points.
    for (int percent = 0; percent <= 100; percent += 50) {
        const double at = kPlotBottom - percent / 100.0 * (kPlotBottom - kPlotTop);
        out += "<line x1=\"" + std::to_string(kPlotLeft) + "\" y1=\"" + Number(at) + "\" x2=\"" +
               std::to_string(kPlotRight) + "\" y2=\"" + Number(at) + "\" stroke=\"#cccccc\" stroke-width=\"1\" shape-rendering=\"crispEdges\"/>\n";
        out += "<text x=\"" + std::to_string(kPlotLeft - 6) + "\" y=\"" + Number(at + 4) +
               "\" font-size=\"11\" text-anchor=\"end\" fill=\"#555555\">" + std::to_string(percent) + " %</text>\n";
    }
    // One line a minigame, through its games.
    std::map<int, std::string> lines;
    for (int i = 0; i < count; ++i) lines[games[i].type] += Number(x(i)) + "," + Number(y(games[i])) + " ";
    for (const auto& [type, points] : lines) {
        out += std::string("<polyline fill=\"none\" stroke=\"") + WorkplaceColour(MinigameCategory(type)) +
               "\" stroke-width=\"2\" points=\"" + points.substr(0, points.size() - 1) + "\"/>\n";
    }
    for (int i = 0; i < count; ++i) {
        out += "<circle cx=\"" + Number(x(i)) + "\" cy=\"" + Number(y(games[i])) + "\" r=\"5\" fill=\"" +
               WorkplaceColour(MinigameCategory(games[i].type)) + "\"/>\n";
    }
    // The day of the first game, and of each new day that has room.
    double lastLabel = -1e9;
    std::string lastDate;
    for (int i = 0; i < count; ++i) {
        const std::string date = games[i].Date();
        if (date == lastDate || x(i) - lastLabel < kLeastLabelSpacing) continue;
        lastDate = date;
        lastLabel = x(i);
        out += "<text x=\"" + Number(x(i)) + "\" y=\"" + std::to_string(kPlotBottom + 18) +
               "\" font-size=\"11\" text-anchor=\"middle\" fill=\"#555555\">" +
               date + "</text>\n";
    }
    // Which colour is which workplace.
    int legendX = kPlotLeft;
    for (int category = CATEGORY_DENTIST; category <= CATEGORY_GROCERY; ++category) {
        const std::string name = WorkplaceName(static_cast<CategoryType>(category));
        out += "<rect x=\"" + std::to_string(legendX) + "\" y=\"" + std::to_string(kChartHeight - 22) +
               "\" width=\"12\" height=\"12\" fill=\"" + WorkplaceColour(category) + "\"/>\n";
        out += "<text x=\"" + std::to_string(legendX + 18) + "\" y=\"" + std::to_string(kChartHeight - 12) +
               "\" font-size=\"12\" fill=\"#222222\">" + Escaped(name) + "</text>\n";
        legendX += 190;
    }
    return out + "</svg>\n";
}

std::string CProgressPage::Html(const CProgressReport& report) {
    std::string out = std::string("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n") +
                      "<title>Progrès des apprenants</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    if (report.Learners().empty()) out += "<p>Aucun profil.</p>\n";
    for (const CProgressReport::Learner& learner : report.Learners()) out += Section(learner);
    return out + "</body>\n</html>\n";
}
