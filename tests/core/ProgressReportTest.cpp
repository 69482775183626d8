#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "app/Latin1.h"
#include "core/CProgressReport.h"
#include "core/GameTypes.h"
#include "support/ScratchFolder.h"

namespace {

const char* const kAnaTable =
    "Ana\n"
    "===\n"
    "  0 point gagné, 0 dépensé, 0 trophée sur 38\n"
    "  Aucune partie dans l'historique\n"
    "\n"
    "Bureau du dentiste                      Score Meilleur Parties Dernière partie\n"
    "  Le répondeur                          jamais joué\n"
    "  Prendre un message en français        jamais joué\n"
    "  Prendre un message en anglais         jamais joué\n"
    "  La page de couverture d'une télécopie jamais joué\n"
    "  Envoyer une télécopie                 jamais joué\n"
    "  Saluer au téléphone en français       jamais joué\n"
    "  Répondre aux appels 1                 jamais joué\n"
    "  Transférer les appels                 jamais joué\n"
    "  Saluer au téléphone en anglais        jamais joué\n"
    "  Répondre aux appels 2                 jamais joué\n"
    "\n"
    "Pizzeria                                Score Meilleur Parties Dernière partie\n"
    "  Le bon de commande en français        jamais joué\n"
    "  Le GPS en anglais                     jamais joué\n"
    "  Les panneaux routiers                 jamais joué\n"
    "  L'ascenseur de l'immeuble             jamais joué\n"
    "  Le paiement par carte                 jamais joué\n"
    "  Le bon de commande en anglais         jamais joué\n"
    "  Les panneaux d'information            jamais joué\n"
    "  Le GPS en français                    jamais joué\n"
    "  Le calcul du prix                     jamais joué\n"
    "\n"
    "Épicerie                                Score Meilleur Parties Dernière partie\n"
    "  Les dates « meilleur avant »          jamais joué\n"
    "  Trier selon la date                   jamais joué\n"
    "  Ranger l'épicerie                     jamais joué\n"
    "  Les codes des fruits et légumes       jamais joué\n"
    "  Lire un reçu                          jamais joué\n";

const char* const kHeleneTable =
    "Hélène\n"
    "======\n"
    "  25 points gagnés, 4 dépensés, 2 trophées sur 38\n"
    "  4 parties jouées, la dernière le 2026-04-02\n"
    "\n"
    "Bureau du dentiste                      Score Meilleur Parties Dernière partie\n"
    "  Le répondeur                            6/7      7/7       2 2026-03-21\n"
    "  Prendre un message en français        jamais joué\n"
    "  Prendre un message en anglais         jamais joué\n"
    "  La page de couverture d'une télécopie jamais joué\n"
    "  Envoyer une télécopie                 jamais joué\n"
    "  Saluer au téléphone en français         0/3      0/3       1 2026-03-14\n"
    "  Répondre aux appels 1                 jamais joué\n"
    "  Transférer les appels                 jamais joué\n"
    "  Saluer au téléphone en anglais        jamais joué\n"
    "  Répondre aux appels 2                   5/8 joué avant l'historique\n"
    "\n"
    "Pizzeria                                Score Meilleur Parties Dernière partie\n"
    "  Le bon de commande en français        jamais joué\n"
    "  Le GPS en anglais                     jamais joué\n"
    "  Les panneaux routiers                 jamais joué\n"
    "  L'ascenseur de l'immeuble             jamais joué\n"
    "  Le paiement par carte                  9/10     9/10       1 2026-04-02\n"
    "  Le bon de commande en anglais         jamais joué\n"
    "  Les panneaux d'information            jamais joué\n"
    "  Le GPS en français                    jamais joué\n"
    "  Le calcul du prix                     jamais joué\n"
    "\n"
    "Épicerie                                Score Meilleur Parties Dernière partie\n"
    "  Les dates « meilleur avant »            3/8 joué avant l'historique\n"
    "  Trier selon la date                   jamais joué\n"
    "  Ranger l'épicerie                     jamais joué\n"
    "  Les codes des fruits et légumes       jamais joué\n"
    "  Lire un reçu                          jamais joué\n";

const char* const kZoeTable =
    "Zoé\n"
    "===\n"
    "  Profil endommagé, rien n'est compté. Le fichier à vérifier :\n"
    "  Zoé.txt\n";

const char* const kCsvHeader = "\xEF\xBB\xBF" "Apprenant,Lieu de travail,Mini-jeu,Score,Maximum,Meilleur,Parties,Dernière partie\r\n";

// Three learners: one fresh, one who has played (some of it before the
// history was kept), one whose file is damaged; and files that are not
// profiles.
class ProgressReport : public testing::Test {
protected:
    void SetUp() override {
        folder.MakeFolder("Profiles");
        ASSERT_TRUE(CProfile().SaveTo(profiles, "Ana"));
        CProfile played;
        played.compte[0][0] = 6;  // the answering machine
        played.compte[0][9] = 5;  // answering calls, the second: played before the history
        played.compte[1][4] = 9;  // the card terminal
        played.compte[2][0] = 3;  // best-before dates: before the history too
        played.trophyAwarded[2] = true;
        played.trophyAwarded[4] = true;
        played.pointsSpent = 4;
        played.totalScore = 25;
        ASSERT_TRUE(played.SaveTo(profiles, "H\xE9l\xE8ne"));
        folder.Write("Profiles/Hélène.txt.history",
                     "2026-03-14T10:05:31+01:00\t1_1\t7\t7\n"
                     "2026-03-14T10:20:00+01:00\t1_6\t0\t3\n"
                     "2026-03-21T09:12:45+01:00\t1_1\t6\t7\n"
                     "2026-04-02T16:40:00+02:00\t2_5\t9\t10\n"
                     "2026-04-02T16:55:00+02:00\t2_");  // a write cut short
        folder.Write("Profiles/Zoé.txt", "3 4 oops");
        folder.Write("Profiles/Ana.txt.damaged", "1 2");
        folder.Write("Profiles/Ana.txt.tmp4242", "");
        folder.Write("Profiles/Ana.txt.lock", "");
        folder.Write("Profiles/Ana.txt.settings", "subtitles=0\n");
        folder.Write("Profiles/notes.md", "tutor's notes");
        folder.MakeFolder("Profiles/old.txt");
    }

