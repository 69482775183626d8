#pragma once
#include <string>
#include <vector>

#include "core/CProfile.h"

// The tutor's view of a profiles folder: for every learner, the points
// earned and spent, the trophies, and the score of each minigame against
// its maximum; as lines to read or as CSV for a spreadsheet. It only
// reads: a damaged profile is reported as damaged and left as it is.
class CProgressReport {
public:
    enum Format { FORMAT_TEXT, FORMAT_CSV };

    struct Learner {
        std::string name;      // UTF-8, as the learner typed it
        std::string fileName;  // in the profiles folder
        bool damaged = false;
        CProfile profile;
    };

    // Reads every "<name>.txt" of the folder, learners sorted by name.
    // False when the folder cannot be read.
    bool Read(const std::string& folder);
    const std::vector<Learner>& Learners() const { return learners; }

    // One line per learner.
    std::string Text() const;
    // UTF-8 with a byte-order mark (so spreadsheets read the accents), a
    // header row, then one row per learner and minigame: learner,
    // workplace, minigame, score, maximum; a damaged profile is one row.
    std::string Csv() const;

    // Prints the folder's report on standard output; returns the program's
    // exit status (1, with a line on standard error, when the folder
    // cannot be read).
    static int Print(const std::string& folder, Format format);

    // The learner's name (UTF-8) that a profile's file name stands for:
    // the reverse of CProfile::FileNameFor.
    static std::string NameFromFileName(const std::string& fileName);

private:
    std::vector<Learner> learners;
};
