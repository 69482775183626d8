#include "core/CProgressReport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Latin1.h"
#include "core/CProgressPage.h"
#include "core/MinigameTitles.h"
#include "minigames/MinigameTable.h"

namespace {

constexpr const char* kExtension = ".txt";

// The text table's columns: a minigame's name, then the figures.
constexpr int kNameWidth = 37;
constexpr int kScoreWidth = 5;
constexpr int kBestWidth = 8;
constexpr int kGamesWidth = 7;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) return false;
    bytes = all.str();
    return true;
}

int TrophyCount(const CProfile& profile) {
    return static_cast<int>(std::count(profile.trophyAwarded.begin(), profile.trophyAwarded.end(), true));
}

std::string Folded(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

// Learners in the order a person looks for them: "ana" next to "Ana".
bool ByName(const CProgressReport::Learner& a, const CProgressReport::Learner& b) {
    const std::string x = Folded(a.name), y = Folded(b.name);
    return x != y ? x < y : a.name < b.name;
}

// Characters, not bytes: "é" takes one column.
std::string PadRight(const std::string& utf8, int width) {
    const int length = static_cast<int>(CharactersOf(utf8).size());
    return length >= width ? utf8 : utf8 + std::string(width - length, ' ');
}

std::string PadLeft(const std::string& utf8, int width) {
    const int length = static_cast<int>(CharactersOf(utf8).size());
    return length >= width ? utf8 : std::string(width - length, ' ') + utf8;
}

// A CSV field: quoted when it holds a separator, a quote or a line end; a
// name that a spreadsheet would take for a formula gets a leading quote.
std::string CsvField(const std::string& value) {
    std::string text = value;
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@')) text = "'" + text;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void CsvRow(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out += ',';
        out += CsvField(field);
        first = false;
    }
    out += "\r\n";
}

std::string OutOf(int score, int maximum) { return std::to_string(score) + "/" + std::to_string(maximum); }

std::string GamesLine(const CProgressReport::Learner& learner) {
    if (learner.games.empty()) return "Aucune partie dans l'historique";
    const std::string last = learner.games.back().Date();
    if (learner.games.size() == 1) return "1 partie jouée, le " + last;
    return std::to_string(learner.games.size()) + " parties jouées, la dernière le " + last;
}

void AddLearnerTable(std::string& out, const CProgressReport::Learner& learner) {
    const CProfile& p = learner.profile;
    out += "  " + CProgressReport::TotalsLine(p, TrophyCount(p)) + "\n";
    out += "  " + GamesLine(learner) + "\n";
    int category = -1;
    for (const MinigameTitle& title : kMinigameTitles) {
        if (MinigameCategory(title.type) != category) {
            category = MinigameCategory(title.type);
            out += "\n" + PadRight(WorkplaceName(static_cast<CategoryType>(category)), kNameWidth + 2) +
                   " Score Meilleur Parties Dernière partie\n";
        }
        const CProgressReport::Standing standing = learner.StandingIn(title.type);
        const int maximum = MinigameMaximum(title.type);
        std::string row = "  " + PadRight(FullName(title), kNameWidth) + " ";
        if (standing.games > 0) {
            row += PadLeft(OutOf(standing.last, maximum), kScoreWidth) + " " +
                   PadLeft(OutOf(standing.best, maximum), kBestWidth) + " " +
                   PadLeft(std::to_string(standing.games), kGamesWidth) + " " +
                   standing.lastDate;
        } else if (standing.beforeHistory) {
            row += PadLeft(OutOf(standing.last, maximum), kScoreWidth) + " joué avant l'historique";
        } else {
            row += "jamais joué";
        }
        out += row + "\n";
    }
}

}  // namespace

CProgressReport::Standing CProgressReport::Learner::StandingIn(int type) const {
    Standing standing;
    for (const CGameHistory::Game& game : games) {
        if (game.type != type) continue;
        standing.best = standing.games == 0 ? game.score : std::max(standing.best, game.score);
        standing.last = game.score;
        standing.lastDate = game.Date();
        ++standing.games;
    }
    const int recorded = profile.compte[MinigameCategory(type)][MinigamePosition(type)];
    if (standing.games == 0 && recorded > 0) {
        standing.beforeHistory = true;
        standing.last = recorded;
    }
    return standing;
}

