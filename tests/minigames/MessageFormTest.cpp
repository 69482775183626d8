#include <GL/freeglut.h>

#include <algorithm>

#include "app/Latin1.h"
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
        if (list == LIST_PHONE) field.x -= 135;  // on the word "Tél."
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
    Tick(kUrgentBox);                                          // an extra box takes the other box's point back
    PressPlay();
    EXPECT_EQ(Points(), 5);
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
        for (int i = 0; i < kItemsPerList; ++i) {
            widest = std::max(widest, TextWidth(Latin1FromUtf8(ListItems(list, kEnglishForm)[i].text).c_str()));
        }
        const int x = form->MarkOf(list).x, half = static_cast<int>(32 * kMarkShare) + 1;
        EXPECT_TRUE(x + half <= start || x - half >= start + widest) << "list " << list;
    }
    EXPECT_EQ(MarkAt(form->MarkOfBox(r.boxes[0])), 't');
    EXPECT_EQ(MarkAt(form->MarkOfBox(r.boxes[1])), 'x');
    EXPECT_EQ(MarkAt(form->MarkOfBox(kUrgentBox)), 'x');  // not asked for: crossed
    Click(400, 300);  // only the play button leaves the review
    EXPECT_EQ(form->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(form->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAfterTheHandIn());
    EXPECT_EQ(SavedCell(cell), 5);
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
    EXPECT_EQ(form->GetList(LIST_DATE)->GetSelectedItem(), CString("le 2 f\xE9vrier"));
}

// --- the lists as a learner slides over them, and the boxes judged ---

namespace {

// The right entries of each recording, by their rows in the pad's lists
// (-1: the list is left alone), and the boxes each message asks for.
struct PadAnswers {
    int rows[kListCount];  // date, time, recipient, caller, your name, message, number
    int boxes[2];
};
// 1_2: "le 4 octobre", "13 h", "Dr Brisebois", "Gabriel Fortier", "Le forfait d'avril.",
// "(819) 221-2567", Rappellera and A téléphoné; then "le 8 mars", "11 h", "Dre Marchessault",
// "Annie Desrochers", "La rencontre vendredi", no number, Rappellera and A rappelé.
constexpr PadAnswers kFrenchAnswers[2] = {{{1, 2, 1, 0, -1, 0, 0}, {3, 0}}, {{0, 1, 0, 1, -1, 2, -1}, {3, 5}}};
// 1_3: "le 8 octobre", no time, "Nadia Ferland", "Simon Thibodeau", "Signer les papiers.",
// "(613) 222-3333", Telephoned and Please call; then "le 2 février", "9 h", "Julien Paquette",
// "Karine Lapointe", "Discuter du projet.", "(705) 222-1100", Telephoned and Wants to see you.
constexpr PadAnswers kEnglishAnswers[2] = {{{2, -1, 2, 3, -1, 1, 1}, {0, 2}}, {{3, 0, 3, 2, -1, 3, 3}, {0, 4}}};

class PadLists : public MessagePad {
protected:
    // Where an entry's words are drawn on an open list.
    CPoint Words(List list, int row) const {
        const CPoint box = form->GetList(list)->GetPosition();
        return CPoint(box.x + 60, box.y + 40 * row - 12);
    }
    void OpenList(List list) {
        CPoint field = FieldTarget(list);
        if (list == LIST_PHONE) field.x -= 135;  // on the word "Tél."
        ClickAt(field);
        ASSERT_EQ(form->GetOpenList(), list);
    }
    // The pointer slides over the open list's rows, in order, to the words
    // of the last one, and clicks there.
    void SlideAndClick(List list, std::initializer_list<int> rows) {
        CPoint at;
        for (int row : rows) {
            at = Words(list, row);
            for (int dy = -6; dy <= 6; dy += 3) Move(at.x, at.y + dy);
        }
        Move(at.x, at.y);
        ClickAt(at);
    }
    CString Chosen(List list) const { return form->GetList(list)->GetSelectedItem(); }
    // The open list's row stands on the dark bar of the chosen entry, right of its words.
    bool OnTheChosenBar(List list, int row) {
        const CPoint box = form->GetList(list)->GetPosition();
        const unsigned p = PixelOfAFrame(CPoint(box.x + 200, box.y + 40 * row - 8), kW, kH);
        return (p >> 24) < 0x40 && ((p >> 8) & 0xFF) > 0x50 && ((p >> 8) & 0xFF) < 0x90;
    }
    // A game on the given recording, on its intro.
    void OpenOn(MinigameType type, int variant) {
        Open(type);
        if (form->GetVariant() != variant) Reenter();
        ASSERT_EQ(form->GetVariant(), variant);
    }
    // Every judged list right, by a click on its entry's words; then the boxes.
    void FillPad(const PadAnswers& answers, std::initializer_list<int> boxes) {
        for (int l = 0; l < kListCount; ++l) {
            const List list = static_cast<List>(l);
            if (answers.rows[l] < 0) continue;
            OpenList(list);
            SlideAndClick(list, {answers.rows[l]});
        }
        for (int box : boxes) Tick(box);
    }
    int HandInAndScore() {
        PressPlay();
        return Points();
    }
};

}  // namespace

