#include "app/CCommandLine.h"


#ifndef ZELK_VERSION
#define ZELK_VERSION "0"
#endif

namespace {

CCommandLine Fault(const std::string& message) {
    CCommandLine line;
    line.action = CCommandLine::ACTION_FAULT;
    line.fault = "zelk: " + message + " (see zelk --help)";
    return line;
}

// The value of "--name VALUE" or "--name=VALUE" at argv[i] (i moves past a
// separate value); false when there is none.
bool TakeValue(int argc, const char* const* argv, int& i, const std::string& name, std::string& value) {
    const std::string word = argv[i];
    if (word == name) {
        if (i + 1 >= argc) return false;
        value = argv[++i];
    } else {
        value = word.substr(name.size() + 1);
    }
    return !value.empty();
}

}  // namespace

CCommandLine CCommandLine::Parse(int argc, const char* const* argv) {
    CCommandLine line;
    bool help = false;
    bool version = false;
    bool report = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            help = true;
        } else if (word == "--version") {
            version = true;
        } else if (word == "--windowed") {
            line.windowed = true;
        } else if (word == "--report") {
            report = true;
        } else if (word == "--csv") {
            line.csv = true;
        } else if (word == "--html") {
            line.html = true;
        } else if (word == "--profiles" || word.rfind("--profiles=", 0) == 0) {
            if (!TakeValue(argc, argv, i, "--profiles", line.profilesFolder)) return Fault("--profiles needs a folder");
        } else if (word == "--learner" || word.rfind("--learner=", 0) == 0) {
            if (!TakeValue(argc, argv, i, "--learner", line.learner)) return Fault("--learner needs a name");
        } else if (word.size() > 1 && word[0] == '-') {
            return Fault("unknown option '" + word + "'");
        } else {
            return Fault("unexpected argument '" + word + "'");
        }
    }
    // Asking for help or the version always works, whatever else was typed.
    if (help) {
        line.action = ACTION_HELP;
    } else if (version) {
        line.action = ACTION_VERSION;
    } else if (!report && (line.csv || line.html || !line.learner.empty())) {
        return Fault(std::string(line.csv ? "--csv" : line.html ? "--html" : "--learner") + " goes with --report");
    } else if (line.csv && line.html) {
        return Fault("--csv and --html do not go together");
    } else if (report) {
        if (line.windowed) return Fault("--windowed does not go with --report");
        line.action = ACTION_REPORT;
    }
    return line;
}

std::string CCommandLine::HelpText() {
    return "Usage: zelk [OPTION]...\n"
           "A French-language game for adult learners: the tasks of a dentist's office,\n"
           "a pizzeria and a grocery.\n"
           "\n"
           "  --windowed        start in a window instead of full screen (F11 toggles)\n"
           "  --report          print every learner's progress, a table each, and quit:\n"
           "                    per minigame the last score, the best, the games played\n"
           "                    and the date of the last\n"
           "  --report --csv    the same as CSV (UTF-8): learner, workplace, minigame,\n"
           "                    score, maximum, best, games, date of the last game\n"
           "  --report --html   the same as a page to print, one sheet a learner, with a\n"
           "                    chart of the scores over time\n"
           "  --learner NAME    with --report: that learner only\n"
           "  --profiles DIR    keep the learners' profiles in DIR\n"
           "  --help            show this help and quit\n"
           "  --version         show the version and quit\n"
           "\n"
           "Profiles are kept in $XDG_DATA_HOME/zelk/Profiles (by default\n"
           "~/.local/share/zelk/Profiles) when the game is installed, and in Profiles\n"
           "under the working directory when it runs from its build folder. The\n"
           "ZELK_PROFILES environment variable, or --profiles, names another folder,\n"
           "for instance one shared by every learner of a computer.\n";
}

std::string CCommandLine::VersionText() { return std::string("zelk ") + ZELK_VERSION + "\n"; }
