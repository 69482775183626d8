#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/CString.h"

// What a learner keeps between sessions: the score of every minigame, the
// trophies bought and the points earned and spent. Stored in "Profiles" as
// 161 decimal integers, one per line, CR LF between lines and none after
// the last: the score table row by row, the 38 trophy flags, the points
// spent, the points earned.
class CProfile {
public:
    static constexpr int kRows = 11;
    static constexpr int kColumns = 11;
    static constexpr int kTrophies = 38;
    static constexpr int kValues = kRows * kColumns + kTrophies + 2;  // 161

    enum ReadResult {
        READ_MISSING,  // no file: nothing changed
        READ_OK,
        READ_DAMAGED,  // read what could be trusted; the file was kept aside
    };

    std::array<std::array<int32_t, kColumns>, kRows> compte{};
    std::array<bool, kTrophies> trophyAwarded{};
    int32_t pointsSpent = 0;
    int32_t totalScore = 0;

    void Clear() { *this = CProfile(); }

    // The profile's text, byte for byte as it is stored.
    std::string Serialize() const;
    // Reads the stored text over the current values. Values are read in
    // order up to the first token that is not a decimal 32-bit integer; any
    // missing value keeps its current one; extra values are ignored; a
    // negative count or total reads as 0; a trophy is bought only for "1".
    // Anything short of exactly 161 clean values is READ_DAMAGED.
    ReadResult Parse(const std::string& text);

    // Names that may become a profile: 1 to kMaxLoginLength characters,
    // none of them a control character.
    static constexpr int kMaxLoginLength = 40;
    static bool IsAcceptableLogin(const CString& login);
    // The file name (without folder) for a login in the game's encoding
    // (app/Latin1.h): letters (accents, œ Œ Ÿ included, in UTF-8), digits,
    // spaces, '-' and '_' stand as they are, every other byte as "%XX". So
    // no name leaves "Profiles", two names never share a file, and a name
    // always finds its file again.
    static std::string FileNameFor(const CString& login);
    // The login a profile file name stands for (FileNameFor undone); false
    // for a name FileNameFor never makes ("x.txt.bak", "x.txt.tmp12", ...).
    static bool LoginFromFileName(const std::string& fileName, CString& login);
    // Capitals made small, accented ones too ("HÉLÈNE" -> "hélène").
    static std::string FoldCase(const std::string& latin1);
    // The file a login's profile is kept in: its own file name if that file
    // exists, else the profile of the same name typed with other capitals
    // ("MARIE" finds "Marie.txt"), else its own name for a new profile.
    static std::string ProfileFileFor(const std::string& folder, const CString& login);

    // Writes a temporary file in the folder, flushes it to disk and renames
    // it over the profile, then flushes the folder: a failed or killed save
    // leaves the previous one intact. The temporaries of the profile that a
    // killed save left go first, so at most one is ever left behind.
    // Creates the folder if needed. False when nothing could be saved.
    bool SaveTo(const std::string& folder, const CString& login) const;
    // The same, as the file of that name in the folder (ProfileFileFor's).
    bool SaveToFile(const std::string& folder, const std::string& fileName) const;
    // Reads the login's profile over a clean slate: a name with no profile
    // starts from zero. A damaged file is first copied to "<name>.damaged"
    // so that a save that follows cannot lose what it held.
    ReadResult LoadFrom(const std::string& folder, const CString& login);
    // The same, from the file of that name in the folder.
    ReadResult LoadFromFile(const std::string& folder, const std::string& fileName);
    // Copies the login's saved profile to "<name>.bak" (replacing an older
    // copy), as it is before a wipe. False when there was none to copy.
    static bool BackUp(const std::string& folder, const CString& login);

    // The steps of a save, in order. A test follows them to stop a saving
    // process at each one and check what a kill there leaves on disk.
    enum SaveStep {
        SAVE_STALE_CLEARED,  // the temporaries killed saves left are gone
        SAVE_OPENED,         // the temporary is made, still empty
        SAVE_HALF_WRITTEN,
        SAVE_WRITTEN,
        SAVE_FLUSHED,        // the temporary is on disk
        SAVE_CLOSED,
        SAVE_RENAMED,        // the temporary is the profile now
        SAVE_FOLDER_FLUSHED, // the old copy is gone for good
        SAVE_STEP_COUNT
    };
    // Called after every step of every save (none by default).
    using SaveStepObserver = void (*)(SaveStep step);
    static void ObserveSaveSteps(SaveStepObserver observer);
};
