#include <GL/freeglut.h>

#include <algorithm>

#include "minigames/dentist/CMinigame1_2.h"
#include "minigames/dentist/CMinigame1_3.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace MessageForm;

namespace {

class MessagePad : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    MessagePad() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("dropdownbox.png", 512, 512);
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        folder.MakeFolder("Sounds");
        WriteToneWav(folder.File("Sounds/Intro1_2.mp3"), 3000);
    }
    static int TextWidth(const char* text) {
        return glutBitmapLength(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(text));
    }
    static constexpr unsigned kTickColour = 0x00C000FF;   // green
    static constexpr unsigned kCrossColour = 0x0000FFFF;  // blue
    // The review's mark at a point of the next frame: 't' tick, 'x' cross, '-' neither.
    char MarkAt(CPoint at) { return MarkOf(PixelOfAFrame(at, kW, kH)); }
    // Opens the French (1_2) or the English (1_3) game, on its intro.
    void Open(MinigameType type) {
        cell = type;
        form = MinigameFixture::Open<CMessageForm>(type, 1);
    }
    void Start(MinigameType type) {
        Open(type);
        PressPlay();
        ASSERT_EQ(form->Shell().phase, PhasePlay);
    }
    void ClickAt(CPoint p) { Click(p.x, p.y); }
    CPoint FieldTarget(List list) const {
        for (int f = 0; f < kFieldCount; ++f)
            if (kFieldLists[f] == list) return form->GetFieldTarget(f);
        return CPoint(-1, -1);
    }
    // Opens the list, moves over its row and clicks, which closes it.
    void Choose(List list, int row) {
        CPoint field = FieldTarget(list);
        if (list == LIST_PHONE) field.x += kPhoneClickShift;
        ClickAt(field);
        ASSERT_EQ(form->GetOpenList(), list);
        const CPoint box = form->GetList(list)->GetPosition();
        const CPoint over(box.x + 100, box.y + CDropDownMenu::kRowHeight * row + 1);
        Move(over.x, over.y);
        ClickAt(over);
        ASSERT_EQ(form->GetOpenList(), kNoList);
    }
    void Tick(int box) { ClickAt(form->GetBoxTarget(box)); }
    // Every judged entry right, and the two boxes the message asks for.
    void FillRight() {
        const Recording& r = form->GetRecording();
        for (List list : kJudged)
            if (r.right[list] != kNone) Choose(list, r.right[list]);
        for (int box : r.boxes) Tick(box);
    }
    // The panel comes on the frame after the hand-in: until then it is
    // not drawn and would pass for finished.
    bool FinishPanelAfterTheHandIn() {
        for (int i = 0; i < 3 && form->Shell().phase != PhaseResults; ++i) Step();
        return FinishPanelAndSave();
    }
    void Reenter() {
        PressExit();
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
        model->SetGameState(GAMESTATE_INGAME);
        Step();
    }

    const CMessageForm* form = nullptr;
    int cell = 0;
};

}  // namespace

TEST_F(MessagePad, APerfectFrenchFormGoesStraightToTheResultsAndIsSaved) {
    Start(MINIGAME_1_2);
    Choose(LIST_YOUR_NAME, kLoginItem);
    EXPECT_EQ(form->GetList(LIST_YOUR_NAME)->GetSelectedItem(), CString("Ana"));
    FillRight();
    PressPlay();
    Step();  // nothing missed: the panel, without a review
    EXPECT_EQ(form->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanelAfterTheHandIn());
    EXPECT_EQ(SavedCell(cell), 8);
    EXPECT_EQ(model->GetTotalScore(), 8);
}

