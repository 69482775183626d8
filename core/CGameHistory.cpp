#include "core/CGameHistory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/GameTypes.h"

namespace {

CGameHistory::AppendStepObserver appendStepObserver = nullptr;

void Reached(CGameHistory::AppendStep step) {
    if (appendStepObserver != nullptr) appendStepObserver(step);
}

// "1_1" for the answering machine, "3_5" for the receipts.
std::string CodeOf(int type) {
    return std::to_string(MinigameCategory(type) + 1) + "_" + std::to_string(MinigamePosition(type) + 1);
}

bool TypeOf(const std::string& code, int& type) {
    for (int t = MINIGAME_1_1; t < MINIGAME_REWARDS; ++t) {
        if (MinigamePosition(t) >= 0 && CodeOf(t) == code) {
            type = t;
            return true;
        }
    }
    return false;
}

// A count as Line writes it: digits only, no sign, not too long.
bool ParseCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::atoi(text.c_str());
    return true;
}

bool DigitsAt(const std::string& text, size_t at, size_t count) {
    for (size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

// "2026-03-14T10:05:31+01:00": the shape only, which is what a torn or
// foreign line gets wrong.
bool IsTimestamp(const std::string& text) {
    if (text.size() != 25) return false;
    const char* const shape = "dddd-dd-ddTdd:dd:dd?dd:dd";
    for (size_t i = 0; i < text.size(); ++i) {
        const char want = shape[i];
        if (want == 'd' && !DigitsAt(text, i, 1)) return false;
        if (want == '?' && text[i] != '+' && text[i] != '-') return false;
        if (want != 'd' && want != '?' && text[i] != want) return false;
    }
    return true;
}

bool WriteWhole(int fd, const std::string& bytes) {
    // One call: the line goes in whole or, on a full disk, not at all.
    for (;;) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        return n == static_cast<ssize_t>(bytes.size());
    }
}

// The file's last byte is not a line end: a write was cut short there.
bool EndsTorn(int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0 || info.st_size == 0) return false;
    char last = 0;
    return pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n';
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// A new history is as writable as its folder: in a folder every learner's
// account may write in, every account must be able to add its games (a
// profile is replaced by renaming, which the folder alone allows; a history
// is added to, which the file must allow).
void OpenToTheFoldersWriters(int fd, const std::string& path) {
    struct stat folder;
    if (stat(FolderOf(path).c_str(), &folder) != 0) return;
    fchmod(fd, 0644 | (folder.st_mode & 0022));
}

void SyncFolderOf(const std::string& path) {
    const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string CGameHistory::FileNameFor(const std::string& profileFileName) { return profileFileName + ".history"; }

std::string CGameHistory::Timestamp(std::time_t at) {
    std::tm local{};
    localtime_r(&at, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff / 60;
    const long minutes = offset < 0 ? -offset : offset;
    char zone[8];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60 % 100, minutes % 60);
    return std::string(text) + zone;
}

std::string CGameHistory::Line(const Game& game) {
    return game.when + "\t" + CodeOf(game.type) + "\t" + std::to_string(game.score) + "\t" +
           std::to_string(game.maximum) + "\n";
}

bool CGameHistory::ParseLine(const std::string& line, Game& game) {
    std::string text = line;
    if (!text.empty() && text.back() == '\r') text.pop_back();  // a copy edited elsewhere
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (fields.size() != 4 || text.back() == '\t') return false;
    Game read;
    read.when = fields[0];
    if (!IsTimestamp(read.when) || !TypeOf(fields[1], read.type)) return false;
    if (!ParseCount(fields[2], read.score) || !ParseCount(fields[3], read.maximum)) return false;
    if (read.score > read.maximum) return false;
    game = read;
    return true;
}

void CGameHistory::ObserveAppendSteps(AppendStepObserver observer) { appendStepObserver = observer; }

bool CGameHistory::Append(const std::string& path, const std::vector<Game>& games) {
    struct stat info;
    const bool isNew = stat(path.c_str(), &info) != 0;
    // Read and write: the last byte tells whether a write was cut short.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    if (isNew) OpenToTheFoldersWriters(fd, path);
    Reached(APPEND_OPENED);
    bool ok = !EndsTorn(fd) || WriteWhole(fd, "\n");
    Reached(APPEND_ENDS_CHECKED);
    for (const Game& game : games) {
        ok = ok && WriteWhole(fd, Line(game));
        Reached(APPEND_LINE_WRITTEN);
    }
    ok = fsync(fd) == 0 && ok;
    Reached(APPEND_FLUSHED);
    ok = close(fd) == 0 && ok;
    Reached(APPEND_CLOSED);
    // A new file's name must reach the disk too.
    if (ok && isNew) SyncFolderOf(path);
    return ok;
}

std::vector<CGameHistory::Game> CGameHistory::Read(const std::string& path) {
    std::vector<Game> games;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        // The last line without its line end is one a write never finished.
        if (in.eof()) break;
        Game game;
        if (ParseLine(line, game)) games.push_back(game);
    }
    return games;
}
