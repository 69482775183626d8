#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "savekill/SaveProfiles.h"
#include "support/ScratchFolder.h"
#include "support/SteppedProcess.h"

namespace {

const char* const kStepNames[] = {"stale temporaries cleared", "opened", "half written", "written",
                                  "flushed", "closed", "renamed", "folder flushed"};
static_assert(sizeof kStepNames / sizeof kStepNames[0] == CProfile::SAVE_STEP_COUNT, "a name a step");

bool IsTemporaryOf(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + ".tmp";
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

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
                SteppedProcess saving(ZELK_SAVE_LOOP, {profiles, login});
                ASSERT_TRUE(saving.Started()) << context;
                // Through every step of the saves before the chosen one.
                for (int passed = 0; passed < save * CProfile::SAVE_STEP_COUNT + target; ++passed) {
                    ASSERT_EQ(saving.NextStep(), passed % CProfile::SAVE_STEP_COUNT) << context;
                    ASSERT_TRUE(saving.GoOn()) << context;
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
