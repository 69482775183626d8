// The two games of answering calls, played through the real model and
// controller: the receiver, the greeting list, the reply list, the points
// of each call, the review and the score panel.
#include "minigames/dentist/CMinigame1_10.h"
#include "minigames/dentist/CMinigame1_7.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace PhoneCalls;

namespace {

class Calls : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    Calls() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("phone_microphone.png", 64, 64);
        folder.AddPicture("dropdownbox_long.png", 1024, 512);
        folder.AddPicture("error.png", 64, 64, kTick);
        folder.AddPicture("review_missed.png", 64, 64, kCross);
        folder.MakeFolder("Sounds");
        for (const Choice& greeting : kGreetings) WriteToneWav(folder.File("Sounds/") + greeting.recording, 2000);
        WriteToneWav(folder.File("Sounds/") + "receiver.mp3", 2000);
    }
    // Opens one of the two games, on its intro.
    void OpenEveryday() {
        calls = Open<CAnsweringCalls>(MINIGAME_1_7, 1);
        table = &kEverydayCalls;
    }
    void OpenSheets() {
        calls = Open<CAnsweringCalls>(MINIGAME_1_10, 1);
        table = &kSheetCalls;
    }
    void PickUp() { Click(calls->GetReceiverLocation().x, calls->GetReceiverLocation().y); }
    // Hovers a row of the open list, then clicks it.
    void Choose(int row) {
        const CPoint at = calls->GetRowLocation(row);
        Move(at.x, at.y);
        Click(at.x, at.y);
    }
    // One call: the greeting, then the reply, by their rows. A wrong
    // choice's cross and sound are let end before the game goes on.
    void Answer(int greeting, int reply) {
        PickUp();
        Choose(greeting);
        WaitOutAWrongChoice();
        PickUp();
        Choose(reply);
        WaitOutAWrongChoice();
        Step();
    }
    void WaitOutAWrongChoice() {
        if (!calls->Shell().IsPaused()) return;
        EXPECT_TRUE(calls->Shell().IsWrongSignShown());
        WaitOutTheWrongAnswer();
    }
    const Call& CallNow() const { return table->calls[calls->GetCallIndex() - 1]; }
    void AnswerRight() { Answer(kRightGreeting, CallNow().rightReply); }
    int Wrong(int right) const { return (right + 1) % kChoiceCount; }

    static constexpr unsigned kTick = 0x20C040FF, kCross = 0xE02020FF;
    // The review's marks: the tick (green) or the cross (red).
    static char MarkAt(unsigned rgba) {
        const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF;
        return g > 0x90 && r < 0x60 ? 'T' : r > 0xB0 && g < 0x60 ? 'X' : '-';
    }

    const CAnsweringCalls* calls = nullptr;
    const CallGame* table = nullptr;
};

}  // namespace

TEST_F(Calls, EightRightChoicesGoStraightToThePanelAndAreSaved) {
    OpenEveryday();
    PressPlay();
    ASSERT_EQ(calls->Shell().phase, PhasePlay);
    for (int call = 1; call <= kCallCount; ++call) {
        EXPECT_EQ(calls->GetCallIndex(), call);
        AnswerRight();
    }
    EXPECT_EQ(calls->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanel());
    Step();
    EXPECT_EQ(model->GetCompte(0, 6), 8);
    EXPECT_EQ(model->GetTotalScore(), 8);
    Click(kW / 2, kH / 2);  // a click on the panel saves
    EXPECT_EQ(Saved().compte[0][6], 8);
}

