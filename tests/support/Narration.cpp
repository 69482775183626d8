#include "support/Narration.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {
void ReadInto(const std::filesystem::path& path, std::map<std::string, std::string>& lines) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const size_t bar = line.find('|');
        if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
        lines[line.substr(0, bar)] = line.substr(bar + 1);
    }
}
}  // namespace

std::map<std::string, std::string> NarrationLines() {
    namespace fs = std::filesystem;
    const fs::path sounds = fs::path(ZELK_SOURCE_DIR) / "tools" / "sounds";
    std::map<std::string, std::string> lines;
    ReadInto(sounds / "narration.txt", lines);
    std::vector<fs::path> more;
    if (fs::is_directory(sounds / "narration")) {
        for (const auto& entry : fs::directory_iterator(sounds / "narration")) {
            if (entry.path().extension() == ".txt") more.push_back(entry.path());
        }
    }
    std::sort(more.begin(), more.end());
    for (const fs::path& path : more) ReadInto(path, lines);
    return lines;
}
