#include "minigames/dentist/CMinigame1_2.h"
#include "minigames/dentist/CMinigame1_3.h"
#include "support/GameFixture.h"

using namespace MessageForm;

namespace {

class MessagePad : public GameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    void Pictures() override {
        for (const char* name : {"title_exit.png", "button_play.png", "button_instruction.png",
                                 "button_questionmark.png", "button_mute.png", "button_reward_restart.png"}) {
            folder.AddPicture(name, 128, 64);  // 128 x 64 at scale 2
        }
        folder.AddPicture("dropdownbox.png", 512, 512);
    }
    void SetUp() override {
        GameFixture::SetUp();
        CMinigameShell::clock = [] { return 1000.0; };
        model->SetLogin("Ana");
    }
    // Opens the French (1_2) or the English (1_3) game and starts playing.
    void Open(MinigameType type) {
        model->SetCurrentCategory(CATEGORY_DENTIST);
        model->SetMinigameType(type);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, kW, kH);
        cell = type;
        form = type == MINIGAME_1_2
                   ? &static_cast<CMinigame1_2*>((*model->GetCurrentCategoryMinigames())[1])->Form()
                   : &static_cast<CMinigame1_3*>((*model->GetCurrentCategoryMinigames())[2])->Form();
    }
    void PressPlay() { Click(kW - 250, 52); }
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
    int Points() const { return form->Shell().resultsPanel->GetCompte(); }
    void FinishPanel() {
        Frames(1, kW, kH);
        for (int i = 0; i < 400 && !form->Shell().resultsPanel->ButtonsShown(); ++i) Frames(1, kW, kH);
        Frames(1, kW, kH);
        Click(kW / 2, kH / 2);  // a click on the panel saves
    }
    int SavedCell() const {
        CProfile saved;
        EXPECT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
        return saved.compte[0][cell];
    }
    void Reenter() {
        Click(80, 52);  // exit
        ASSERT_EQ(model->GetGameState(), GAMESTATE_SUBMENU);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, kW, kH);
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
    EXPECT_EQ(form->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 8);
    FinishPanel();
    EXPECT_EQ(SavedCell(), 8);
    EXPECT_EQ(model->GetTotalScore(), 8);
}

TEST_F(MessagePad, AFlawedEnglishFormIsReviewedWithStampsOnTheRightEntriesOnly) {
    Start(MINIGAME_1_3);
    const Recording& r = form->GetRecording();
    FillRight();
    Choose(LIST_CALLER, (r.right[LIST_CALLER] + 1) % kNone);  // the wrong caller
    Tick(r.boxes[1]);                                          // and one box unticked again
    Tick(kUrgentBox);                                          // an extra box costs nothing
    PressPlay();
    ASSERT_EQ(form->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 6);
    const auto& marks = form->GetRightEntries();
    ASSERT_EQ(marks.size(), 6u);
    const CPoint caller = FieldTarget(LIST_CALLER);
    for (const CPoint& at : marks) EXPECT_NE(at, CPoint(caller.x + 75, caller.y));
    const CPoint recipient = FieldTarget(LIST_RECIPIENT);
    EXPECT_EQ(marks[0], CPoint(recipient.x + 50, recipient.y));
    EXPECT_EQ(marks.back(), form->GetBoxTarget(r.boxes[0]));
    Frames(20, kW, kH);
    EXPECT_FLOAT_EQ(form->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    Click(400, 300);  // only the play button leaves the review
    EXPECT_EQ(form->Shell().phase, PhaseReview);
    PressPlay();
    EXPECT_EQ(form->Shell().phase, PhaseResults);
    FinishPanel();
    EXPECT_EQ(SavedCell(), 6);
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
    FinishPanel();
    Click(150, kH - 101);  // the panel's restart: the other recording again
    EXPECT_EQ(form->GetVariant(), first);
}

TEST_F(MessagePad, TheInstructionsExploreTheSameFourteenTargetsAsTheIntro) {
    Open(MINIGAME_1_3);
    ClickAt(form->GetFieldTarget(8));
    EXPECT_EQ(form->GetSelectedTarget(), 8);
    PressPlay();
    Click(kW - 346, 52);  // the instruction button
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
