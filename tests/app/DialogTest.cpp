#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>

#include "app/CAboutDlg.h"
#include "app/CCalculatorDlg.h"
#include "app/CDialogFrame.h"
#include "app/CLoginDialog.h"
#include "app/CSaveFailedDlg.h"
#include "app/BitmapText.h"
#include "app/Latin1.h"
#include "core/CModel.h"
#include "support/GameFixture.h"
#include "support/GlWindow.h"
#include "support/ScriptedLearner.h"
#include "support/ScratchFolder.h"

using Dialogs = GameFixture;

TEST_F(Dialogs, LoginTakesAnAccentedNameThenLoadsItsProfile) {
    CProfile stored;
    stored.totalScore = 12;
    ASSERT_TRUE(stored.SaveTo(folder.File("Profiles"), "H\xE9l\xE8ne"));
    Learner learner;
    learner.Type("H\xE9lx").Key(8).Type("\xE8ne").Key(13);
    CLoginDialog dialog(model);
    EXPECT_EQ(dialog.DoModal(), CLoginDialog::IDOK);
    EXPECT_EQ(model->GetLogin(), "H\xE9l\xE8ne");
    EXPECT_EQ(model->GetTotalScore(), 12);  // the new name's profile was read
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Dialogs, AnEmptyNameKeepsTheLoginOpen) {
    model->SetLogin("Paul");
    Learner learner;
    learner.Type("   ").ClickButton(CDialogFrame::IDOK)
        .Check([](CDialogFrame& f) { EXPECT_FALSE(f.GetMessage().empty()); })
        .Key(27);
    CLoginDialog dialog(model);
    EXPECT_EQ(dialog.DoModal(), CLoginDialog::IDCANCEL);
    EXPECT_TRUE(model->GetLogin().IsEmpty());
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Dialogs, SpacesAroundANameAreNotPartOfIt) {
    Learner learner;
    learner.Type("  Marie ").Key(13);
    CLoginDialog dialog(model);
    ASSERT_EQ(dialog.DoModal(), CLoginDialog::IDOK);
    EXPECT_EQ(model->GetLogin(), "Marie");
}

TEST_F(Dialogs, TheNameFieldTakesNoMoreThanAProfileCanHold) {
    Learner learner;
    learner.Type(std::string(45, 'a')).Key(13);
    CLoginDialog dialog(model);
    ASSERT_EQ(dialog.DoModal(), CLoginDialog::IDOK);
    EXPECT_EQ(model->GetLogin().GetLength(), CProfile::kMaxLoginLength);
}

TEST_F(Dialogs, EscapeAndTheCloseBoxCancelAndChangeNothing) {
    for (int way = 0; way < 2; ++way) {
        Learner learner;
        learner.Type("Ana");
        if (way == 0) learner.Key(27); else learner.ClickCloseBox();
        CLoginDialog dialog(model);
        EXPECT_EQ(dialog.DoModal(), CLoginDialog::IDCANCEL);
        EXPECT_TRUE(model->GetLogin().IsEmpty());
        EXPECT_EQ(learner.overran, 0);
    }
}

TEST_F(Dialogs, TheCaretMovesAndDeleteRemovesTheLetterAfterIt) {
    Learner learner;
    learner.Type("Aa").Special(GLUT_KEY_HOME).Key(127).Type("N").Special(GLUT_KEY_END).Type("!")
        .Check([](CDialogFrame& f) { EXPECT_EQ(f.GetText(), "Na!"); })
        .Key(27);
    CLoginDialog dialog(model);
    dialog.DoModal();
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Dialogs, AButtonActsOnlyWhenPressedAndReleasedOnIt) {
    CDialogFrame frame("Test", 300, 100);
    frame.AddButton(CDialogFrame::IDOK, "OK", 200, 50, 80, 30, true);
    frame.Draw(800, 600);
    const CPoint ok = frame.ButtonCentre(CDialogFrame::IDOK);
    frame.OnLButtonDown(CPoint(10, 10));
    frame.OnLButtonUp(ok);
    EXPECT_EQ(frame.TakePressed(), 0);
    frame.OnLButtonDown(ok);
    frame.OnLButtonUp(ok);
    EXPECT_EQ(frame.TakePressed(), CDialogFrame::IDOK);
    EXPECT_EQ(frame.TakePressed(), 0);
}

TEST_F(Dialogs, TheValueIsWrittenOnlyOnOkAndANonNumberIsRefused) {
    double target = -1.0;
    {
        Learner learner;
        learner.Type("douze").Key(13)
            .Check([](CDialogFrame& f) { EXPECT_FALSE(f.GetMessage().empty()); })
            .Key(27);
        CCalculatorDlg dialog(&target);
        EXPECT_EQ(dialog.DoModal(), CCalculatorDlg::IDCANCEL);
        EXPECT_EQ(target, -1.0);
        EXPECT_EQ(learner.overran, 0);
    }
    {
        Learner learner;
        learner.Type("12,50").ClickButton(CCalculatorDlg::IDOK);
        CCalculatorDlg dialog(&target);
        EXPECT_EQ(dialog.DoModal(), CCalculatorDlg::IDOK);
        EXPECT_DOUBLE_EQ(target, 12.5);
    }
}

TEST_F(Dialogs, TheValueFieldStartsAtZeroAndTheFirstKeyReplacesIt) {
    double target = -1.0;
    Learner learner;
    learner.Check([](CDialogFrame& f) { EXPECT_EQ(f.GetText(), "0"); }).Type("7").Key(13);
    CCalculatorDlg dialog(&target);
    ASSERT_EQ(dialog.DoModal(), CCalculatorDlg::IDOK);
    EXPECT_DOUBLE_EQ(target, 7.0);
}

