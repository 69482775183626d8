#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <set>

#include "core/CProfile.h"
#include "support/ScratchFolder.h"

namespace {

std::string FreshProfileText() {
    std::string text;
    for (int i = 0; i < 160; ++i) text += "0\r\n";
    return text + "0";
}

// 161 values: cells 1, 2, 3 …, trophies alternating, 7 spent, 40 earned.
std::string SampleText() {
    std::string text;
    for (int i = 0; i < 121; ++i) text += std::to_string(i + 1) + "\r\n";
    for (int i = 0; i < 38; ++i) text += std::string(i % 2 ? "1" : "0") + "\r\n";
    return text + "7\r\n40";
}

}  // namespace

TEST(Profile, AFreshProfileIs161ZeroLinesWithNoLineEndAfterTheLast) {
    CProfile profile;
    EXPECT_EQ(profile.Serialize(), FreshProfileText());
}

TEST(Profile, WritesTheTableRowByRowThenTrophiesSpentAndEarned) {
    CProfile profile;
    ASSERT_EQ(profile.Parse(SampleText()), CProfile::READ_OK);
    EXPECT_EQ(profile.compte[0][0], 1);
    EXPECT_EQ(profile.compte[1][0], 12);
    EXPECT_EQ(profile.compte[10][10], 121);
    EXPECT_FALSE(profile.trophyAwarded[0]);
    EXPECT_TRUE(profile.trophyAwarded[37]);
    EXPECT_EQ(profile.pointsSpent, 7);
    EXPECT_EQ(profile.totalScore, 40);
    EXPECT_EQ(profile.Serialize(), SampleText());
}

TEST(Profile, ReadsPlainLineEndsToo) {
    std::string text = SampleText();
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    CProfile profile;
    EXPECT_EQ(profile.Parse(text + "\n"), CProfile::READ_OK);
    EXPECT_EQ(profile.totalScore, 40);
}

TEST(Profile, ADamagedTokenStopsTheReadingAndKeepsTheRest) {
    CProfile profile;
    profile.totalScore = 12;
    profile.compte[0][5] = 9;
    EXPECT_EQ(profile.Parse("1 2 3 4 5 six 7"), CProfile::READ_DAMAGED);
    EXPECT_EQ(profile.compte[0][4], 5);
    EXPECT_EQ(profile.compte[0][5], 9);  // never read: its value stays
    EXPECT_EQ(profile.totalScore, 12);
    for (const char* bad : {"1x", "+5", "0x10", "99999999999", "-", "3.5"}) {
        CProfile other;
        EXPECT_EQ(other.Parse(bad), CProfile::READ_DAMAGED) << bad;
        EXPECT_EQ(other.compte[0][0], 0) << bad;
    }
}

TEST(Profile, NumbersAreDecimalEvenWithLeadingZeros) {
    CProfile profile;
    profile.Parse("010");
    EXPECT_EQ(profile.compte[0][0], 10);
}

// Found by the profile fuzzer: zeros in front made an 11-digit token too wide.
TEST(Profile, LeadingZerosDoNotMakeAValueTooWide) {
    CProfile profile;
    EXPECT_EQ(profile.Parse("00004000004 0000000000000002147483647 -000000000002147483648 7"),
              CProfile::READ_DAMAGED);
    EXPECT_EQ(profile.compte[0][0], 4000004);
    EXPECT_EQ(profile.compte[0][1], 2147483647);
    EXPECT_EQ(profile.compte[0][2], 0);  // negative: a count reads as 0
    EXPECT_EQ(profile.compte[0][3], 7);   // the reading went on past it
    for (const char* wide : {"2147483648", "00002147483648", "-2147483649", "-0002147483649"}) {
        CProfile other;
        other.compte[0][1] = 5;
        EXPECT_EQ(other.Parse(std::string(wide) + " 9"), CProfile::READ_DAMAGED) << wide;
        EXPECT_EQ(other.compte[0][1], 5) << wide;  // stopped at the too-wide value
    }
}

TEST(Profile, TooFewOrTooManyValuesAreDamagedButReadAsFarAsTheyGo) {
    CProfile few;
    few.totalScore = 5;
    EXPECT_EQ(few.Parse("4 4"), CProfile::READ_DAMAGED);
    EXPECT_EQ(few.compte[0][1], 4);
    EXPECT_EQ(few.totalScore, 5);

    CProfile many;
    EXPECT_EQ(many.Parse(SampleText() + "\r\n999\r\n998"), CProfile::READ_DAMAGED);
    EXPECT_EQ(many.totalScore, 40);  // extra values do not overwrite the total
    EXPECT_EQ(CProfile().Parse(""), CProfile::READ_DAMAGED);
}

