#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "app/CCommandLine.h"

namespace {

CCommandLine ParseWords(std::initializer_list<const char*> words) {
    std::vector<const char*> argv = {"zelk"};
    argv.insert(argv.end(), words.begin(), words.end());
    return CCommandLine::Parse(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST(CommandLine, NoOptionPlaysFullScreen) {
    const CCommandLine line = ParseWords({});
    EXPECT_EQ(line.action, CCommandLine::ACTION_PLAY);
    EXPECT_FALSE(line.windowed);
    EXPECT_TRUE(line.profilesFolder.empty());
}

TEST(CommandLine, ReadsEachOption) {
    EXPECT_EQ(ParseWords({"--help"}).action, CCommandLine::ACTION_HELP);
    EXPECT_EQ(ParseWords({"-h"}).action, CCommandLine::ACTION_HELP);
    EXPECT_EQ(ParseWords({"--version"}).action, CCommandLine::ACTION_VERSION);
    const CCommandLine windowed = ParseWords({"--windowed"});
    EXPECT_EQ(windowed.action, CCommandLine::ACTION_PLAY);
    EXPECT_TRUE(windowed.windowed);
    EXPECT_EQ(ParseWords({"--profiles", "/srv/centre"}).profilesFolder, "/srv/centre");
    EXPECT_EQ(ParseWords({"--profiles=/srv/centre", "--windowed"}).profilesFolder, "/srv/centre");
}

TEST(CommandLine, HelpAndVersionWinOverTheRest) {
    EXPECT_EQ(ParseWords({"--windowed", "--help"}).action, CCommandLine::ACTION_HELP);
    EXPECT_EQ(ParseWords({"--version", "--windowed"}).action, CCommandLine::ACTION_VERSION);
    EXPECT_EQ(ParseWords({"--version", "--help"}).action, CCommandLine::ACTION_HELP);
}

TEST(CommandLine, AnythingElseIsAOneLineFault) {
    const struct {
        std::vector<const char*> words;
        const char* says;
    } cases[] = {
        {{"--fullscreen"}, "option inconnue « --fullscreen »"},
        {{"-w"}, "option inconnue « -w »"},
        {{"--windowed", "--Help"}, "option inconnue « --Help »"},
        {{"--help", "--bogus"}, "option inconnue « --bogus »"},  // a typo is never hidden by --help
        {{"level1"}, "argument inattendu « level1 »"},
        {{"--profiles"}, "--profiles demande un dossier"},
        {{"--profiles="}, "--profiles demande un dossier"},
        {{"--report", "--learner"}, "--learner demande un nom"},
        {{"--report", "--learner="}, "--learner demande un nom"},
        {{"--html"}, "--html va avec --report"},
        {{"--learner", "Ana"}, "--learner va avec --report"},
        {{"--report", "--csv", "--html"}, "--csv et --html ne vont pas ensemble"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = {"zelk"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        const CCommandLine line = CCommandLine::Parse(static_cast<int>(argv.size()), argv.data());
        SCOPED_TRACE(c.says);
        EXPECT_EQ(line.action, CCommandLine::ACTION_FAULT);
        EXPECT_NE(line.fault.find(c.says), std::string::npos) << line.fault;
        EXPECT_EQ(line.fault.rfind("zelk : ", 0), 0u) << line.fault;
        EXPECT_EQ(line.fault.find('\n'), std::string::npos) << line.fault;
    }
}

TEST(CommandLine, HelpNamesEveryOptionAndVersionItsNumber) {
    const std::string help = CCommandLine::HelpText();
    for (const char* option : {"--windowed", "--report", "--csv", "--html", "--learner", "--profiles", "--help", "--version",
                               "ZELK_PROFILES"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    const std::string version = CCommandLine::VersionText();
    EXPECT_EQ(version.rfind("zelk ", 0), 0u);
    ASSERT_GT(version.size(), 6u);
    EXPECT_TRUE(version[5] >= '1' && version[5] <= '9') << version;
    EXPECT_EQ(version.back(), '\n');
}

TEST(CommandLine, TheReportAndItsCsv) {
    const CCommandLine text = ParseWords({"--report"});
    EXPECT_EQ(text.action, CCommandLine::ACTION_REPORT);
    EXPECT_FALSE(text.csv);
    const CCommandLine csv = ParseWords({"--csv", "--report", "--profiles", "/srv/centre"});
    EXPECT_EQ(csv.action, CCommandLine::ACTION_REPORT);
    EXPECT_TRUE(csv.csv);
    EXPECT_EQ(csv.profilesFolder, "/srv/centre");
    const CCommandLine alone = ParseWords({"--csv"});
    EXPECT_EQ(alone.action, CCommandLine::ACTION_FAULT);
    EXPECT_NE(alone.fault.find("--csv va avec --report"), std::string::npos);
    EXPECT_EQ(ParseWords({"--report", "--windowed"}).action, CCommandLine::ACTION_FAULT);
}

TEST(CommandLine, TheReportAsAPageAndForOneLearner) {
    const CCommandLine page = ParseWords({"--report", "--html"});
    EXPECT_EQ(page.action, CCommandLine::ACTION_REPORT);
    EXPECT_TRUE(page.html);
    EXPECT_FALSE(page.csv);
    EXPECT_TRUE(page.learner.empty());
    const CCommandLine one = ParseWords({"--report", "--learner", "H\xC3\xA9l\xC3\xA8ne", "--csv"});
    EXPECT_EQ(one.action, CCommandLine::ACTION_REPORT);
    EXPECT_EQ(one.learner, "H\xC3\xA9l\xC3\xA8ne");
    EXPECT_TRUE(one.csv);
    EXPECT_EQ(ParseWords({"--learner=Ana", "--report"}).learner, "Ana");
}