TEST_F(Calls, AGameWithMistakesShowsTheReviewThenThePanel) {
    OpenSheets();
    PressPlay();
    AnswerRight();
    Answer(Wrong(kRightGreeting), CallNow().rightReply);  // greeting wrong: 1 of 2
    Answer(kRightGreeting, Wrong(CallNow().rightReply));  // reply wrong: 1 of 2
    Answer(Wrong(kRightGreeting), Wrong(CallNow().rightReply));
    EXPECT_EQ(calls->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 4);
    const int expected[kPointCount] = {1, 1, 0, 1, 1, 0, 0, 0};
    for (int n = 0; n < kPointCount; ++n) EXPECT_EQ(calls->GetPoint(n), expected[n]) << n;
    Step(20);  // the marks fall and rest
    // Beside each row, in order from the top: the tick for a right choice,
    // the cross for a missed one (the row gives the right words).
    // The marks are drawn at 0.6 of their 64 pixels: apart from each other
    // and from the words.
    constexpr int kMarkHalf = 20;
    for (int n = 0; n < kPointCount; ++n) {
        const CPoint mark = calls->ReviewMarkOf(n);
        EXPECT_LT(mark.x + kMarkHalf, calls->ReviewRowOf(n).x) << n;
        if (n > 0) {
            EXPECT_GT(mark.y - calls->ReviewMarkOf(n - 1).y, 2 * kMarkHalf) << n;
        }
        EXPECT_EQ(MarkAt(PixelOfAFrame(mark, kW, kH)), expected[n] == 1 ? 'T' : 'X') << n;
    }
    EXPECT_GT(calls->ReviewMarkOf(0).y - kMarkHalf, 84);  // below the corner buttons
    EXPECT_LT(calls->ReviewMarkOf(kPointCount - 1).y + kMarkHalf, kH - 80);  // above the legend
    Click(200, 400);  // the review waits for the play button
    EXPECT_EQ(calls->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(calls->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(model->GetCompte(0, 9), 4);
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[0][9], 4);
    EXPECT_EQ(saved.totalScore, 4);
}

TEST_F(Calls, AWrongGreetingThenTheRightReplyScoresOne) {
    OpenEveryday();
    PressPlay();
    Answer(Wrong(kRightGreeting), CallNow().rightReply);
    EXPECT_EQ(calls->GetPoint(0), 0);
    EXPECT_EQ(calls->GetPoint(1), 1);
    EXPECT_EQ(calls->GetCallIndex(), 2);
}

TEST_F(Calls, TheGreetingIsChosenOnceAndThenTheReceiverOpensTheReplies) {
    OpenEveryday();
    PressPlay();
    PickUp();
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_GREETING);
    Choose(kRightGreeting);
    EXPECT_TRUE(calls->IsGreetingChosen());
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_NONE);
    EXPECT_EQ(calls->GetPoint(0), 1);
    PickUp();
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_REPLY);
    // Clicking outside leaves the call going and its greeting as it was.
    Click(200, 400);
    Click(200, 400);
    EXPECT_EQ(calls->GetCallIndex(), 1);
    EXPECT_EQ(Points(), 0);  // the panel counts only at the end
}

TEST_F(Calls, AWrongReplyStillEndsTheCallAndTheNextOneRings) {
    OpenSheets();
    PressPlay();
    Answer(kRightGreeting, Wrong(CallNow().rightReply));
    EXPECT_EQ(calls->GetCallIndex(), 2);
    EXPECT_FALSE(calls->IsGreetingChosen());
    EXPECT_EQ(calls->GetPoint(1), 0);
    // The new call starts with both lists fresh: the receiver opens the greetings.
    PickUp();
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_GREETING);
}

TEST_F(Calls, RepeatedRightChoicesAddNoPoints) {
    OpenEveryday();
    PressPlay();
    PickUp();
    Choose(kRightGreeting);
    for (int i = 0; i < 3; ++i) Click(200, 400);  // outside, again and again
    PickUp();
    Choose(CallNow().rightReply);
    for (int call = 2; call <= kCallCount; ++call) AnswerRight();
    EXPECT_EQ(Points(), 8);
    ASSERT_TRUE(FinishPanel());
    EXPECT_EQ(model->GetTotalScore(), 8);
}

// A pointer that moves over the list only lights the row under it: a click
// on the receiver then opens the greetings again, none of them chosen.
TEST_F(Calls, AGreetingUnderThePointerIsNotTakenByAClickOnTheReceiver) {
    OpenEveryday();
    PressPlay();
    PickUp();
    const CPoint row = calls->GetRowLocation(kRightGreeting);
    Move(row.x, row.y);
    PickUp();
    EXPECT_FALSE(calls->IsGreetingChosen());
    EXPECT_EQ(calls->GetPoint(0), 0);
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_GREETING);
}

TEST_F(Calls, EachRowIsHeardAsThePointerMovesOntoIt) {
    OpenEveryday();
    PressPlay();
    PickUp();
    model->StopSoundFile();
    const CPoint first = calls->GetRowLocation(0), second = calls->GetRowLocation(1);
    Move(first.x, first.y);
    EXPECT_TRUE(model->IsSoundPlaying());
    model->StopSoundFile();
    Move(first.x + 30, first.y);  // the same row: not said again
    EXPECT_FALSE(model->IsSoundPlaying());
    Move(second.x, second.y);
    EXPECT_TRUE(model->IsSoundPlaying());
}

TEST_F(Calls, TheIntroExplainsTheHandsetAndExitLeavesForTheRoom) {
    OpenEveryday();
    model->StopSoundFile();
    const CPoint handset = calls->GetHandsetLocation();
    Click(handset.x + 100, handset.y);
    EXPECT_TRUE(model->IsSoundPlaying());
    EXPECT_EQ(calls->Shell().phase, PhaseIntro);
    PressPlay();
    PickUp();
    PressExit();
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    model->SetGameState(GAMESTATE_INGAME);
    Step();
    EXPECT_EQ(calls->Shell().phase, PhaseIntro);
    EXPECT_EQ(calls->GetCallIndex(), 1);
    EXPECT_FALSE(calls->IsGreetingChosen());
}