// The review's marks mean one thing: a tick beside an entry got right, a
// cross beside one missed, whose line then shows the right entry.
TEST_F(MessagePad, AFlawedEnglishFormIsReviewedWithTicksBesideRightEntriesAndCrossesBesideMissedOnes) {
    Start(MINIGAME_1_3);
    const Recording& r = form->GetRecording();
    FillRight();
    Choose(LIST_CALLER, (r.right[LIST_CALLER] + 1) % kNone);  // the wrong caller
    Tick(r.boxes[1]);                                          // and one box unticked again
    Tick(kUrgentBox);                                          // an extra box costs nothing
    PressPlay();
    EXPECT_EQ(Points(), 6);
    Step();
    ASSERT_EQ(form->Shell().phase, PhaseReview);
    // The caller said on the recording, in place of the one chosen.
    const char* rightCaller = form->GetVariant() == 0 ? "Simon Thibodeau" : "Karine Lapointe";
    EXPECT_EQ(form->EntryShown(LIST_CALLER, true), CString(rightCaller));
    EXPECT_NE(form->EntryShown(LIST_CALLER, false), CString(rightCaller));
    EXPECT_EQ(form->EntryShown(LIST_RECIPIENT, true), form->EntryShown(LIST_RECIPIENT, false));
    EXPECT_TRUE(form->IsBoxCorrected(r.boxes[1]));
    EXPECT_FALSE(form->IsBoxCorrected(r.boxes[0]));
    EXPECT_FALSE(form->IsBoxCorrected(kUrgentBox));
    Step(20);
    EXPECT_FLOAT_EQ(form->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    for (List list : kJudged) {
        EXPECT_EQ(MarkAt(form->MarkOf(list)), list == LIST_CALLER ? 'x' : 't') << "list " << list;
        // Beside the entry, before or after the longest it can be, not over it.
        const int start = FieldTarget(list).x + kTextShift[list];
        int widest = 0;
        for (int i = 0; i < kItemsPerList; ++i) widest = std::max(widest, TextWidth(ListItems(list, kEnglishForm)[i].text));
        const int x = form->MarkOf(list).x, half = static_cast<int>(32 * kMarkShare) + 1;
        EXPECT_TRUE(x + half <= start || x - half >= start + widest) << "list " << list;
    }
    EXPECT_EQ(MarkAt(form->MarkOfBox(r.boxes[0])), 't');
    EXPECT_EQ(MarkAt(form->MarkOfBox(r.boxes[1])), 'x');
    EXPECT_EQ(MarkAt(form->MarkOfBox(kUrgentBox)), '-');  // not asked for: not judged
    Click(400, 300);  // only the play button leaves the review
    EXPECT_EQ(form->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(form->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAfterTheHandIn());
    EXPECT_EQ(SavedCell(cell), 6);
}

TEST_F(MessagePad, AnOpenListClosesOnHelpOnTheInstructionsAndOnLeaving) {
    Start(MINIGAME_1_2);
    ClickAt(FieldTarget(LIST_DATE));
    ASSERT_EQ(form->GetOpenList(), LIST_DATE);
    PressHelp();
    EXPECT_EQ(form->GetOpenList(), kNoList);
    ClickAt(FieldTarget(LIST_TIME));
    ASSERT_EQ(form->GetOpenList(), LIST_TIME);
    PressInstructions();
    ASSERT_EQ(form->Shell().phase, PhaseInstructions);
    EXPECT_EQ(form->GetOpenList(), kNoList);
    PressPlay();
    ClickAt(FieldTarget(LIST_CALLER));
    ASSERT_EQ(form->GetOpenList(), LIST_CALLER);
    PressExit();
    ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(form->GetOpenList(), kNoList);
}

// Help says the instruction again, whole: the recorded message waits for its end.
TEST_F(MessagePad, HelpReplaysTheInstructionAndTheMessageWaitsForIt) {
    double now = 1000.0;
    CMinigameShell::clock = [&now] { return now; };
    Start(MINIGAME_1_2);
    Step();
    EXPECT_FALSE(form->Shell().HasWaitingPrompt());  // the message is heard at once
    PressHelp();
    EXPECT_TRUE(form->Shell().IsInstructionSpeaking());
    Step();
    EXPECT_TRUE(form->Shell().HasWaitingPrompt());
    now += 2.9;
    Step();
    EXPECT_TRUE(form->Shell().HasWaitingPrompt());
    now += 0.2;
    Step();
    EXPECT_FALSE(form->Shell().HasWaitingPrompt());  // said once the instruction ended
    CMinigameShell::clock = [] { return 1000.0; };
}

TEST_F(MessagePad, AClickWhileAListIsOpenOnlyClosesIt) {
    Start(MINIGAME_1_2);
    ClickAt(FieldTarget(LIST_DATE));
    ASSERT_EQ(form->GetOpenList(), LIST_DATE);
    Tick(0);
    EXPECT_EQ(form->GetOpenList(), kNoList);
    EXPECT_FALSE(form->IsBoxTicked(0));
    ClickAt(FieldTarget(LIST_DATE));
    ClickAt(FieldTarget(LIST_RECIPIENT));  // another field: it does not open
    EXPECT_EQ(form->GetOpenList(), kNoList);
    Tick(0);
    EXPECT_TRUE(form->IsBoxTicked(0));
}

TEST_F(MessagePad, AClickBetweenOverlappingBoxesTicksBoth) {
    Start(MINIGAME_1_2);
    const CPoint a = form->GetBoxTarget(3), b = form->GetBoxTarget(4);
    ClickAt(CPoint(a.x, (a.y + b.y) / 2));
    EXPECT_TRUE(form->IsBoxTicked(3));
    EXPECT_TRUE(form->IsBoxTicked(4));
    EXPECT_FALSE(form->IsBoxTicked(5));
    ClickAt(CPoint(a.x, (a.y + b.y) / 2));
    EXPECT_FALSE(form->IsBoxTicked(3));
    EXPECT_FALSE(form->IsBoxTicked(4));
}

// The French game's second message leaves no number: "Aucun", a list left
// alone and a row past the entries all say so; a number is wrong.
TEST_F(MessagePad, AucunAndNothingChosenBothCountAsNoEntry) {
    Open(MINIGAME_1_2);
    if (form->GetVariant() != 1) Reenter();
    ASSERT_EQ(form->GetVariant(), 1);
    ASSERT_EQ(form->GetRecording().right[LIST_PHONE], kNone);
    const auto score = [this](int phoneRow) {
        PressPlay();
        FillRight();
        if (phoneRow >= 0) Choose(LIST_PHONE, phoneRow);
        PressPlay();
        const int points = Points();
        Reenter();
        Reenter();  // two visits bring the same message back
        return points;
    };
    EXPECT_EQ(score(-1), 8);
    EXPECT_EQ(score(kNone), 8);
    EXPECT_EQ(score(CDropDownMenu::kLastRow), 8);  // selects nothing
    EXPECT_EQ(score(0), 7);
}

TEST_F(MessagePad, EachVisitTakesTheOtherRecording) {
    Open(MINIGAME_1_3);
    const int first = form->GetVariant();
    EXPECT_STREQ(form->GetCurrentMessage(), kEnglish[first].file);
    Reenter();
    EXPECT_EQ(form->GetVariant(), 1 - first);
    EXPECT_STREQ(form->GetCurrentMessage(), kEnglish[1 - first].file);
    EXPECT_EQ(form->Shell().phase, PhaseIntro);
    EXPECT_FALSE(form->IsBoxTicked(0));
    PressPlay();
    FillRight();
    PressPlay();
    ASSERT_TRUE(FinishPanelAfterTheHandIn());
    Click(150, kH - 101);  // the panel's restart: the other recording again
    EXPECT_EQ(form->GetVariant(), first);
}

TEST_F(MessagePad, TheInstructionsExploreTheSameFourteenTargetsAsTheIntro) {
    Open(MINIGAME_1_3);
    ClickAt(form->GetFieldTarget(8));
    EXPECT_EQ(form->GetSelectedTarget(), 8);
    PressPlay();
    PressInstructions();
    ASSERT_EQ(form->Shell().phase, PhaseInstructions);
    EXPECT_EQ(form->GetSelectedTarget(), -1);
    for (int target : {0, 6, 7, 13}) {
        ClickAt(form->GetFieldTarget(target));
        EXPECT_EQ(form->GetSelectedTarget(), target);
        EXPECT_EQ(form->Shell().crosshairs->GetPosition(), form->GetFieldTarget(target));
    }
    EXPECT_EQ(form->GetOpenList(), kNoList);  // exploring opens nothing
    PressPlay();
    EXPECT_EQ(form->Shell().phase, PhasePlay);
}

TEST_F(MessagePad, TheFormsOfferTheirOwnListsAndTheLogin) {
    Open(MINIGAME_1_3);
    PressPlay();
    Choose(LIST_MESSAGE, 3);
    EXPECT_EQ(form->GetList(LIST_MESSAGE)->GetSelectedItem(), CString("Discuter du projet."));
    Choose(LIST_YOUR_NAME, kLoginItem);
    EXPECT_EQ(form->GetList(LIST_YOUR_NAME)->GetSelectedItem(), CString("Ana"));
    Choose(LIST_DATE, 3);
    EXPECT_EQ(form->GetList(LIST_DATE)->GetSelectedItem(), CString("le 2 fevrier"));
}
