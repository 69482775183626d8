#pragma once
#include <string>
#include <vector>

#include "core/CGameHistory.h"
#include "core/CProfile.h"

// The tutor's view of a profiles folder: for every learner, the points
// earned and spent, the trophies, and for each minigame the last score,
// the best, how many games and when the last was played, read from the
// learner's history (a profile from before the history has only its last
// scores). As a table to read in a terminal, as CSV for a spreadsheet, or
// as a page to print (CProgressPage). It only reads: a damaged profile is
// reported as damaged and left as it is.
class CProgressReport {
public:
    enum Format { FORMAT_TEXT, FORMAT_CSV, FORMAT_HTML };

    // How a learner stands in one minigame.
    struct Standing {
        int games = 0;         // in the history
        int last = 0;          // the score of the last of them
        int best = 0;
        std::string lastDate;  // "2026-03-14"
        // No game in the history but a score in the profile: played before
        // the history was kept, and only that last score is known.
        bool beforeHistory = false;
        bool Played() const { return games > 0 || beforeHistory; }
    };

    struct Learner {
        std::string name;      // UTF-8, as the learner typed it
        std::string fileName;  // in the profiles folder
        bool damaged = false;
        CProfile profile;
        std::vector<CGameHistory::Game> games;  // the history, oldest first
        Standing StandingIn(int type) const;
    };

    // Reads every "<name>.txt" of the folder and its history, learners
    // sorted by name. False when the folder cannot be read.
    bool Read(const std::string& folder);
    const std::vector<Learner>& Learners() const { return learners; }
    // Keeps only the learner of that name (UTF-8, capitals aside); false
    // when there is none.
    bool KeepOnly(const std::string& name);

    // A table per learner, 80 columns wide at most.
    std::string Text() const;
    // UTF-8 with a byte-order mark (so spreadsheets read the accents), a
    // header row, then one row per learner and minigame: learner,
    // workplace, minigame, score, maximum, best, games, date of the last
    // (ISO 8601); the cells of a minigame never played are empty but its
    // maximum and its 0 games. A damaged profile is one row.
    std::string Csv() const;

    // Prints the folder's report (of one learner when a name is given) on
    // standard output; returns the program's exit status (1, with a line on
    // standard error, when the folder cannot be read or has no such learner).
    static int Print(const std::string& folder, Format format, const std::string& learner = "");

    // The learner's name (UTF-8) that a profile's file name stands for:
    // the reverse of CProfile::FileNameFor.
    static std::string NameFromFileName(const std::string& fileName);
    // "0 trophée", "1 trophée", "2 trophées": French keeps 0 and 1 singular.
    static std::string Counted(int n, const std::string& singular);
    // The learner's totals: "7 points gagnés, 0 dépensé, 2 trophées sur 38".
    static std::string TotalsLine(const CProfile& profile, int trophies);

private:
    std::vector<Learner> learners;
};
