// The report's page as a real browser shows and prints it: Debian's
// Chromium, headless, draws it to a PNG, gives its text back and prints it
// to PDF. Skipped only where Chromium is not installed (CI installs it).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "core/CProgressPage.h"
#include "core/GameTypes.h"
#include "support/PicturePixels.h"
#include "support/ScratchFolder.h"

extern char** environ;

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 1100;

std::string ProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

// Runs the browser to its end, its output in a file; its exit status.
int RunBrowser(const std::string& browser, const ScratchFolder& folder, const std::vector<std::string>& options,
               const std::string& outputFile) {
    std::vector<std::string> words = {browser, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                                      "--no-first-run", "--user-data-dir=" + folder.File("browser-profile")};
    words.insert(words.end(), options.begin(), options.end());
    words.push_back("file://" + folder.File("progres.html"));
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    // Its settings and caches stay in the scratch folder.
    std::vector<std::string> variables = {"HOME=" + folder.Path(), "XDG_CONFIG_HOME=" + folder.File("config"),
                                          "XDG_CACHE_HOME=" + folder.File("cache")};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        if (text.rfind("HOME=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
            text.rfind("XDG_CACHE_HOME=", 0) != 0) {
            variables.push_back(text);
        }
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, folder.File(outputFile).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, folder.File(outputFile + ".log").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, browser.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

bool IsColour(const unsigned char* p, int r, int g, int b, int within) {
    return std::abs(p[0] - r) <= within && std::abs(p[1] - g) <= within && std::abs(p[2] - b) <= within;
}

// The colour's pixels in the rows from top to bottom.
int CountIn(const PicturePixels& shot, const char* hex, int top, int bottom) {
    const long value = std::strtol(hex + 1, nullptr, 16);
    const int r = static_cast<int>(value >> 16 & 0xFF), g = static_cast<int>(value >> 8 & 0xFF),
              b = static_cast<int>(value & 0xFF);
    int count = 0;
    for (int y = std::max(top, 0); y <= bottom && y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (IsColour(shot.data + 4 * (static_cast<size_t>(y) * shot.width + x), r, g, b, 16)) ++count;
        }
    }
    return count;
}

// The rows the chart's three scale lines (light grey, across the chart) are on.
std::vector<int> ScaleLines(const PicturePixels& shot) {
    std::vector<int> rows;
    for (int y = 0; y < shot.height; ++y) {
        int grey = 0;
        for (int x = 0; x < shot.width; ++x) {
            if (IsColour(shot.data + 4 * (static_cast<size_t>(y) * shot.width + x), 0xCC, 0xCC, 0xCC, 6)) ++grey;
        }
        if (grey > shot.width / 2 && (rows.empty() || y > rows.back() + 1)) rows.push_back(y);
    }
    return rows;
}

}  // namespace

TEST(ProgressPageInBrowser, ChromiumDrawsEachLearnersChartAndPrintsASheetALearner) {
    const std::string browser = ProgramOnPath("chromium");
    if (browser.empty()) GTEST_SKIP() << "chromium is not installed (tools/test installs it)";
    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
    CProfile played;
    played.compte[0][0] = 7;
    played.compte[1][4] = 5;
    played.totalScore = 12;
    ASSERT_TRUE(played.SaveTo(profiles, "H\xE9l\xE8ne"));
    // A full score at the dentist's, half at the pizzeria, none at the grocery.
    folder.Write("Profiles/H\xC3\xA9l\xC3\xA8ne.txt.history",
                 "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
                 "2026-03-16T10:00:00+01:00\t2_5\t5\t10\n"
                 "2026-03-21T10:00:00+01:00\t3_5\t0\t5\n");
    ASSERT_TRUE(CProfile().SaveTo(profiles, "Zo\xE9 & Cie"));
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    folder.Write("progres.html", CProgressPage::Html(report));

    const std::string size = "--window-size=" + std::to_string(kWindowWidth) + "," + std::to_string(kWindowHeight);
    ASSERT_EQ(RunBrowser(browser, folder, {size, "--screenshot=" + folder.File("progres.png")}, "shot.out"), 0)
        << folder.Read("shot.out.log");
    PicturePixels shot(folder.File("progres.png"));
    ASSERT_NE(shot.data, nullptr);
    ASSERT_EQ(shot.width, kWindowWidth);
    const std::vector<int> lines = ScaleLines(shot);
    ASSERT_EQ(lines.size(), 3u) << "the 100 %, 50 % and 0 % lines of Hélène's chart";
    const int full = lines[0], half = lines[1], none = lines[2];
    ASSERT_LT(full, half);
    ASSERT_LT(half, none);
    const int reach = (none - full) / 10;  // a dot's radius and then some
    const char* dentist = CProgressPage::WorkplaceColour(CATEGORY_DENTIST);
    const char* pizzeria = CProgressPage::WorkplaceColour(CATEGORY_PIZZA);
    const char* grocery = CProgressPage::WorkplaceColour(CATEGORY_GROCERY);
    EXPECT_GT(CountIn(shot, dentist, full - reach, full + reach), 20) << "the 7/7 dot on the top line";
    EXPECT_GT(CountIn(shot, pizzeria, half - reach, half + reach), 20) << "the 5/10 dot on the middle line";
    EXPECT_GT(CountIn(shot, grocery, none - reach, none + reach), 20) << "the 0/5 dot on the bottom line";
    EXPECT_EQ(CountIn(shot, dentist, half - reach, none + reach), 0) << "nothing of the dentist's lower down";
    EXPECT_EQ(CountIn(shot, grocery, full - reach, half + reach), 0) << "nothing of the grocery's higher up";

    ASSERT_EQ(RunBrowser(browser, folder, {"--dump-dom"}, "progres.dom"), 0) << folder.Read("progres.dom.log");
    const std::string dom = folder.Read("progres.dom");
    EXPECT_NE(dom.find("<h1>Hélène</h1>"), std::string::npos) << dom.substr(0, 400);
    EXPECT_NE(dom.find("<h1>Zoé &amp; Cie</h1>"), std::string::npos);
    EXPECT_NE(dom.find("<svg"), std::string::npos);

    ASSERT_EQ(RunBrowser(browser, folder, {"--no-pdf-header-footer", "--print-to-pdf=" + folder.File("progres.pdf")},
                         "pdf.out"),
              0)
        << folder.Read("pdf.out.log");
    const std::string pdf = folder.Read("progres.pdf");
    const std::regex page("/Type\\s*/Page[^s]");
    const auto pages = std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
    EXPECT_EQ(pages, 2) << "one sheet a learner";
    const std::regex a4("/MediaBox\\s*\\[\\s*0\\s+0\\s+59[45](\\.\\d+)?\\s+84[12](\\.\\d+)?\\s*\\]");
    const auto sheets = std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), a4), std::sregex_iterator());
    EXPECT_EQ(sheets, 2) << "A4 sheets";
}