TEST(Profile, NoValueThatBreaksTheGameIsLoaded) {
    std::string text = SampleText();
    // Trophy 0 says 2; the total says -40.
    const size_t trophies = [&] {
        size_t at = 0;
        for (int line = 0; line < 121; ++line) at = text.find("\r\n", at) + 2;
        return at;
    }();
    text.replace(trophies, 1, "2");
    text.replace(text.rfind("40"), 2, "-40");
    text.replace(0, 1, "-1");
    CProfile profile;
    EXPECT_EQ(profile.Parse(text), CProfile::READ_DAMAGED);
    EXPECT_FALSE(profile.trophyAwarded[0]);
    EXPECT_EQ(profile.totalScore, 0);
    EXPECT_EQ(profile.compte[0][0], 0);
    EXPECT_EQ(profile.compte[0][1], 2);
}

TEST(Profile, NamesNeverLeaveTheProfilesFolder) {
    for (const char* name : {"../x", "a/b", "..", ".", "/etc/passwd", "x\\y", "~root", ".hidden"}) {
        const std::string file = CProfile::FileNameFor(name);
        EXPECT_EQ(file.find('/'), std::string::npos) << name;
        EXPECT_NE(file[0], '.') << name;
    }
    EXPECT_EQ(CProfile::FileNameFor("Marie Dupont"), "Marie Dupont.txt");
    EXPECT_EQ(CProfile::FileNameFor("H\xE9l\xE8ne"), "Hélène.txt");
}

TEST(Profile, DifferentNamesKeepDifferentFiles) {
    const std::vector<std::string> names = {"a/b", "a%2Fb", "a%b", "a.b", "a_b", "a b", "A b",
                                            "ab",  "a\xE9",  "a\xC3\xA9", "a%C3%A9", "a%25"};
    std::set<std::string> files;
    for (const std::string& name : names) files.insert(CProfile::FileNameFor(name));
    EXPECT_EQ(files.size(), names.size());
}

TEST(Profile, RefusesEmptyOverlongAndControlCharacterNames) {
    EXPECT_TRUE(CProfile::IsAcceptableLogin("H\xE9l\xE8ne"));
    EXPECT_TRUE(CProfile::IsAcceptableLogin(std::string(40, 'a')));
    EXPECT_FALSE(CProfile::IsAcceptableLogin(""));
    EXPECT_FALSE(CProfile::IsAcceptableLogin(std::string(41, 'a')));
    EXPECT_FALSE(CProfile::IsAcceptableLogin("a\tb"));
    EXPECT_FALSE(CProfile::IsAcceptableLogin("a\x85"));
    EXPECT_FALSE(CProfile::IsAcceptableLogin("a\x7F"));
}

TEST(Profile, NamesWithOeAndYDiaeresisKeepTheirLettersInTheFileName) {
    for (const char* name : {"C\x9Cur", "\x8Cuvre", "Ma\xFF \x9F"}) EXPECT_TRUE(CProfile::IsAcceptableLogin(name)) << name;
    EXPECT_EQ(CProfile::FileNameFor("C\x9Cur"), "Cœur.txt");
    EXPECT_EQ(CProfile::FileNameFor("\x8Cuvre \x9F"), "Œuvre Ÿ.txt");
    CString login;
    ASSERT_TRUE(CProfile::LoginFromFileName("Œuvre Ÿ.txt", login));
    EXPECT_EQ(login, "\x8Cuvre \x9F");
    // Other letters of two UTF-8 bytes that begin the same are no logins.
    EXPECT_FALSE(CProfile::LoginFromFileName("Ő.txt", login));
    EXPECT_EQ(CProfile::FoldCase("\x8CUVRE \x9F"), "\x9Cuvre \xFF");
}

