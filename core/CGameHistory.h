#pragma once
#include <ctime>
#include <string>
#include <vector>

// A learner's games, one line each, in a file beside the profile:
// "<profile file>.history" ("Marie.txt.history"). The profile keeps its 161
// values and nothing else; the tutor's report reads how often, how well
// and when from here. A line is the local date and time (ISO 8601 with the
// offset), the minigame ("1_1" for the answering machine), the score and
// the most the game could bring, separated by tabs:
//   2026-03-14T10:05:31+01:00	1_1	6	7
// Lines are only ever added, each by one write, so a crash or a kill
// leaves every earlier line whole; a torn last line is skipped on reading.
class CGameHistory {
public:
    struct Game {
        std::string when;  // as written: "2026-03-14T10:05:31+01:00"
        int type = 0;      // MinigameType
        int score = 0;
        int maximum = 0;
        std::string Date() const { return when.substr(0, 10); }  // "2026-03-14"
    };

    static std::string FileNameFor(const std::string& profileFileName);
    // The local time as the history writes it.
    static std::string Timestamp(std::time_t at);

    // A game's line, with its line end.
    static std::string Line(const Game& game);
    // One line without its line end; false for anything Line never makes.
    static bool ParseLine(const std::string& line, Game& game);

    // Adds the games at the end of the file (made if need be), one write
    // each, then flushes it to disk. After a torn last line a line end
    // comes first, so that the torn line stays a line of its own.
    static bool Append(const std::string& path, const std::vector<Game>& games);
    // The whole, well-formed lines, in order; none for a missing file.
    static std::vector<Game> Read(const std::string& path);

    // The steps of an append, in order. A test follows them to kill an
    // appending process at each one.
    enum AppendStep {
        APPEND_OPENED,
        APPEND_ENDS_CHECKED,  // a torn last line has its line end now
        APPEND_LINE_WRITTEN,  // once a game
        APPEND_FLUSHED,
        APPEND_CLOSED,
        APPEND_STEP_COUNT
    };
    using AppendStepObserver = void (*)(AppendStep step);
    static void ObserveAppendSteps(AppendStepObserver observer);
};
