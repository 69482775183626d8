#pragma once
#include <string>

// The game finds its pictures, sounds and profiles in folders under the
// process's working directory at the moment of use.
std::string CurrentDirectory();

// CurrentDirectory() + "/" + folder + "/" + name.
std::string DataFile(const char* folder, const std::string& name);