TEST(CalculatorValue, ReadsAmountsAsLearnersWriteThem) {
    double v = 0;
    EXPECT_TRUE(CCalculatorDlg::ParseValue("12,50", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(CCalculatorDlg::ParseValue(" $4.25 ", v));
    EXPECT_DOUBLE_EQ(v, 4.25);
    EXPECT_TRUE(CCalculatorDlg::ParseValue("-3", v));
    EXPECT_DOUBLE_EQ(v, -3.0);
    for (const char* bad : {"", "  ", "$", "1,2,3", "12a", "1e5", "inf", "nan", "--1", "."}) {
        EXPECT_FALSE(CCalculatorDlg::ParseValue(bad, v)) << bad;
    }
    // As the pad prints an amount, the dollar sign after it.
    EXPECT_TRUE(CCalculatorDlg::ParseValue("3,38 $", v));
    EXPECT_DOUBLE_EQ(v, 3.38);
    EXPECT_TRUE(CCalculatorDlg::ParseValue("1 234,50 $", v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    for (const char* bad : {"$3,38 $", "3,38 $ $", "12 50", "1 23,50", "3 $ 38"}) {
        EXPECT_FALSE(CCalculatorDlg::ParseValue(bad, v)) << bad;
    }
}

namespace {
// A PATH holding only what the test puts there.
class FakePath {
public:
    FakePath(const ScratchFolder& folder) : folder(folder) {
        const char* path = std::getenv("PATH");
        kept = path ? path : "";
        folder.MakeFolder("bin");
        setenv("PATH", folder.File("bin").c_str(), 1);
    }
    ~FakePath() { setenv("PATH", kept.c_str(), 1); }
    void AddProgram(const std::string& name, const std::string& script) const {
        const std::string file = folder.File("bin/" + name);
        std::ofstream(file) << "#!/bin/sh\n" << script << "\n";
        chmod(file.c_str(), 0755);
    }

private:
    const ScratchFolder& folder;
    std::string kept;
};
}  // namespace

TEST_F(Dialogs, WithoutACalculatorTheButtonOnlySaysSo) {
    FakePath path(folder);
    double target = 3.0;
    Learner learner;
    learner.ClickButton(CCalculatorDlg::IDC_CALC)
        .ClickButton(CCalculatorDlg::IDC_CALC)
        .Check([](CDialogFrame& f) { EXPECT_NE(f.GetMessage().find("calculatrice"), std::string::npos); })
        .Key(27);
    CCalculatorDlg dialog(&target);
    EXPECT_EQ(dialog.DoModal(), CCalculatorDlg::IDCANCEL);
    EXPECT_EQ(target, 3.0);
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Dialogs, TheCalculatorStartsBesideTheDialogWithoutWaiting) {
    FakePath path(folder);
    // A calculator that says it started, then stays open until the test
    // lets it go: the game must come back while it runs. Both go through
    // pipes, so the test waits for the calculators themselves.
    const std::string marks = folder.File("started.fifo"), hold = folder.File("hold.fifo");
    ASSERT_EQ(mkfifo(marks.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(hold.c_str(), 0600), 0);
    // Read-write ends never block on opening. Close-on-exec, or the
    // calculators would hold the hold pipe open themselves and never end.
    const int marksFd = open(marks.c_str(), O_RDWR | O_CLOEXEC);
    const int holdFd = open(hold.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(marksFd, 0);
    ASSERT_GE(holdFd, 0);
    // Each calculator opens the hold pipe before it says it started: opened
    // later, after the test let go of it, the open would wait for ever. Nor
    // do they keep the test's output open, which CTest waits on.
    path.AddProgram("galculator", "exec >/dev/null 2>&1 3< \"" + hold + "\"; echo started > \"" + marks +
                                      "\"; read line <&3; echo ended > \"" + marks + "\"");
    path.AddProgram("xcalc", "exec >/dev/null 2>&1; echo wrong > \"" + marks + "\"");
    // Reads the calculators' marks until `count` bytes came.
    auto readMarks = [marksFd](size_t count) {
        std::string told;
        while (told.size() < count) {
            pollfd ready = {marksFd, POLLIN, 0};
            // A minute only so that a broken start fails instead of hanging.
            if (poll(&ready, 1, 60000) != 1) break;
            char bytes[64];
            const ssize_t n = read(marksFd, bytes, sizeof bytes);
            if (n <= 0) break;
            told.append(bytes, static_cast<size_t>(n));
        }
        return told;
    };
    ASSERT_TRUE(CCalculatorDlg::StartCalculator());
    ASSERT_TRUE(CCalculatorDlg::StartCalculator());  // twice: two calculators
    EXPECT_EQ(readMarks(16), "started\nstarted\n");
    // Both still run: letting them go ends them, and none stays behind.
    close(holdFd);
    EXPECT_EQ(readMarks(12), "ended\nended\n");
    close(marksFd);
}

TEST_F(Dialogs, TheAboutBoxClosesOnOk) {
    Learner learner;
    learner.ClickButton(CDialogFrame::IDOK);
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), CDialogFrame::IDOK);
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Dialogs, TheSaveFailedDialogSaysWhyOnALineThatFitsIt) {
    for (const bool locked : {false, true}) {
        const char* reason = CSaveFailedDlg(locked).Reason();
        // 30 pixels of margin on each side, as its other lines have.
        EXPECT_LE(BitmapText::Width(GLUT_BITMAP_HELVETICA_18, Latin1FromUtf8(reason)) + 60, CSaveFailedDlg::kWidth)
            << reason;
    }
    EXPECT_NE(std::string(CSaveFailedDlg(true).Reason()), CSaveFailedDlg(false).Reason());
}