    // Every file's bytes and time of change.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(profiles)) {
            const std::string name = entry.path().filename().string();
            struct stat info;
            stat(entry.path().c_str(), &info);
            files[name] = (entry.is_directory() ? "<folder>" : folder.Read("Profiles/" + name)) + " @" +
                          std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
        }
        return files;
    }

    ScratchFolder folder;
    const std::string profiles = folder.File("Profiles");
};

}  // namespace

TEST_F(ProgressReport, ReadsEveryProfileAndOnlyProfilesSortedByName) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    ASSERT_EQ(report.Learners().size(), 3u);
    EXPECT_EQ(report.Learners()[0].name, "Ana");
    EXPECT_EQ(report.Learners()[1].name, "Hélène");
    EXPECT_EQ(report.Learners()[2].name, "Zoé");
    EXPECT_FALSE(report.Learners()[0].damaged);
    EXPECT_FALSE(report.Learners()[1].damaged);
    EXPECT_TRUE(report.Learners()[2].damaged);
    EXPECT_EQ(report.Learners()[0].games.size(), 0u);
    EXPECT_EQ(report.Learners()[1].games.size(), 4u) << "the torn line is no game";
}

TEST_F(ProgressReport, TheStandingInAMinigameComesFromTheHistory) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const CProgressReport::Learner& helene = report.Learners()[1];
    const CProgressReport::Standing machine = helene.StandingIn(MINIGAME_1_1);
    EXPECT_EQ(machine.last, 6);
    EXPECT_EQ(machine.best, 7);
    EXPECT_EQ(machine.games, 2);
    EXPECT_EQ(machine.lastDate, "2026-03-21");
    EXPECT_TRUE(machine.Played());
    const CProgressReport::Standing greeting = helene.StandingIn(MINIGAME_1_6);  // played, and failed
    EXPECT_TRUE(greeting.Played());
    EXPECT_EQ(greeting.last, 0);
    EXPECT_EQ(greeting.games, 1);
    const CProgressReport::Standing fax = helene.StandingIn(MINIGAME_1_5);
    EXPECT_FALSE(fax.Played());
    EXPECT_EQ(fax.games, 0);
    const CProgressReport::Standing calls = helene.StandingIn(MINIGAME_1_10);
    EXPECT_TRUE(calls.beforeHistory);
    EXPECT_EQ(calls.last, 5);
    EXPECT_EQ(calls.games, 0);
}

TEST_F(ProgressReport, TextIsATablePerLearnerThatFitsEightyColumns) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const std::string text = report.Text();
    EXPECT_EQ(text, std::string(kAnaTable) + "\n" + kHeleneTable + "\n" + kZoeTable);
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start)) {
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(CharactersOf(line).size(), 80u) << line;
    }
}

