#include "scenes/CCredits.h"
#include "scenes/CSplash.h"
#include "scenes/CTitle.h"
#include "support/GameFixture.h"
#include "support/ScriptedLearner.h"

namespace {
class Opening : public GameFixture {
protected:
    void Pictures() override {
        folder.AddPicture("title_login.png", 128, 64);   // 128 x 64 at scale 2
        folder.AddPicture("title_exit.png", 128, 64);
        folder.AddPicture("credits_button.png", 256, 128);  // 96 x 48 at scale 0.75
        folder.AddPicture("exit.png", 128, 64);          // 64 x 32, bottom right
    }
};
}  // namespace

TEST_F(Opening, TheSplashFadesFromFrame259AndHandsOverWhenItsAlphaReadsBelowZero) {
    CSplash* splash = model->GetSplash();
    int frame = 0;
    int fadeSeenOn = 0;
    float alphaBefore = 1.0f;
    while (model->GetGameState() == GAMESTATE_SPLASH && frame < 400) {
        alphaBefore = splash->GetAlpha();
        Frames(1);
        ++frame;
        if (fadeSeenOn == 0 && splash->GetAlpha() < 1.0f) fadeSeenOn = frame + 1;  // drawn faded next frame
    }
    EXPECT_EQ(fadeSeenOn, 259);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_TITLE);
    // The title came on the frame whose alpha, read after drawing, was below 0.
    EXPECT_LT(alphaBefore, 0.0f);
    EXPECT_GE(alphaBefore + CSplash::kFadeStep, 0.0f);
    EXPECT_NEAR(frame, 258 + 26, 1);
}

TEST_F(Opening, NothingReachesTheSplash) {
    Move(400, 300);
    Click(400, 300);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_SPLASH);
}

TEST_F(Opening, TitleButtonsInAnEightHundredBySixHundredView) {
    model->SetGameState(GAMESTATE_TITLE);
    CTitle* title = model->GetTitle();
    EXPECT_EQ(title->HitTest(CPoint(712, 474)), TITLEHIT_NONE);  // not drawn yet
    Frames(1);
    EXPECT_EQ(title->GetButton(TITLEHIT_LOGIN)->GetPosition(), CPoint(712, 474));
    EXPECT_EQ(title->GetButton(TITLEHIT_EXIT)->GetPosition(), CPoint(782, 549));
    EXPECT_EQ(title->GetButton(TITLEHIT_CREDITS)->GetPosition(), CPoint(84, 530));
    // Exit is tested first where the two overlap.
    EXPECT_EQ(title->HitTest(CPoint(712, 474)), TITLEHIT_LOGIN);
    EXPECT_EQ(title->HitTest(CPoint(760, 530)), TITLEHIT_EXIT);
    EXPECT_EQ(title->HitTest(CPoint(84, 530)), TITLEHIT_CREDITS);
    EXPECT_EQ(title->HitTest(CPoint(400, 100)), TITLEHIT_NONE);
}

TEST_F(Opening, HoveringLightsExactlyTheButtonUnderThePointer) {
    model->SetGameState(GAMESTATE_TITLE);
    Frames(1);
    CTitle* title = model->GetTitle();
    Move(712, 474);
    EXPECT_TRUE(title->GetButton(TITLEHIT_LOGIN)->GetLight());
    Move(84, 530);
    EXPECT_TRUE(title->GetButton(TITLEHIT_CREDITS)->GetLight());
    EXPECT_FALSE(title->GetButton(TITLEHIT_LOGIN)->GetLight());
    EXPECT_FALSE(title->GetButton(TITLEHIT_EXIT)->GetLight());
    Move(400, 100);
    for (TitleHit hit : {TITLEHIT_LOGIN, TITLEHIT_CREDITS, TITLEHIT_EXIT}) {
        EXPECT_FALSE(title->GetButton(hit)->GetLight());
    }
}

TEST_F(Opening, CreditsComeAndGoOnlyThroughTheirButtons) {
    model->SetGameState(GAMESTATE_TITLE);
    Frames(1);
    Click(84, 530);
    ASSERT_EQ(model->GetGameState(), GAMESTATE_CREDITS);
    Frames(1);
    Move(780, 590);  // moves are ignored on the credits
    Click(400, 300);
    EXPECT_EQ(model->GetGameState(), GAMESTATE_CREDITS);
    Click(GlWindow::kWidth - 32, GlWindow::kHeight - 16);  // the exit picture's centre
    EXPECT_EQ(model->GetGameState(), GAMESTATE_TITLE);
}

TEST_F(Opening, LoggingInLeadsToTheTownMapAndCancellingStaysOnTheTitle) {
    model->SetGameState(GAMESTATE_TITLE);
    Frames(1);
    {
        Learner learner;
        learner.Type("Ana").Key(27);
        Click(712, 474);
        EXPECT_EQ(model->GetGameState(), GAMESTATE_TITLE);
    }
    {
        Learner learner;
        learner.Type("Ana").Key(13);
        Click(712, 474);
        EXPECT_EQ(model->GetGameState(), GAMESTATE_MAINMENU);
        EXPECT_EQ(model->GetLogin(), "Ana");
        EXPECT_EQ(learner.overran, 0);
    }
}
