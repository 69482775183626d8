#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/Latin1.h"
#include "core/CProgressReport.h"
#include "support/ScratchFolder.h"

namespace {

const char* const kAnaLine =
    "Ana : 0 points gagnés, 0 dépensés, 0 trophées sur 38"
    " | Bureau du dentiste : Le répondeur 0/7, Prendre un message en français 0/8, Prendre un message en anglais 0/8,"
    " La page de couverture d'une télécopie 0/9, Envoyer une télécopie 0/4, Saluer au téléphone en français 0/3,"
    " Répondre aux appels 1 0/8, Transférer les appels 0/6, Saluer au téléphone en anglais 0/3,"
    " Répondre aux appels 2 0/8"
    " | Pizzeria : Le bon de commande en français 0/7, Le GPS en anglais 0/7, Les panneaux routiers 0/10,"
    " L'ascenseur de l'immeuble 0/5, Le paiement par carte 0/10, Le bon de commande en anglais 0/7,"
    " Les panneaux d'information 0/10, Le GPS en français 0/7, Le calcul du prix 0/5"
    " | Épicerie : Les dates « meilleur avant » 0/8, Trier selon la date 0/8, Ranger l'épicerie 0/8,"
    " Les codes des fruits et légumes 0/8, Lire un reçu 0/5\n";

const char* const kHeleneLine =
    "Hélène : 19 points gagnés, 4 dépensés, 2 trophées sur 38"
    " | Bureau du dentiste : Le répondeur 7/7, Prendre un message en français 0/8, Prendre un message en anglais 0/8,"
    " La page de couverture d'une télécopie 0/9, Envoyer une télécopie 0/4, Saluer au téléphone en français 0/3,"
    " Répondre aux appels 1 0/8, Transférer les appels 0/6, Saluer au téléphone en anglais 0/3,"
    " Répondre aux appels 2 5/8"
    " | Pizzeria : Le bon de commande en français 0/7, Le GPS en anglais 0/7, Les panneaux routiers 0/10,"
    " L'ascenseur de l'immeuble 0/5, Le paiement par carte 9/10, Le bon de commande en anglais 0/7,"
    " Les panneaux d'information 0/10, Le GPS en français 0/7, Le calcul du prix 0/5"
    " | Épicerie : Les dates « meilleur avant » 3/8, Trier selon la date 0/8, Ranger l'épicerie 0/8,"
    " Les codes des fruits et légumes 0/8, Lire un reçu 0/5\n";

const char* const kZoeLine = "Zoé : profil endommagé, rien n'est compté ; le fichier Zoé.txt est à vérifier\n";

// Three learners: one fresh, one who has played, one whose file is damaged;
// and files that are not profiles.
class ProgressReport : public testing::Test {
protected:
    void SetUp() override {
        folder.MakeFolder("Profiles");
        ASSERT_TRUE(CProfile().SaveTo(profiles, "Ana"));
        CProfile played;
        played.compte[0][0] = 7;  // the answering machine
        played.compte[0][9] = 5;  // answering calls, the second
        played.compte[1][4] = 9;  // the card terminal
        played.compte[2][0] = 3;  // best-before dates
        played.trophyAwarded[2] = true;
        played.trophyAwarded[4] = true;
        played.pointsSpent = 4;
        played.totalScore = 19;
        ASSERT_TRUE(played.SaveTo(profiles, "H\xE9l\xE8ne"));
        folder.Write("Profiles/Zoé.txt", "3 4 oops");
        folder.Write("Profiles/Ana.txt.damaged", "1 2");
        folder.Write("Profiles/Ana.txt.tmp4242", "");
        folder.Write("Profiles/notes.md", "tutor's notes");
        folder.MakeFolder("Profiles/old.txt");
    }

    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(profiles)) {
            const std::string name = entry.path().filename().string();
            files[name] = entry.is_directory() ? "<folder>" : folder.Read("Profiles/" + name);
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
}

TEST_F(ProgressReport, TextIsOneLinePerLearnerWithEveryMinigameAgainstItsMaximum) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    EXPECT_EQ(report.Text(), std::string(kAnaLine) + kHeleneLine + kZoeLine);
}

TEST_F(ProgressReport, CsvHasARowPerLearnerAndMinigameAndOneForADamagedProfile) {
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const std::string csv = report.Csv();
    const std::string header = "\xEF\xBB\xBF" "Apprenant,Lieu de travail,Mini-jeu,Score,Maximum\r\n";
    ASSERT_EQ(csv.compare(0, header.size(), header), 0) << csv.substr(0, 80);
    size_t rows = 0;
    for (size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) ++rows;
    EXPECT_EQ(rows, 1u + 24u + 24u + 1u);
    for (const char* row : {
             "\r\nAna,Bureau du dentiste,Le répondeur,0,7\r\n",
             "\r\nAna,Épicerie,Lire un reçu,0,5\r\nHélène,Bureau du dentiste,Le répondeur,7,7\r\n",
             "\r\nHélène,Bureau du dentiste,Répondre aux appels 2,5,8\r\n",
             "\r\nHélène,Pizzeria,Le paiement par carte,9,10\r\n",
             "\r\nHélène,Épicerie,Les dates « meilleur avant »,3,8\r\n",
             "\r\nHélène,Épicerie,Lire un reçu,0,5\r\nZoé,,profil endommagé,,\r\n",
         }) {
        EXPECT_NE(csv.find(row), std::string::npos) << row;
    }
    const std::string last = "\r\nZoé,,profil endommagé,,\r\n";
    EXPECT_EQ(csv.substr(csv.size() - last.size()), last);
}

TEST_F(ProgressReport, NamesThatASpreadsheetWouldMisreadAreQuoted) {
    ASSERT_TRUE(CProfile().SaveTo(profiles, "Dupont, Jean"));
    ASSERT_TRUE(CProfile().SaveTo(profiles, "Le \"chef\""));
    ASSERT_TRUE(CProfile().SaveTo(profiles, "=1+1"));
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    const std::string csv = report.Csv();
    EXPECT_NE(csv.find("\r\n\"Dupont, Jean\",Pizzeria,Le GPS en français,0,7\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n\"Le \"\"chef\"\"\",Pizzeria,Le GPS en français,0,7\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n'=1+1,Pizzeria,Le GPS en français,0,7\r\n"), std::string::npos);
    EXPECT_NE(report.Text().find("\nDupont, Jean : 0 points"), std::string::npos);
}

TEST_F(ProgressReport, ReadingLeavesTheFolderAsItWas) {
    const auto before = Snapshot();
    CProgressReport report;
    ASSERT_TRUE(report.Read(profiles));
    report.Text();
    report.Csv();
    EXPECT_EQ(Snapshot(), before);  // no copy of the damaged file either
}

TEST_F(ProgressReport, AnEmptyOrMissingFolder) {
    folder.MakeFolder("Empty");
    CProgressReport report;
    ASSERT_TRUE(report.Read(folder.File("Empty")));
    EXPECT_EQ(report.Text(), "");
    EXPECT_EQ(report.Csv(), "\xEF\xBB\xBF" "Apprenant,Lieu de travail,Mini-jeu,Score,Maximum\r\n");
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
