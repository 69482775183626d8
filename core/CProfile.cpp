#include "core/CProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/Latin1.h"

namespace {

bool IsKeptAsIs(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    if (c == ' ' || c == '-' || c == '_') return true;
    // Latin-1 letters; 0xD7 and 0xF7 are the multiplication and division signs.
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

bool ParseInt32(const std::string& token, int32_t& value) {
    size_t i = token[0] == '-' ? 1 : 0;
    if (i == token.size() || token.size() - i > 10) return false;
    for (size_t k = i; k < token.size(); ++k) {
        if (token[k] < '0' || token[k] > '9') return false;
    }
    const long long wide = std::strtoll(token.c_str(), nullptr, 10);
    if (wide < INT32_MIN || wide > INT32_MAX) return false;
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
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
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

bool CProfile::SaveTo(const std::string& folder, const CString& login) const {
    if (login.IsEmpty()) return false;
    mkdir(folder.c_str(), 0755);  // fails harmlessly when it exists
    const std::string path = folder + "/" + FileNameFor(login);
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, Serialize());
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

CProfile::ReadResult CProfile::LoadFrom(const std::string& folder, const CString& login) {
    if (login.IsEmpty()) return READ_MISSING;
    const std::string path = folder + "/" + FileNameFor(login);
    std::string bytes;
    if (!ReadFile(path, bytes)) return READ_MISSING;
    const ReadResult result = Parse(bytes);
    if (result == READ_DAMAGED) {
        std::ofstream keep(path + ".damaged", std::ios::binary | std::ios::trunc);
        keep << bytes;
    }
    return result;
}