TEST_F(ProgressReport, CsvHasARowPerLearnerAndMinigameAndOneForADamagedProfile) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const std::string csv = report.Csv();
    ASSERT_EQ(csv.compare(0, std::string(kCsvHeader).size(), kCsvHeader), 0) << csv.substr(0, 100);
    size_t rows = 0;
    for (size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) ++rows;
    EXPECT_EQ(rows, 1u + 24u + 24u + 1u);
    for (const char* row : {
             "\r\nAna,Bureau du dentiste,Le répondeur,,7,,0,\r\n",
             "\r\nAna,Épicerie,Lire un reçu,,5,,0,\r\nHélène,Bureau du dentiste,Le répondeur,6,7,7,2,2026-03-21\r\n",
             "\r\nHélène,Bureau du dentiste,Envoyer une télécopie,,4,,0,\r\n",
             "\r\nHélène,Bureau du dentiste,Saluer au téléphone en français,0,3,0,1,2026-03-14\r\n",
             "\r\nHélène,Bureau du dentiste,Répondre aux appels 2,5,8,,,\r\n",
             "\r\nHélène,Pizzeria,Le paiement par carte,9,10,9,1,2026-04-02\r\n",
             "\r\nHélène,Épicerie,Les dates « meilleur avant »,3,8,,,\r\n",
             "\r\nHélène,Épicerie,Lire un reçu,,5,,0,\r\nZoé,,profil endommagé,,,,,\r\n",
         }) {
        EXPECT_NE(csv.find(row), std::string::npos) << row;
    }
    const std::string last = "\r\nZoé,,profil endommagé,,,,,\r\n";
    EXPECT_EQ(csv.substr(csv.size() - last.size()), last);
}

TEST_F(ProgressReport, OneLearnerWhateverTheCapitals) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    ASSERT_TRUE(report.KeepOnly("HÉLÈNE"));
    ASSERT_EQ(report.Learners().size(), 1u);
    EXPECT_EQ(report.Text(), kHeleneTable);
    EXPECT_FALSE(report.KeepOnly("Bruno"));
    EXPECT_TRUE(report.Learners().empty());
}

TEST_F(ProgressReport, NamesThatASpreadsheetWouldMisreadAreQuoted) {
    ASSERT_TRUE(CProfile().SaveTo(profiles, "Dupont, Jean"));
    ASSERT_TRUE(CProfile().SaveTo(profiles, "Le \"chef\""));
    ASSERT_TRUE(CProfile().SaveTo(profiles, "=1+1"));
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const std::string csv = report.Csv();
    EXPECT_NE(csv.find("\r\n\"Dupont, Jean\",Pizzeria,Le GPS en français,,7,,0,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n\"Le \"\"chef\"\"\",Pizzeria,Le GPS en français,,7,,0,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n'=1+1,Pizzeria,Le GPS en français,,7,,0,\r\n"), std::string::npos);
    EXPECT_NE(report.Text().find("\nDupont, Jean\n============\n  0 point"), std::string::npos);
}

TEST_F(ProgressReport, ReadingLeavesEveryFileAsItWasByteForByteAndTime) {
    const auto before = Snapshot();
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    report.KeepOnly("Zoé");
    report.Text();
    report.Csv();
    EXPECT_EQ(Snapshot(), before);  // no copy of the damaged file, no mended history
}

TEST_F(ProgressReport, AnEmptyOrMissingFolder) {
    folder.MakeFolder("Empty");
    CProgressReport report;
    ASSERT_TRUE(report.Read(folder.File("Empty")));
    EXPECT_EQ(report.Text(), "");
    EXPECT_EQ(report.Csv(), kCsvHeader);
    EXPECT_FALSE(report.Read(folder.File("Nowhere")));
    EXPECT_TRUE(report.Learners().empty());
}

TEST(ProgressReportNames, FileNamesGoBackToTheNamesTyped) {
    for (const char* login : {"Ana", "H\xE9l\xE8ne", "100%", "../x", "Jean/Luc", "a.b", "Dupont, Jean"}) {
        const std::string fileName = CProfile::FileNameFor(login);
        EXPECT_EQ(CProgressReport::NameFromFileName(fileName), Utf8FromLatin1(login)) << fileName;
    }
    // Not an escape: left as it stands.
    EXPECT_EQ(CProgressReport::NameFromFileName("%G1.txt"), "%G1");
    EXPECT_EQ(CProgressReport::NameFromFileName("50%.txt"), "50%");
    EXPECT_EQ(CProgressReport::NameFromFileName("%4.txt"), "%4");
}

// French keeps 0 and 1 in the singular: "1 trophée", never "1 trophées".
TEST(ProgressReportWords, OneTrophyIsSingular) {
    EXPECT_EQ(CProgressReport::Counted(0, "trophée"), "0 trophée");
    EXPECT_EQ(CProgressReport::Counted(1, "trophée"), "1 trophée");
    EXPECT_EQ(CProgressReport::Counted(2, "trophée"), "2 trophées");
    CProfile one;
    one.totalScore = 1;
    one.pointsSpent = 1;
    EXPECT_EQ(CProgressReport::TotalsLine(one, 1), "1 point gagné, 1 dépensé, 1 trophée sur 38");
}
