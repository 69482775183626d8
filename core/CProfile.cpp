#include "core/CProfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/Latin1.h"

namespace {

bool IsKeptAsIs(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    if (c == ' ' || c == '-' || c == '_') return true;
    // Latin-1 letters (0xD7 and 0xF7 are the multiplication and division
    // signs), and the game's œ, Œ and Ÿ.
    return (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8C || c == 0x9C || c == 0x9F;
}

bool ParseInt32(const std::string& token, int32_t& value) {
    const bool negative = token[0] == '-';
    size_t i = negative ? 1 : 0;
    if (i == token.size()) return false;
    // Leading zeros do not count against the width: "00000000012" is 12.
    long long wide = 0;
    for (size_t k = i; k < token.size(); ++k) {
        if (token[k] < '0' || token[k] > '9') return false;
        wide = wide * 10 + (token[k] - '0');
        if (wide > -static_cast<long long>(INT32_MIN)) return false;
    }
    if (negative) wide = -wide;
    if (wide > INT32_MAX) return false;
    value = static_cast<int32_t>(wide);
    return true;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

CProfile::SaveStepObserver saveStepObserver = nullptr;

void Reached(CProfile::SaveStep step) {
    if (saveStepObserver != nullptr) saveStepObserver(step);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A save killed midway leaves its temporary behind, named after the process
// that wrote it. Those of this file go before another is written, so kills
// can never leave more than one; a live process's is a save still going on.
void RemoveStaleTemporaries(const std::string& folder, const std::string& fileName) {
    const std::string prefix = fileName + ".tmp";
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
        const long long pid = digits.size() <= 10 ? std::stoll(digits) : 0;
        const bool alive = pid > 0 && pid <= INT_MAX && pid != getpid() &&
                           (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!alive) unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// Writes bytes as the file in the folder, through a flushed temporary file
// that is renamed over it: the file is the old one or the new one, never half.
bool WriteReplacing(const std::string& folder, const std::string& fileName, const std::string& bytes) {
    RemoveStaleTemporaries(folder, fileName);
    Reached(CProfile::SAVE_STALE_CLEARED);
    const std::string path = folder + "/" + fileName;
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    Reached(CProfile::SAVE_OPENED);
    const size_t half = bytes.size() / 2;
    bool ok = WriteAll(fd, bytes.substr(0, half));
    Reached(CProfile::SAVE_HALF_WRITTEN);
    ok = ok && WriteAll(fd, bytes.substr(half));
    Reached(CProfile::SAVE_WRITTEN);
    ok = fsync(fd) == 0 && ok;
    Reached(CProfile::SAVE_FLUSHED);
    ok = close(fd) == 0 && ok;
    Reached(CProfile::SAVE_CLOSED);
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    Reached(CProfile::SAVE_RENAMED);
    SyncFolder(folder);
    Reached(CProfile::SAVE_FOLDER_FLUSHED);
    return true;
}

}  // namespace

std::string CProfile::Serialize() const {
    std::string text;
    auto add = [&text](int32_t value) {
        if (!text.empty()) text += "\r\n";
        text += std::to_string(value);
    };
    for (const auto& row : compte) {
        for (int32_t cell : row) add(cell);
    }
    for (bool bought : trophyAwarded) add(bought ? 1 : 0);
    add(pointsSpent);
    add(totalScore);
    return text;
}

CProfile::ReadResult CProfile::Parse(const std::string& text) {
    std::istringstream in(text);
    std::string token;
    int n = 0;
    bool damaged = false;
    while (in >> token) {
        int32_t value = 0;
        if (!ParseInt32(token, value)) {
            damaged = true;
            break;
        }
        if (n >= kValues) {
            damaged = true;
            break;
        }
        const bool isCount = n < kRows * kColumns || n >= kRows * kColumns + kTrophies;
        if (isCount && value < 0) {
            damaged = true;
            value = 0;
        }
        if (n < kRows * kColumns) {
            compte[n / kColumns][n % kColumns] = value;
        } else if (n < kRows * kColumns + kTrophies) {
            trophyAwarded[n - kRows * kColumns] = value == 1;
            if (value != 0 && value != 1) damaged = true;
        } else if (n == kValues - 2) {
            pointsSpent = value;
        } else {
            totalScore = value;
        }
        ++n;
    }
    if (n != kValues) damaged = true;
    return damaged ? READ_DAMAGED : READ_OK;
}

bool CProfile::IsAcceptableLogin(const CString& login) {
    if (login.IsEmpty() || login.GetLength() > kMaxLoginLength) return false;
    for (char ch : login.str()) {
        const unsigned char c = static_cast<unsigned char>(ch);
        // Control codes; of the C1 bytes, œ Œ Ÿ are letters.
        const bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0 && CharacterOf(c) == c);
        if (control) return false;
    }
    return true;
}

std::string CProfile::FileNameFor(const CString& login) {
    std::string name;
    for (char ch : login.str()) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (IsKeptAsIs(c)) {
            name += Utf8FromLatin1(std::string(1, ch));
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            name += escaped;
        }
    }
    return name + ".txt";
}

bool CProfile::LoginFromFileName(const std::string& fileName, CString& login) {
    static const std::string kExtension = ".txt";
    if (fileName.size() <= kExtension.size() ||
        fileName.compare(fileName.size() - kExtension.size(), kExtension.size(), kExtension) != 0) {
        return false;
    }
    const std::string stem = fileName.substr(0, fileName.size() - kExtension.size());
    std::string latin1;
    for (size_t i = 0; i < stem.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(stem[i]);
        if (c == '%' && i + 2 < stem.size() && HexDigit(stem[i + 1]) >= 0 && HexDigit(stem[i + 2]) >= 0) {
            latin1 += static_cast<char>(HexDigit(stem[i + 1]) * 16 + HexDigit(stem[i + 2]));
            i += 2;
        } else if ((c == 0xC2 || c == 0xC3 || c == 0xC5) && i + 1 < stem.size()) {
            // Two bytes of UTF-8: a Latin-1 letter, or œ Œ Ÿ.
            latin1 += Latin1FromUtf8(stem.substr(i, 2));
            i += 1;
        } else {
            latin1 += static_cast<char>(c);
        }
    }
    // Only the names FileNameFor makes: anything else is not a profile.
    if (latin1.empty() || FileNameFor(CString(latin1)) != fileName) return false;
    login = CString(latin1);
    return true;
}

std::string CProfile::FoldCase(const std::string& latin1) {
    std::string folded = latin1;
    for (char& ch : folded) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
        if (c == 0x8C) ch = static_cast<char>(0x9C);  // Œ, œ
        if (c == 0x9F) ch = static_cast<char>(0xFF);  // Ÿ, ÿ
    }
    return folded;
}

std::string CProfile::ProfileFileFor(const std::string& folder, const CString& login) {
    const std::string own = FileNameFor(login);
    struct stat info;
    if (stat((folder + "/" + own).c_str(), &info) == 0) return own;
    // The same learner typed with other capitals: the first such file by name.
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    const std::string wanted = FoldCase(login.str());
    for (const std::string& name : names) {
        CString stored;
        if (LoginFromFileName(name, stored) && FoldCase(stored.str()) == wanted) return name;
    }
    return own;
}

void CProfile::ObserveSaveSteps(SaveStepObserver observer) { saveStepObserver = observer; }

bool CProfile::SaveTo(const std::string& folder, const CString& login) const {
    if (login.IsEmpty()) return false;
    mkdir(folder.c_str(), 0755);  // fails harmlessly when it exists
    return SaveToFile(folder, ProfileFileFor(folder, login));
}

bool CProfile::SaveToFile(const std::string& folder, const std::string& fileName) const {
    return WriteReplacing(folder, fileName, Serialize());
}

bool CProfile::BackUp(const std::string& folder, const CString& login) {
    if (login.IsEmpty()) return false;
    const std::string fileName = ProfileFileFor(folder, login);
    std::string bytes;
    if (!ReadFile(folder + "/" + fileName, bytes)) return false;
    return WriteReplacing(folder, fileName + ".bak", bytes);
}

CProfile::ReadResult CProfile::LoadFrom(const std::string& folder, const CString& login) {
    Clear();
    if (login.IsEmpty()) return READ_MISSING;
    return LoadFromFile(folder, ProfileFileFor(folder, login));
}

CProfile::ReadResult CProfile::LoadFromFile(const std::string& folder, const std::string& fileName) {
    Clear();
    const std::string path = folder + "/" + fileName;
    std::string bytes;
    if (!ReadFile(path, bytes)) return READ_MISSING;
    const ReadResult result = Parse(bytes);
    if (result == READ_DAMAGED) {
        std::ofstream keep(path + ".damaged", std::ios::binary | std::ios::trunc);
        keep << bytes;
    }
    return result;
}
