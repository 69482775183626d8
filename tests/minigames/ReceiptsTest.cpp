#include <set>

#include "core/CProfile.h"
#include "minigames/grocery/CMinigame3_5.h"
#include "minigames/grocery/ReceiptLayout.h"
#include "support/GameFixture.h"
#include "support/WavWriter.h"

using namespace Receipts;

namespace {

class ReceiptGame : public GameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    void Pictures() override {
        for (const char* name : {"title_exit.png", "button_play.png", "button_instruction.png",
                                 "button_questionmark.png", "button_mute.png", "button_reward_restart.png"}) {
            folder.AddPicture(name, 128, 64);
        }
        for (const Receipt& r : kReceipts) {
            folder.AddPicture(r.right, 512, 256);
            folder.AddPicture(r.wrong, 512, 256);
        }
        folder.MakeFolder("Sounds");
        for (const QuestionInfo& q : kQuestions) WriteToneWav(folder.File("Sounds/") + q.term, 2000);
    }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetLogin("Ana");
        model->SetCurrentCategory(CATEGORY_GROCERY);
        model->SetMinigameType(MINIGAME_3_5);
        model->SetGameState(GAMESTATE_INGAME);
        Frames(1, kW, kH);
        game = static_cast<CMinigame3_5*>((*model->GetCurrentCategoryMinigames())[4]);
    }
    void PressPlay() { Click(kW - 250, 52); }
    void Answer(bool right) {
        const CPoint at = right ? game->GetRightAmount() : game->GetWrongAmount();
        Click(at.x, at.y);
        Frames(1, kW, kH);
    }
    int Points() const { return game->Shell().resultsPanel->GetCompte(); }
    void FinishPanel() {
        Frames(1, kW, kH);
        for (int i = 0; i < 400 && !game->Shell().resultsPanel->ButtonsShown(); ++i) Frames(1, kW, kH);
        Frames(1, kW, kH);
        Click(kW / 2, kH / 2);
    }
    CProfile Saved() const {
        CProfile saved;
        EXPECT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
        return saved;
    }

    CMinigame3_5* game = nullptr;
};

}  // namespace

TEST_F(ReceiptGame, FiveRightAmountsOpenThePanelAtOnceWithFive) {
    PressPlay();
    for (int r = 0; r < kReceiptCount; ++r) {
        EXPECT_EQ(game->GetReceipt(), r);
        Answer(true);
    }
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 5);
    FinishPanel();
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][4], 5);
    EXPECT_EQ(Saved().totalScore, 5);
}

TEST_F(ReceiptGame, AWrongAmountFlagsItsReceiptAndTheBoardLeadsToThePanel) {
    PressPlay();
    for (int r = 0; r < kReceiptCount; ++r) Answer(r != 1 && r != 3);
    EXPECT_EQ(game->Shell().phase, PhaseReview);
    for (int r = 0; r < kReceiptCount; ++r) EXPECT_EQ(game->IsFlagged(r), r == 1 || r == 3) << r;
    Frames(20, kW, kH);
    EXPECT_FLOAT_EQ(game->Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 3);
    FinishPanel();
    EXPECT_EQ(Saved().compte[CATEGORY_GROCERY][4], 3);
}

TEST_F(ReceiptGame, AClickBesideTheAmountsJudgesNothing) {
    PressPlay();
    Click(200, 400);  // on the receipt
    Click(game->GetRightAmount().x, (game->GetRightAmount().y + game->GetWrongAmount().y) / 2);  // between them
    EXPECT_EQ(game->GetReceipt(), 0);
    EXPECT_FALSE(game->IsFlagged(0));
    EXPECT_EQ(Points(), 0);
}

TEST_F(ReceiptGame, TheCoinPutsTheRightAmountAboveOrBelowAtTheTwoPlaces) {
    const int upper = static_cast<int>(kH / 2.0 - kH * 230.0 / 850.0);
    const int lower = static_cast<int>(kH / 2.0 + kH * 220.0 / 850.0);
    std::set<bool> seen;
    for (int game_ = 0; game_ < 10; ++game_) {
        for (int r = 0; r < kReceiptCount; ++r) seen.insert(game->IsRightOnTop(r));
        PressPlay();
        for (int r = 0; r < kReceiptCount; ++r) {
            const CPoint right = game->GetRightAmount(), wrong = game->GetWrongAmount();
            EXPECT_EQ(right.x, wrong.x);
            EXPECT_EQ(right.y, game->IsRightOnTop(r) ? upper : lower);
            EXPECT_EQ(wrong.y, game->IsRightOnTop(r) ? lower : upper);
            Answer(true);
        }
        game->Unload();
        Frames(1, kW, kH);
    }
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ReceiptGame, TheSheetsTermCardsSpeakTheirTerm) {
    for (int q = 0; q < kQuestionCount; ++q) {
        model->StopSoundFile();
        Click(game->GetTermCard(q).x, game->GetTermCard(q).y);
        EXPECT_TRUE(model->IsSoundPlaying()) << q;
    }
    model->StopSoundFile();
    Click(40, 700);  // off every card
    EXPECT_FALSE(model->IsSoundPlaying());
    EXPECT_EQ(game->Shell().phase, PhaseIntro);
}

TEST_F(ReceiptGame, TheInstructionsFromPlayKeepTheReceipt) {
    PressPlay();
    Answer(true);
    Click(kW - 346, 52);
    EXPECT_EQ(game->Shell().phase, PhaseInstructions);
    const CPoint right = game->GetRightAmount();
    Click(right.x, right.y);  // the amounts are hidden behind the sheet
    EXPECT_EQ(game->GetReceipt(), 1);
    PressPlay();
    EXPECT_EQ(game->Shell().phase, PhasePlay);
    Answer(true);
    EXPECT_EQ(game->GetReceipt(), 2);
    EXPECT_EQ(Points(), 2);
}