// A learner who slides across the list to reach a date changes nothing on
// the way; the top date is chosen on its words, after another was too.
TEST_F(PadLists, SlidingOverAListChoosesNothingAndTheTopEntryIsChosenOnItsWords) {
    Start(MINIGAME_1_2);
    OpenList(LIST_DATE);
    SlideAndClick(LIST_DATE, {0, 1, 2, 3, 4, 2});
    EXPECT_EQ(form->GetOpenList(), kNoList);
    EXPECT_EQ(Chosen(LIST_DATE), CString("le 8 octobre"));
    OpenList(LIST_DATE);
    SlideAndClick(LIST_DATE, {4, 3, 2, 1, 0});
    EXPECT_EQ(Chosen(LIST_DATE), CString("le 8 mars"));
    // Slid over, then closed by a click off the list: the date stays, lit as chosen.
    OpenList(LIST_DATE);
    EXPECT_TRUE(OnTheChosenBar(LIST_DATE, 0));
    EXPECT_FALSE(OnTheChosenBar(LIST_DATE, 2));
    for (int row : {1, 2, 3}) Move(Words(LIST_DATE, row).x, Words(LIST_DATE, row).y);
    ClickAt(CPoint(60, 700));
    EXPECT_EQ(form->GetOpenList(), kNoList);
    EXPECT_EQ(Chosen(LIST_DATE), CString("le 8 mars"));
    // A click on the open list's empty sixth row closes it too, and keeps the date.
    OpenList(LIST_DATE);
    SlideAndClick(LIST_DATE, {3, 5});
    EXPECT_EQ(form->GetOpenList(), kNoList);
    EXPECT_EQ(Chosen(LIST_DATE), CString("le 8 mars"));
}

TEST_F(PadLists, TheEnglishPadsListsTakeTheirTopEntryToo) {
    Start(MINIGAME_1_3);
    OpenList(LIST_RECIPIENT);
    SlideAndClick(LIST_RECIPIENT, {3});
    EXPECT_EQ(Chosen(LIST_RECIPIENT), CString("Julien Paquette"));
    OpenList(LIST_RECIPIENT);
    SlideAndClick(LIST_RECIPIENT, {2, 1, 0});
    EXPECT_EQ(Chosen(LIST_RECIPIENT), CString("Dre Marchessault"));
    OpenList(LIST_TIME);
    for (int row : {0, 1, 2, 3}) Move(Words(LIST_TIME, row).x, Words(LIST_TIME, row).y);
    ClickAt(CPoint(60, 700));
    EXPECT_EQ(Chosen(LIST_TIME), CString(""));
}