std::string CProgressReport::NameFromFileName(const std::string& fileName) {
    std::string stem = fileName;
    const size_t extension = std::string(kExtension).size();
    if (stem.size() >= extension && stem.compare(stem.size() - extension, extension, kExtension) == 0) {
        stem.resize(stem.size() - extension);
    }
    // Escaped bytes are Latin-1; everything else is UTF-8 already.
    std::string name;
    for (size_t i = 0; i < stem.size(); ++i) {
        const int high = stem[i] == '%' && i + 2 < stem.size() ? HexDigit(stem[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(stem[i + 2]) : -1;
        if (low >= 0) {
            name += Utf8FromLatin1(std::string(1, static_cast<char>(high * 16 + low)));
            i += 2;
        } else {
            name += stem[i];
        }
    }
    return name;
}

bool CProgressReport::Read(const std::string& folder) {
    namespace fs = std::filesystem;
    learners.clear();
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) return false;
    for (const fs::directory_entry& entry : entries) {
        const std::string fileName = entry.path().filename().string();
        const size_t extension = std::string(kExtension).size();
        if (fileName.size() <= extension ||
            fileName.compare(fileName.size() - extension, extension, kExtension) != 0) {
            continue;  // histories, locks, kept-aside copies, unfinished saves, anything else
        }
        if (!entry.is_regular_file(error)) continue;
        Learner learner;
        learner.fileName = fileName;
        learner.name = NameFromFileName(fileName);
        std::string bytes;
        // Parse, not LoadFrom: reading must leave the folder as it was.
        learner.damaged = !ReadWhole(entry.path().string(), bytes) ||
                          learner.profile.Parse(bytes) != CProfile::READ_OK;
        learner.games = CGameHistory::Read(folder + "/" + CGameHistory::FileNameFor(fileName));
        learners.push_back(learner);
    }
    std::sort(learners.begin(), learners.end(), ByName);
    return true;
}

bool CProgressReport::KeepOnly(const std::string& name) {
    const std::string wanted = CProfile::FoldCase(Latin1FromUtf8(name));
    std::vector<Learner> kept;
    for (const Learner& learner : learners) {
        if (CProfile::FoldCase(Latin1FromUtf8(learner.name)) == wanted) kept.push_back(learner);
    }
    learners = kept;
    return !learners.empty();
}

std::string CProgressReport::Text() const {
    std::string out;
    for (const Learner& learner : learners) {
        if (!out.empty()) out += "\n";
        out += learner.name + "\n" + std::string(CharactersOf(learner.name).size(), '=') + "\n";
        if (learner.damaged) {
            out += "  Profil endommagé, rien n'est compté. Le fichier à vérifier :\n  " + learner.fileName + "\n";
            continue;
        }
        AddLearnerTable(out, learner);
    }
    return out;
}

std::string CProgressReport::Csv() const {
    std::string out = "\xEF\xBB\xBF";
    CsvRow(out, {"Apprenant", "Lieu de travail", "Mini-jeu", "Score", "Maximum", "Meilleur", "Parties",
                 "Dernière partie"});
    for (const Learner& learner : learners) {
        if (learner.damaged) {
            CsvRow(out, {learner.name, "", "profil endommagé", "", "", "", "", ""});
            continue;
        }
        for (const MinigameTitle& title : kMinigameTitles) {
            const Standing standing = learner.StandingIn(title.type);
            const bool inHistory = standing.games > 0;
            CsvRow(out, {learner.name, WorkplaceName(MinigameCategory(title.type)), FullName(title),
                         standing.Played() ? std::to_string(standing.last) : "",
                         std::to_string(MinigameMaximum(title.type)),
                         inHistory ? std::to_string(standing.best) : "",
                         standing.beforeHistory ? "" : std::to_string(standing.games),
                         inHistory ? standing.lastDate : ""});
        }
    }
    return out;
}

int CProgressReport::Print(const std::string& folder, Format format, const std::string& learner) {
    CProgressReport report;
    if (!report.Read(folder)) {
        std::fprintf(stderr, "zelk: cannot read the profiles folder %s\n", folder.c_str());
        return 1;
    }
    if (!learner.empty() && !report.KeepOnly(learner)) {
        std::fprintf(stderr, "zelk: aucun apprenant « %s » dans %s\n", learner.c_str(), folder.c_str());
        return 1;
    }
    if (format == FORMAT_TEXT && report.Learners().empty()) {
        std::printf("Aucun profil dans %s\n", folder.c_str());
        return 0;
    }
    std::string text;
    switch (format) {
        case FORMAT_TEXT: text = report.Text(); break;
        case FORMAT_CSV: text = report.Csv(); break;
        case FORMAT_HTML: text = CProgressPage::Html(report); break;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

std::string CProgressReport::Counted(int n, const std::string& singular) {
    return std::to_string(n) + " " + singular + (n > 1 ? "s" : "");
}

std::string CProgressReport::TotalsLine(const CProfile& p, int trophies) {
    return Counted(p.totalScore, "point") + (p.totalScore > 1 ? " gagnés, " : " gagné, ") +
           std::to_string(p.pointsSpent) + (p.pointsSpent > 1 ? " dépensés, " : " dépensé, ") +
           Counted(trophies, "trophée") + " sur " + std::to_string(CProfile::kTrophies);
}
