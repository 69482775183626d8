#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "savekill/SaveProfiles.h"
#include "support/ScratchFolder.h"

extern char** environ;

namespace {

const char* const kStepNames[] = {"stale temporaries cleared", "opened", "half written", "written",
                                  "flushed", "closed", "renamed", "folder flushed"};
static_assert(sizeof kStepNames / sizeof kStepNames[0] == CProfile::SAVE_STEP_COUNT, "a name a step");

bool IsTemporaryOf(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + ".tmp";
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// The saving process, stopped at every step it tells until the test kills it.
class SavingProcess {
public:
    SavingProcess(const std::string& folder, const std::string& login) {
        int report[2], goAhead[2];
        // Close-on-exec: the process gets only its own two ends, as 3 and 4.
        if (pipe2(report, O_CLOEXEC) != 0 || pipe2(goAhead, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, report[1], 3);
        posix_spawn_file_actions_adddup2(&actions, goAhead[0], 4);
        char* argv[] = {const_cast<char*>(ZELK_SAVE_LOOP), const_cast<char*>(folder.c_str()),
                        const_cast<char*>(login.c_str()), nullptr};
        if (posix_spawn(&pid, ZELK_SAVE_LOOP, &actions, nullptr, argv, environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(report[1]);
        close(goAhead[0]);
        fromChild = report[0];
        toChild = goAhead[1];
    }
    ~SavingProcess() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(fromChild);
        close(toChild);
    }
    bool Started() const { return pid > 0; }
    pid_t Pid() const { return pid; }
    // The next step the process reached (it waits there); -1 if it died.
    int NextStep() {
        unsigned char step = 0;
        return read(fromChild, &step, 1) == 1 ? step : -1;
    }
    void GoOn() {
        const unsigned char go = 1;
        ASSERT_EQ(write(toChild, &go, 1), 1);
    }
    // Kills it where it waits; true when the kill is what ended it.
    bool KillHere() {
        kill(pid, SIGKILL);
        int status = 0;
        const bool killed = waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        pid = -1;
        return killed;
    }

private:
    pid_t pid = -1;
    int fromChild = -1;
    int toChild = -1;
};

std::vector<std::string> TemporariesIn(const std::string& folder, const std::string& fileName) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != fileName) found.push_back(name);
    }
    return found;
}

}  // namespace

// A real process saving in a loop is killed at each step of a save in turn,
// of the save that writes B over A and of the one that writes A over B,
// twice round. The step is the one the process said it reached, so every
// step is hit in any build at any load. Killed before the rename the profile
// is the old text, from the rename on the new one, byte for byte; what is
// left beside it is the killed save's own temporary, and only while it had
// one; the next save clears it.
TEST(SaveKilled, AtEveryStepOfASaveTheProfileIsTheOldOrTheNewTextAndNoTemporaryStays) {
    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
    const std::string login = "J\xE9r\xF4me";
    const std::string fileName = CProfile::FileNameFor(login);
    const std::string a = SaveLoopProfileA().Serialize();
    const std::string b = SaveLoopProfileB().Serialize();
    ASSERT_NE(a.size(), b.size());
    ASSERT_TRUE(SaveLoopProfileA().SaveTo(profiles, login));

    std::string onDisk = a;
    for (int round = 0; round < 2; ++round) {
        for (int save = 0; save < 2; ++save) {  // the process saves B, then A, then B...
            for (int target = 0; target < CProfile::SAVE_STEP_COUNT; ++target) {
                const std::string context = std::string(save == 0 ? "B over " : "A over ") +
                                            (onDisk == a ? "A" : "B") + ", killed at '" + kStepNames[target] + "'";
                SavingProcess saving(profiles, login);
                ASSERT_TRUE(saving.Started()) << context;
                // Through every step of the saves before the chosen one.
                for (int passed = 0; passed < save * CProfile::SAVE_STEP_COUNT + target; ++passed) {
                    ASSERT_EQ(saving.NextStep(), passed % CProfile::SAVE_STEP_COUNT) << context;
                    saving.GoOn();
                }
                ASSERT_EQ(saving.NextStep(), target) << context;
                const pid_t pid = saving.Pid();
                ASSERT_TRUE(saving.KillHere()) << context;

                const std::string before = save == 0 ? onDisk : b;
                const std::string after = save == 0 ? b : a;
                onDisk = target >= CProfile::SAVE_RENAMED ? after : before;
                const std::string stored = folder.Read("Profiles/" + fileName);
                ASSERT_EQ(stored.size(), onDisk.size()) << context;
                ASSERT_TRUE(stored == onDisk) << context;

                const bool holdsOwnTemporary = target >= CProfile::SAVE_OPENED && target < CProfile::SAVE_RENAMED;
                const std::vector<std::string> left = TemporariesIn(profiles, fileName);
                if (holdsOwnTemporary) {
                    ASSERT_EQ(left.size(), 1u) << context;
                    EXPECT_EQ(left[0], fileName + ".tmp" + std::to_string(pid)) << context;
                    EXPECT_TRUE(IsTemporaryOf(left[0], fileName));
                } else {
                    // The temporary an earlier kill left went with this save's first step.
                    EXPECT_TRUE(left.empty()) << context << ": " << (left.empty() ? "" : left[0]);
                }
            }
        }
    }
    // A save that runs to its end leaves the profile alone in the folder.
    ASSERT_TRUE(SaveLoopProfileB().SaveTo(profiles, login));
    EXPECT_EQ(folder.Read("Profiles/" + fileName), b);
    EXPECT_TRUE(TemporariesIn(profiles, fileName).empty());
}