// Help, the sheet and leaving close an open list, and the row the pointer
// was on is not taken for a choice.
TEST_F(Calls, HelpClosesTheOpenListWithoutChoosing) {
    OpenEveryday();
    PressPlay();
    PickUp();
    const CPoint row = calls->GetRowLocation(1);  // "Bonjour!", not the right greeting
    Move(row.x, row.y);
    PressHelp();
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_NONE);
    Click(200, 400);
    EXPECT_FALSE(calls->IsGreetingChosen());
    PickUp();
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_GREETING);
    Choose(kRightGreeting);
    EXPECT_EQ(calls->GetPoint(0), 1);
}

TEST_F(Calls, TheSheetAndLeavingCloseTheOpenList) {
    OpenSheets();
    PressPlay();
    PickUp();
    Choose(kRightGreeting);
    PickUp();
    ASSERT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_REPLY);
    const CPoint row = calls->GetRowLocation(CallNow().rightReply);
    Move(row.x, row.y);
    PressInstructions();
    EXPECT_EQ(calls->Shell().phase, PhaseInstructions);
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_NONE);
    PressPlay();
    Click(200, 400);
    EXPECT_EQ(calls->GetCallIndex(), 1);  // the reply under the pointer was not taken
    EXPECT_EQ(calls->GetPoint(1), 0);
    PickUp();
    ASSERT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_REPLY);
    PressExit();
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
    EXPECT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_NONE);
}

// --- the lists as the pointer slides over them ---

namespace {

class CallLists : public Calls {
protected:
    // Where a row's words are drawn on the open list, which stands 125
    // pixels right of the receiver.
    CPoint Words(int row) const {
        const CPoint receiver = calls->GetReceiverLocation();
        return CPoint(receiver.x + 125 + 120, receiver.y + 40 * row - 12);
    }
    void Slide(std::initializer_list<int> rows) {
        for (int row : rows) {
            const CPoint at = Words(row);
            for (int dy = -6; dy <= 6; dy += 3) Move(at.x, at.y + dy);
        }
    }
    // Slides over the rows, to the words of the last one, and clicks there.
    void SlideAndClick(std::initializer_list<int> rows) {
        Slide(rows);
        const CPoint at = Words(*(rows.end() - 1));
        Move(at.x, at.y);
        Click(at.x, at.y);
    }
};

}  // namespace

// The full greeting is the top row: reached from below, it is chosen on its
// words; rows slid over on the way, or a click off the list, choose nothing.
TEST_F(CallLists, SlidingOverTheGreetingsChoosesNoneAndTheTopOneIsChosenOnItsWords) {
    OpenEveryday();
    PressPlay();
    PickUp();
    Slide({2, 1, 0, 1});
    Click(200, 400);  // off the list
    EXPECT_FALSE(calls->IsGreetingChosen());
    EXPECT_FALSE(calls->Shell().IsPaused());  // nothing judged, no cross
    PickUp();
    ASSERT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_GREETING);
    SlideAndClick({2, 1, 0});
    EXPECT_TRUE(calls->IsGreetingChosen());
    EXPECT_EQ(calls->GetPoint(0), 1);
    PickUp();
    ASSERT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_REPLY);
    // The pointer on a reply lights it pale; nothing stands on the chosen dark bar yet.
    Move(Words(1).x, Words(1).y);
    const unsigned lit = PixelOfAFrame(CPoint(Words(1).x + 300, Words(1).y + 4), kW, kH);
    EXPECT_TRUE((lit >> 24) > 0xA0 && (lit >> 24) < 0xD0 && ((lit >> 8) & 0xFF) > 0xE0) << std::hex << lit;
    SlideAndClick({2, 1, 0});  // "Nous sommes ouverts du lundi au vendredi, de 9 h a 17 h."
    EXPECT_EQ(calls->GetPoint(1), 1);
    EXPECT_EQ(calls->GetCallIndex(), 2);
}

TEST_F(CallLists, TheSheetsRepliesAreChosenOnlyByAClickOnTheirWords) {
    OpenSheets();
    PressPlay();
    PickUp();
    SlideAndClick({1, 2, 0});
    EXPECT_EQ(calls->GetPoint(0), 1);
    PickUp();
    ASSERT_EQ(calls->GetOpenList(), CAnsweringCalls::LIST_REPLY);
    Slide({0, 1, 2});
    Click(200, 400);  // off the list: the call waits for its reply
    EXPECT_EQ(calls->GetCallIndex(), 1);
    EXPECT_FALSE(calls->Shell().IsPaused());
    PickUp();
    SlideAndClick({2, 0, 1});  // "Du lundi au jeudi de 8:30am a 4:30pm."
    EXPECT_EQ(calls->GetPoint(1), 1);
    EXPECT_EQ(calls->GetCallIndex(), 2);
}
