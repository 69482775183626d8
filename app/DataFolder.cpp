#include "app/DataFolder.h"

#include <unistd.h>

#include <vector>

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (buffer.size() > (1u << 20)) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string DataFile(const char* folder, const std::string& name) {
    return CurrentDirectory() + "/" + folder + "/" + name;
}
