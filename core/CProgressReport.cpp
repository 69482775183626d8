#include "core/CProgressReport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Latin1.h"
#include "core/MinigameTitles.h"
#include "minigames/MinigameTable.h"

namespace {

constexpr const char* kExtension = ".txt";

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

int Score(const CProfile& profile, const MinigameTitle& title) {
    return profile.compte[MinigameCategory(title.type)][MinigamePosition(title.type)];
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

}  // namespace

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
            continue;  // kept-aside copies, unfinished saves, anything else
        }
        if (!entry.is_regular_file(error)) continue;
        Learner learner;
        learner.fileName = fileName;
        learner.name = NameFromFileName(fileName);
        std::string bytes;
        // Parse, not LoadFrom: reading must leave the folder as it was.
        learner.damaged = !ReadWhole(entry.path().string(), bytes) ||
                          learner.profile.Parse(bytes) != CProfile::READ_OK;
        learners.push_back(learner);
    }
    std::sort(learners.begin(), learners.end(), ByName);
    return true;
}

std::string CProgressReport::Text() const {
    std::string out;
    for (const Learner& learner : learners) {
        out += learner.name + " : ";
        if (learner.damaged) {
            out += "profil endommagé, rien n'est compté ; le fichier " + learner.fileName + " est à vérifier\n";
            continue;
        }
        const CProfile& p = learner.profile;
        out += std::to_string(p.totalScore) + " points gagnés, " + std::to_string(p.pointsSpent) + " dépensés, " +
               std::to_string(TrophyCount(p)) + " trophées sur " + std::to_string(CProfile::kTrophies);
        int category = -1;
        for (const MinigameTitle& title : kMinigameTitles) {
            if (MinigameCategory(title.type) != category) {
                category = MinigameCategory(title.type);
                out += std::string(" | ") + WorkplaceName(static_cast<CategoryType>(category)) + " : ";
            } else {
                out += ", ";
            }
            out += FullName(title) + " " + std::to_string(Score(p, title)) + "/" +
                   std::to_string(MinigameMaximum(title.type));
        }
        out += "\n";
    }
    return out;
}

std::string CProgressReport::Csv() const {
    std::string out = "\xEF\xBB\xBF";
    CsvRow(out, {"Apprenant", "Lieu de travail", "Mini-jeu", "Score", "Maximum"});
    for (const Learner& learner : learners) {
        if (learner.damaged) {
            CsvRow(out, {learner.name, "", "profil endommagé", "", ""});
            continue;
        }
        for (const MinigameTitle& title : kMinigameTitles) {
            CsvRow(out, {learner.name, WorkplaceName(MinigameCategory(title.type)), FullName(title),
                         std::to_string(Score(learner.profile, title)),
                         std::to_string(MinigameMaximum(title.type))});
        }
    }
    return out;
}

int CProgressReport::Print(const std::string& folder, Format format) {
    CProgressReport report;
    if (!report.Read(folder)) {
        std::fprintf(stderr, "zelk: cannot read the profiles folder %s\n", folder.c_str());
        return 1;
    }
    if (format == FORMAT_TEXT && report.Learners().empty()) {
        std::printf("Aucun profil dans %s\n", folder.c_str());
        return 0;
    }
    const std::string text = format == FORMAT_CSV ? report.Csv() : report.Text();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