// The number's whole line opens its list, from the word "Tél." to the end
// of the rule; the blank pad left of the word does not.
TEST_F(PadLists, TheWholeTelLineOpensTheNumbersAndOnlyIt) {
    Start(MINIGAME_1_2);
    const int line = kH / 2 - 58;
    for (int x : {kW / 2 + 10, kW / 2 + 100, kW / 2 + 200, kW / 2 + 310}) {
        ClickAt(CPoint(x, line));
        EXPECT_EQ(form->GetOpenList(), LIST_PHONE) << x;
        ClickAt(CPoint(60, 700));  // closes it
        ASSERT_EQ(form->GetOpenList(), kNoList);
    }
    for (int x : {kW / 2 - 100, kW / 2 - 60}) {
        ClickAt(CPoint(x, line));
        EXPECT_EQ(form->GetOpenList(), kNoList) << x;
    }
    ClickAt(CPoint(kW / 2 + 200, line));
    SlideAndClick(LIST_PHONE, {2, 1, 0});
    EXPECT_EQ(Chosen(LIST_PHONE), CString("(819) 221-2567"));
}

// The bilingual pad's number line opens from its longer name, "Phone / Tél.".
TEST_F(PadLists, TheEnglishPadsNumberLineOpensFromItsLongName) {
    Start(MINIGAME_1_3);
    const int line = kH / 2 - 58;
    for (int x : {kW / 2 - 50, kW / 2 + 10, kW / 2 + 310}) {
        ClickAt(CPoint(x, line - 8));
        EXPECT_EQ(form->GetOpenList(), LIST_PHONE) << x;
        ClickAt(CPoint(60, 700));
    }
    ClickAt(CPoint(kW / 2 - 100, line));
    EXPECT_EQ(form->GetOpenList(), kNoList);
}

// Ticking every box no longer earns the two asked for: each box ticked that
// the message does not ask for takes one of them back, down to none.
TEST_F(PadLists, ABoxTheMessageDoesNotAskForCostsAsAMissedBoxDoes) {
    OpenOn(MINIGAME_1_2, 0);
    PressPlay();
    FillPad(kFrenchAnswers[0], {0, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(HandInAndScore(), 6);
    Reenter();
    Reenter();  // the same recording again
    PressPlay();
    FillPad(kFrenchAnswers[0], {3, 0, 6});  // the two asked for and Urgent
    EXPECT_EQ(HandInAndScore(), 7);
    Reenter();
    Reenter();
    PressPlay();
    FillPad(kFrenchAnswers[0], {3, 2});  // one asked for, one not
    EXPECT_EQ(HandInAndScore(), 6);
    Reenter();
    Reenter();
    PressPlay();
    FillPad(kFrenchAnswers[0], {3, 0});
    EXPECT_EQ(HandInAndScore(), 8);
}

TEST_F(PadLists, EveryBoxTickedOnTheEnglishPadsEarnsNoBoxPoint) {
    Open(MINIGAME_1_3);
    for (int game = 0; game < 2; ++game) {
        const int variant = form->GetVariant();
        PressPlay();
        FillPad(kEnglishAnswers[variant], {0, 1, 2, 3, 4, 5, 6});
        EXPECT_EQ(HandInAndScore(), 6) << variant;
        Reenter();  // the other recording
    }
}

// The second recording's right date is the top entry: the pad is perfect
// when it is chosen on its words after the pointer passed the others.
TEST_F(PadLists, TheSecondFrenchRecordingIsPerfectWithTheTopDate) {
    OpenOn(MINIGAME_1_2, 1);
    PressPlay();
    OpenList(LIST_DATE);
    SlideAndClick(LIST_DATE, {2});  // "le 8 octobre" first
    FillPad(kFrenchAnswers[1], {3, 5});
    EXPECT_EQ(Chosen(LIST_DATE), CString("le 8 mars"));
    EXPECT_EQ(HandInAndScore(), 8);
}
