#pragma once
#include <string>

// Where the game finds its pictures and sounds (Images, Sounds) and keeps
// the learners' profiles. Run from its build folder it uses the working
// directory at the moment of use, as it always did; an installed game is
// told its folders once, at start, by main.
std::string CurrentDirectory();

// The folder holding Images and Sounds: the one given to UseGameFolder,
// else the working directory.
std::string GameFolder();
void UseGameFolder(const std::string& folder);

// GameFolder() + "/" + folder + "/" + name.
std::string DataFile(const char* folder, const std::string& name);

// The folder of the profiles: the one given to UseProfilesFolder, else
// "Profiles" under the working directory.
std::string ProfilesFolder();
void UseProfilesFolder(const std::string& folder);

// The installed data folder that goes with the program at that path (the
// relative place the build was configured with), or "" when there is no
// Images folder there: the program runs from its build folder.
std::string InstalledGameFolder(const std::string& executablePath);
// The running program's own path ("" when it cannot be known).
std::string ExecutablePath();

// The profiles of an installed game, by the XDG rule: $XDG_DATA_HOME/zelk/
// Profiles when that variable holds an absolute path, else
// $HOME/.local/share/zelk/Profiles. Either may be null.
std::string UserProfilesFolder(const char* xdgDataHome, const char* home);

// The profiles folder to use: the option first, then the environment
// variable (ZELK_PROFILES), then the user's folder when installed; "" means
// the working directory's "Profiles". Empty strings count as not given.
std::string ChooseProfilesFolder(const std::string& option, const char* environment, bool installed,
                                 const char* xdgDataHome, const char* home);

// Creates the folder and every missing folder above it; true when it exists.
bool MakeFolders(const std::string& folder);
