#include "app/DataFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#ifndef ZELK_DATA_FROM_BINARY
#define ZELK_DATA_FROM_BINARY "../share/games/zelk"
#endif

namespace {

std::string gameFolder;
std::string profilesFolder;

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (buffer.size() > (1u << 20)) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string GameFolder() { return gameFolder.empty() ? CurrentDirectory() : gameFolder; }

void UseGameFolder(const std::string& folder) { gameFolder = folder; }

std::string DataFile(const char* folder, const std::string& name) {
    return GameFolder() + "/" + folder + "/" + name;
}

std::string ProfilesFolder() { return profilesFolder.empty() ? CurrentDirectory() + "/Profiles" : profilesFolder; }

void UseProfilesFolder(const std::string& folder) { profilesFolder = folder; }

std::string InstalledGameFolder(const std::string& executablePath) {
    const size_t slash = executablePath.rfind('/');
    if (slash == std::string::npos) return "";
    const std::string folder = executablePath.substr(0, slash) + "/" + ZELK_DATA_FROM_BINARY;
    return IsFolder(folder + "/Images") ? folder : "";
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return "";
    return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string UserProfilesFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/zelk/Profiles";
    const std::string base = home != nullptr && home[0] != '\0' ? home : ".";
    return base + "/.local/share/zelk/Profiles";
}

std::string ChooseProfilesFolder(const std::string& option, const char* environment, bool installed,
                                 const char* xdgDataHome, const char* home) {
    if (!option.empty()) return option;
    if (environment != nullptr && environment[0] != '\0') return environment;
    if (installed) return UserProfilesFolder(xdgDataHome, home);
    return "";
}

bool MakeFolders(const std::string& folder) {
    if (folder.empty()) return false;
    if (IsFolder(folder)) return true;
    // The parent first; a trailing slash names no folder of its own.
    const size_t slash = folder.find_last_of('/', folder.find_last_not_of('/'));
    if (slash != std::string::npos && slash > 0) MakeFolders(folder.substr(0, slash));
    return (mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST) && IsFolder(folder);
}
