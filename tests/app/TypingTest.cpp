// What the learner types reaches the name and value fields as the game can
// keep it, and what it cannot keep is refused in words.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/CCalculatorDlg.h"
#include "app/CDialogFrame.h"
#include "app/CLoginDialog.h"
#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/CProfile.h"
#include "support/GameFixture.h"
#include "support/ScriptedLearner.h"

namespace {

const std::string kCannotWrite = Latin1FromUtf8("Ce signe ne peut pas être écrit ici.");

// A name field alone, as the login has it.
CDialogFrame NameField() {
    CDialogFrame frame("Connexion", 546, 250);
    frame.AddEdit(104, 96, 328, CProfile::kMaxLoginLength);
    return frame;
}

}  // namespace

using Typing = GameFixture;

TEST_F(Typing, EveryLetterOfFrenchGoesIntoTheNameAsOneByte) {
    const std::string letters = "àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ";
    CDialogFrame frame = NameField();
    frame.OnText(letters);
    EXPECT_EQ(frame.GetText().GetLength(), 32);
    EXPECT_EQ(Utf8FromLatin1(frame.GetText().str()), letters);
    EXPECT_TRUE(frame.GetMessage().empty());
    EXPECT_TRUE(CProfile::IsAcceptableLogin(frame.GetText()));
}

TEST_F(Typing, ANameWithAnOeLigatureLogsInAndKeepsItsFileName) {
    Learner learner;
    learner.Input("Jérôme Cœur").Key(13);
    CLoginDialog dialog(model);
    ASSERT_EQ(dialog.DoModal(), CLoginDialog::IDOK);
    EXPECT_EQ(model->GetLogin(), "J\xE9r\xF4me C\x9Cur");
    EXPECT_EQ(CProfile::FileNameFor(model->GetLogin()), "Jérôme Cœur.txt");
    EXPECT_EQ(learner.overran, 0);
}

TEST_F(Typing, AnEmojiOrAChineseCharacterIsRefusedInWordsAndTheNameStays) {
    for (const char* sign : {"😀", "中", "€", "\xC2\x85"}) {
        CDialogFrame frame = NameField();
        frame.OnText("Ana");
        frame.OnText(sign);
        EXPECT_EQ(frame.GetText(), "Ana") << sign;
        EXPECT_EQ(frame.GetMessage(), kCannotWrite) << sign;
        // The next letter taken clears the refusal.
        frame.OnText("ïs");
        EXPECT_EQ(frame.GetText(), "Ana\xEFs");
        EXPECT_TRUE(frame.GetMessage().empty()) << sign;
    }
}

TEST_F(Typing, AControlCharacterIsRefusedWhileEraseEnterAndEscapeStillWork) {
    for (unsigned char control : {0x01, 0x09, 0x1F}) {
        CDialogFrame frame = NameField();
        frame.OnText("Ana");
        frame.OnKey(control);
        EXPECT_EQ(frame.GetText(), "Ana");
        EXPECT_EQ(frame.GetMessage(), kCannotWrite) << int(control);
    }
    CDialogFrame frame = NameField();
    frame.AddButton(CDialogFrame::IDOK, "OK", 432, 196, 100, 36, true);
    frame.OnText("Anna\b");
    EXPECT_EQ(frame.GetText(), "Ann");
    frame.OnSpecialKey(GLUT_KEY_HOME);
    frame.OnText("\x7f");
    frame.OnSpecialKey(GLUT_KEY_DELETE);  // the keypad's
    EXPECT_EQ(frame.GetText(), "n");
    EXPECT_TRUE(frame.GetMessage().empty());
    frame.OnText("\r");
    EXPECT_EQ(frame.TakePressed(), CDialogFrame::IDOK);
    frame.OnText("\x1b");
    EXPECT_EQ(frame.TakePressed(), CDialogFrame::IDCANCEL);
}

TEST_F(Typing, AFullNameFieldSaysHowManyLettersItTakes) {
    CDialogFrame frame = NameField();
    frame.OnText(std::string(40, 'a'));
    EXPECT_TRUE(frame.GetMessage().empty());
    frame.OnText("é");
    EXPECT_EQ(frame.GetText().GetLength(), 40);
    EXPECT_EQ(frame.GetMessage(), "40 lettres au plus.");
    // Room made, the letter goes in and the message goes.
    frame.OnKey(8);
    frame.OnText("é");
    EXPECT_EQ(frame.GetText().str(), std::string(39, 'a') + "\xE9");
    EXPECT_TRUE(frame.GetMessage().empty());
}

TEST_F(Typing, ARefusalDoesNotWipeTheDialogsOwnMessage) {
    CDialogFrame frame = NameField();
    frame.SetMessage("Écrivez votre nom.");
    frame.OnText("M");
    EXPECT_EQ(frame.GetMessage(), Latin1FromUtf8("Écrivez votre nom."));
}

TEST_F(Typing, TheValueFieldTakesTheSamePath) {
    double target = -1.0;
    Learner learner;
    // Shift before the first digit leaves the 0 chosen, to be replaced.
    learner.Special(GLUT_KEY_SHIFT_L).Input("12😀")
        .Check([](CDialogFrame& f) {
            EXPECT_EQ(f.GetText(), "12");
            EXPECT_EQ(f.GetMessage(), kCannotWrite);
        })
        .Input("34567890,5099")
        .Check([](CDialogFrame& f) {
            EXPECT_EQ(f.GetText(), "1234567890,5");
            EXPECT_EQ(f.GetMessage(), "12 chiffres au plus.");
        })
        .Key(13)
        // Too much for a price: refused, and the field keeps it to mend.
        .Check([](CDialogFrame& f) {
            EXPECT_EQ(f.GetText(), "1234567890,5");
            EXPECT_EQ(f.GetMessage(), Latin1FromUtf8("Ce montant est trop grand : 9 999,99 $ au plus."));
        });
    for (int i = 0; i < 8; ++i) learner.Key(8);
    learner.Input(",5").Key(13);
    CCalculatorDlg dialog(&target);
    ASSERT_EQ(dialog.DoModal(), CCalculatorDlg::IDOK);
    EXPECT_DOUBLE_EQ(target, 1234.5);
    EXPECT_EQ(learner.overran, 0);
}