TEST(Profile, TheSameNameWithOtherCapitalsFindsAnOeProfile) {
    ScratchFolder folder;
    CProfile saved;
    saved.totalScore = 5;
    ASSERT_TRUE(saved.SaveTo(folder.Path(), "\x8Cuvre"));
    EXPECT_EQ(CProfile::ProfileFileFor(folder.Path(), "\x9Cuvre"), "Œuvre.txt");
    CProfile loaded;
    EXPECT_EQ(loaded.LoadFrom(folder.Path(), "\x9CUVRE"), CProfile::READ_OK);
    EXPECT_EQ(loaded.totalScore, 5);
}

TEST(Profile, SavingCreatesTheFolderAndTheSameNameFindsItsFileAgain) {
    ScratchFolder folder;
    CProfile saved;
    saved.totalScore = 13;
    saved.trophyAwarded[4] = true;
    ASSERT_TRUE(saved.SaveTo(folder.File("Profiles"), "H\xE9l\xE8ne"));
    EXPECT_EQ(folder.Read("Profiles/Hélène.txt"), saved.Serialize());

    CProfile loaded;
    EXPECT_EQ(loaded.LoadFrom(folder.File("Profiles"), "H\xE9l\xE8ne"), CProfile::READ_OK);
    EXPECT_EQ(loaded.totalScore, 13);
    EXPECT_TRUE(loaded.trophyAwarded[4]);
    EXPECT_EQ(CProfile().LoadFrom(folder.File("Profiles"), "Paul"), CProfile::READ_MISSING);
}

TEST(Profile, ADotDotNameWritesInsideProfilesOnly) {
    ScratchFolder folder;
    folder.MakeFolder("Profiles");
    ASSERT_TRUE(CProfile().SaveTo(folder.File("Profiles"), "../x"));
    EXPECT_FALSE(folder.Exists("x.txt"));
    size_t inside = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder.File("Profiles"))) {
        (void)entry;
        ++inside;
    }
    EXPECT_EQ(inside, 1u);
}

TEST(Profile, AFailedSaveLeavesThePreviousProfileIntact) {
    ScratchFolder folder;
    CProfile first;
    first.totalScore = 21;
    ASSERT_TRUE(first.SaveTo(folder.File("Profiles"), "Ana"));
    const std::string before = folder.Read("Profiles/Ana.txt");
    // Something stands where the temporary file would go: the write fails.
    folder.MakeFolder("Profiles/Ana.txt.tmp" + std::to_string(getpid()));
    CProfile second;
    second.totalScore = 99;
    EXPECT_FALSE(second.SaveTo(folder.File("Profiles"), "Ana"));
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), before);
}

TEST(Profile, ASaveFirstClearsTheTemporariesKilledSavesLeftOfThatProfileOnly) {
    ScratchFolder folder;
    folder.MakeFolder("Profiles");
    // No process has such a pid: left by a save that was killed.
    const std::string dead = "Profiles/Ana.txt.tmp" + std::to_string(INT_MAX);
    const std::string notAPid = "Profiles/Ana.txt.tmp99999999999";
    // A process that lives, as another game saving the same learner.
    const std::string live = "Profiles/Ana.txt.tmp" + std::to_string(getppid());
    const std::vector<std::string> others = {"Profiles/Anna.txt.tmp7", "Profiles/Ana.txt.bak.tmp7",
                                             "Profiles/Ana.txt.tmpx", "Profiles/Ana.txt.tmp",
                                             "Profiles/Ana.txt.damaged", "Profiles/xAna.txt.tmp7"};
    for (const std::string& file : {dead, notAPid, live}) folder.Write(file, "1 2");
    for (const std::string& file : others) folder.Write(file, "1 2");

    ASSERT_TRUE(CProfile().SaveTo(folder.File("Profiles"), "Ana"));
    EXPECT_TRUE(folder.Exists("Profiles/Ana.txt"));
    EXPECT_FALSE(folder.Exists(dead));
    EXPECT_FALSE(folder.Exists(notAPid));
    EXPECT_TRUE(folder.Exists(live));
    for (const std::string& file : others) EXPECT_TRUE(folder.Exists(file)) << file;
}

TEST(Profile, ADamagedFileIsKeptAsideBeforeAnythingOverwritesIt) {
    ScratchFolder folder;
    folder.MakeFolder("Profiles");
    folder.Write("Profiles/Ana.txt", "3 4 oops");
    CProfile profile;
    EXPECT_EQ(profile.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_DAMAGED);
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.damaged"), "3 4 oops");
    EXPECT_EQ(profile.compte[0][1], 4);
}
