#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "savekill/SaveProfiles.h"
#include "support/ScratchFolder.h"

extern char** environ;

namespace {

// ZELK_SAVEKILL_SEED=N replays a failed run.
unsigned Seed() {
    if (const char* given = std::getenv("ZELK_SAVEKILL_SEED")) return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
    return std::random_device{}();
}

bool IsTemporaryOf(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + ".tmp";
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

}  // namespace

// A real process saving in a loop is killed at random moments: whenever it
// dies, the profile is the old text or the new one, and what it leaves
// behind is at most one temporary.
TEST(SaveKilled, TheProfileIsAlwaysTheOldOrTheNewTextAndTemporariesDoNotPileUp) {
    constexpr int kRounds = 300;
    const unsigned seed = Seed();
    std::cout << "SaveKilled seed " << seed << " (ZELK_SAVEKILL_SEED replays it)" << std::endl;
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delayNs(0, 20'000'000);

    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
    const std::string login = "J\xE9r\xF4me";
    const std::string fileName = CProfile::FileNameFor(login);
    const std::string a = SaveLoopProfileA().Serialize();
    const std::string b = SaveLoopProfileB().Serialize();
    ASSERT_NE(a.size(), b.size());
    ASSERT_TRUE(SaveLoopProfileA().SaveTo(profiles, login));

    const auto start = std::chrono::steady_clock::now();
    int sawA = 0, sawB = 0, leftTemporary = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string context = "round " + std::to_string(round) + ", seed " + std::to_string(seed);
        char* argv[] = {const_cast<char*>(ZELK_SAVE_LOOP), const_cast<char*>(profiles.c_str()),
                        const_cast<char*>(login.c_str()), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, ZELK_SAVE_LOOP, nullptr, nullptr, argv, environ), 0) << context;
        const timespec delay{0, delayNs(random)};
        nanosleep(&delay, nullptr);
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid) << context;
        // Died of the kill, not of a save that failed.
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << context << ", status " << status;

        const std::string stored = folder.Read("Profiles/" + fileName);
        ASSERT_TRUE(stored == a || stored == b) << context << ": " << stored.size() << " bytes, neither text";
        (stored == a ? sawA : sawB)++;

        int temporaries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(profiles)) {
            const std::string name = entry.path().filename().string();
            if (name == fileName) continue;
            ASSERT_TRUE(IsTemporaryOf(name, fileName)) << context << ": " << name;
            ++temporaries;
        }
        ASSERT_LE(temporaries, 1) << context;
        leftTemporary += temporaries;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "SaveKilled " << kRounds << " rounds in " << seconds << " s: " << sawA << " times A, " << sawB
              << " times B, " << leftTemporary << " with a temporary left" << std::endl;
    // Saves did finish between kills, or nothing was tried.
    EXPECT_GT(sawB, 0);
    EXPECT_GT(sawA, 0);
}
