#pragma once
#include <string>

// What the program was asked to do on its command line. Every option is
// long; those that take a value accept "--profiles DIR" and
// "--profiles=DIR". Anything else is a fault: the program prints the
// one-line message and ends with status 2.
class CCommandLine {
public:
    enum Action {
        ACTION_PLAY,
        ACTION_HELP,
        ACTION_VERSION,
        ACTION_REPORT,
        ACTION_FAULT,
    };

    static CCommandLine Parse(int argc, const char* const* argv);

    // The text of --help and of --version, each ending in a new line.
    static std::string HelpText();
    static std::string VersionText();

    Action action = ACTION_PLAY;
    bool windowed = false;       // start in a window instead of full screen
    bool csv = false;            // the report as CSV
    bool html = false;           // the report as a page to print
    std::string learner;         // the report of this learner only (UTF-8)
    std::string profilesFolder;  // empty: the usual place
    std::string fault;           // for ACTION_FAULT: what was wrong, one line
};
