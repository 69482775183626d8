#pragma once
#include <string>

// A fresh temporary folder that becomes the working directory (where the
// game looks for Images, Sounds and Profiles) until it goes out of scope.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& relative) const { return path + "/" + relative; }
    void MakeFolder(const std::string& relative) const;
    // Reads a file of the folder whole; empty when missing.
    std::string Read(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& bytes) const;
    bool Exists(const std::string& relative) const;
    // A solid-colour PNG in Images/.
    void AddPicture(const std::string& name, int width, int height, unsigned rgba = 0xFFFFFFFF) const;

private:
    std::string path;
    std::string previous;
};
