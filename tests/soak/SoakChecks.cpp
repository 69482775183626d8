#include "SoakChecks.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/CGameHistory.h"
#include "core/CModel.h"
#include "core/CProfile.h"
#include "core/GameTypes.h"

namespace {

// The minigame a score cell belongs to; -1 for a cell of none.
int TypeOfCell(int row, int column) {
    static const int kFirst[] = {MINIGAME_1_1, MINIGAME_2_1, MINIGAME_3_1};
    if (row > 2) return -1;
    const int type = kFirst[row] + column;
    return MinigameCategory(type) == row && MinigamePosition(type) == column ? type : -1;
}

void CheckCell(const std::string& where, int row, int column, int value, const Maxima& maxima,
               std::vector<std::string>& problems) {
    const int type = TypeOfCell(row, column);
    const auto most = maxima.find(type);
    const int limit = type < 0 || most == maxima.end() ? 0 : most->second;
    if (value < 0 || value > limit) {
        problems.push_back(where + ": score cell " + std::to_string(row) + "," + std::to_string(column) + " holds " +
                           std::to_string(value) + ", most " + std::to_string(limit));
    }
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool IsDecimal(const std::string& token) {
    if (token.empty() || token.size() > 11) return false;
    size_t i = token[0] == '-' ? 1 : 0;
    if (i == token.size()) return false;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9') return false;
    }
    const long long value = std::atoll(token.c_str());
    return value >= -2147483648LL && value <= 2147483647LL;
}

void CheckProfileText(const std::string& name, const std::string& text, const Maxima& maxima,
                      std::vector<std::string>& problems) {
    std::vector<std::string> tokens;
    for (size_t start = 0;;) {
        const size_t end = text.find("\r\n", start);
        tokens.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    if (tokens.size() != CProfile::kValues) {
        problems.push_back(name + ": " + std::to_string(tokens.size()) + " values");
        return;
    }
    for (const std::string& token : tokens) {
        if (!IsDecimal(token)) {
            problems.push_back(name + ": \"" + token + "\" is not a value");
            return;
        }
    }
    for (int t = 0; t < CProfile::kTrophies; ++t) {
        const std::string& flag = tokens[CProfile::kRows * CProfile::kColumns + t];
        if (flag != "0" && flag != "1") problems.push_back(name + ": trophy flag \"" + flag + "\"");
    }
    CProfile profile;
    if (profile.Parse(text) != CProfile::READ_OK) problems.push_back(name + ": does not read back clean");
    for (int row = 0; row < CProfile::kRows; ++row) {
        for (int column = 0; column < CProfile::kColumns; ++column) {
            CheckCell(name, row, column, std::atoi(tokens[row * CProfile::kColumns + column].c_str()), maxima,
                      problems);
        }
    }
    const int spent = std::atoi(tokens[CProfile::kValues - 2].c_str());
    const int earned = std::atoi(tokens[CProfile::kValues - 1].c_str());
    if (spent < 0 || spent > earned) {
        problems.push_back(name + ": spent " + std::to_string(spent) + " of " + std::to_string(earned));
    }
}

// Every line a whole game (no kill tore one here), its score within the
// most its minigame's panel showed.
void CheckHistoryText(const std::string& name, const std::string& text, const Maxima& maxima,
                      std::vector<std::string>& problems) {
    if (!text.empty() && text.back() != '\n') problems.push_back(name + ": a torn last line");
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        CGameHistory::Game game;
        if (!CGameHistory::ParseLine(line, game)) {
            problems.push_back(name + ": \"" + line + "\" is not a game");
            continue;
        }
        const auto most = maxima.find(game.type);
        if (most == maxima.end() || game.maximum != most->second) {
            problems.push_back(name + ": \"" + line + "\" has not its panel's maximum");
        }
    }
}

}  // namespace

bool CheckModel(const CModel& model, const Maxima& maxima, std::vector<std::string>& problems) {
    const size_t before = problems.size();
    for (int row = 0; row < CProfile::kRows; ++row) {
        for (int column = 0; column < CProfile::kColumns; ++column) {
            CheckCell("the game", row, column, model.GetCompte(row, column), maxima, problems);
        }
    }
    if (model.GetPointsSpent() < 0 || model.GetPointsSpent() > model.GetTotalScore()) {
        problems.push_back("the game: spent " + std::to_string(model.GetPointsSpent()) + " of " +
                           std::to_string(model.GetTotalScore()));
    }
    return problems.size() == before;
}

void CheckProfiles(const std::string& folder, const Maxima& maxima, std::vector<std::string>& problems) {
    int profiles = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        CString login;
        const bool backup = EndsWith(name, ".bak");
        if (!backup && !CProfile::LoginFromFileName(name, login)) {
            // Beside a profile there may be only its settings, its history and its lock.
            if (EndsWith(name, ".history")) {
                std::ifstream in(entry.path(), std::ios::binary);
                std::stringstream text;
                text << in.rdbuf();
                CheckHistoryText(name, text.str(), maxima, problems);
            } else if (!EndsWith(name, ".settings") && !EndsWith(name, ".lock")) {
                problems.push_back("left in the profiles folder: " + name);
            }
            continue;
        }
        ++profiles;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        CheckProfileText(name, text.str(), maxima, problems);
    }
    if (profiles == 0) problems.push_back("no profile was saved");
}
