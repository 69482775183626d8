#include "support/ScratchFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/PngWriter.h"

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelk-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
    previous = std::filesystem::current_path().string();
    std::filesystem::current_path(path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
    for (auto& entry : std::filesystem::recursive_directory_iterator(path, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
    }
    std::filesystem::remove_all(path, ignored);
}

void ScratchFolder::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(File(relative));
}

std::string ScratchFolder::Read(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void ScratchFolder::Write(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool ScratchFolder::Exists(const std::string& relative) const {
    return std::filesystem::exists(File(relative));
}

void ScratchFolder::AddPicture(const std::string& name, int width, int height, unsigned rgba) const {
    MakeFolder("Images");
    if (!WriteSolidPng(File("Images/" + name), width, height, rgba)) {
        throw std::runtime_error("could not write " + name);
    }
}
