#include "app/CCommandLine.h"

#include <cstring>

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
        } else if (word == "--profiles" || word.rfind("--profiles=", 0) == 0) {
            if (word == "--profiles") {
                if (i + 1 >= argc) return Fault("--profiles needs a folder");
                line.profilesFolder = argv[++i];
            } else {
                line.profilesFolder = word.substr(std::strlen("--profiles="));
            }
            if (line.profilesFolder.empty()) return Fault("--profiles needs a folder");
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
    } else if (line.csv && !report) {
        return Fault("--csv goes with --report");
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
           "  --report          print every learner's progress, one line each, and quit\n"
           "  --report --csv    the same as CSV (UTF-8): learner, workplace, minigame,\n"
           "                    score, maximum\n"
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
