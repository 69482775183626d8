#include <gtest/gtest.h>

#include <regex>

#include "core/CProgressPage.h"
#include "core/GameTypes.h"
#include "support/ScratchFolder.h"

namespace {

class ProgressPage : public testing::Test {
protected:
    void SetUp() override {
        CProfile played;
        played.compte[0][0] = 6;
        played.totalScore = 13;
        ASSERT_TRUE(played.SaveTo(profiles, "H\xE9l\xE8ne"));
        folder.Write("Profiles/Hélène.txt.history",
                     "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
                     "2026-03-21T09:12:45+01:00\t1_1\t6\t7\n");
        ASSERT_TRUE(CProfile().SaveTo(profiles, "<b>Zo\xE9</b> & \"Cie\""));
        folder.Write("Profiles/Zorro.txt", "oops");
        ASSERT_TRUE(report.Read(profiles));
        page = CProgressPage::Html(report);
    }

    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
    CProgressReport report;
    std::string page;
};

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

}  // namespace

TEST_F(ProgressPage, HoldsEverythingItShowsAndFetchesNothing) {
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"fr\">", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* outside : {"http:", "https:", "//", "src=", "href=", "<script", "<link", "url(", "@import",
                                "<img", "<iframe", "<object"}) {
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    }
}

TEST_F(ProgressPage, EachLearnerIsASectionOnAnA4SheetOfTheirOwn) {
    EXPECT_NE(page.find("@page{size:A4;"), std::string::npos);
    EXPECT_NE(page.find("section{max-width:182mm;margin:0 auto 10mm;break-after:page;"), std::string::npos);
    EXPECT_EQ(Count(page, "<section>"), 3u);
    EXPECT_NE(page.find("<h1>Hélène</h1>\n<p>13 points gagnés, 0 dépensé, 0 trophée sur 38. "
                        "2 parties jouées, la dernière le 2026-03-21.</p>\n<svg"),
              std::string::npos);
    EXPECT_NE(page.find("<h1>Zorro</h1>\n<p class=\"damaged\">Profil endommagé, rien n'est compté. "
                        "Le fichier à vérifier : Zorro.txt</p>"),
              std::string::npos);
}

TEST_F(ProgressPage, NamesAreWrittenAsTextNeverAsMarkup) {
    EXPECT_NE(page.find("<h1>&lt;b&gt;Zoé&lt;/b&gt; &amp; &quot;Cie&quot;</h1>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(CProgressPage::Escaped("l'été <3 & \"toi\""), "l&#39;été &lt;3 &amp; &quot;toi&quot;");
}

TEST_F(ProgressPage, TheTablesTellAGameNeverPlayedFromAFailedOne) {
    EXPECT_NE(page.find("<tr><td>Le répondeur</td><td>6/7</td><td>7/7</td><td>2</td><td>2026-03-21</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<tr><td>Lire un reçu</td><td class=\"never\" colspan=\"4\">jamais joué</td></tr>"),
              std::string::npos);
    EXPECT_EQ(Count(page, "<h2>Bureau du dentiste</h2>"), 2u) << "a table a workplace, for each readable profile";
}

TEST_F(ProgressPage, TheChartHasADotAGameAtItsShareOfTheMaximum) {
    ASSERT_EQ(report.Learners().size(), 3u);
    const CProgressReport::Learner& zoe = report.Learners()[0];  // '<' comes before the letters
    const CProgressReport::Learner& helene = report.Learners()[1];
    ASSERT_EQ(helene.name, "Hélène");
    const std::string chart = CProgressPage::Chart(helene);
    // Two games: at the left and right ends, 7/7 on the top line, 6/7 below it.
    EXPECT_NE(chart.find("<circle cx=\"48.0\" cy=\"12.0\" r=\"5\" fill=\"#1565c0\"/>"), std::string::npos) << chart;
    EXPECT_NE(chart.find("<circle cx=\"624.0\" cy=\"34.9\" r=\"5\" fill=\"#1565c0\"/>"), std::string::npos) << chart;
    EXPECT_NE(chart.find("<polyline fill=\"none\" stroke=\"#1565c0\" stroke-width=\"2\" points=\"48.0,12.0 624.0,34.9\"/>"),
              std::string::npos);
    EXPECT_NE(chart.find(">2026-03-14</text>"), std::string::npos);
    EXPECT_NE(chart.find(">2026-03-21</text>"), std::string::npos);
    EXPECT_EQ(Count(chart, "<circle"), 2u);
    EXPECT_EQ(CProgressPage::Chart(zoe), "") << "no game, no chart";
}

TEST(ProgressPageEmpty, AFolderWithoutProfilesSaysSo) {
    const std::string page = CProgressPage::Html(CProgressReport());
    EXPECT_NE(page.find("<body>\n<p>Aucun profil.</p>\n</body>"), std::string::npos);
}
