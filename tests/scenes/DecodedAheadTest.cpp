#include <filesystem>

#include "core/CCategory.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "scenes/CSubMenu.h"
#include "support/GameFixture.h"
#include "ui/CPicturePrefetch.h"

namespace {
class DecodedAhead : public GameFixture {
protected:
    // A small view: the curtain crosses it in 32 frames, the same pictures load.
    static constexpr int kW = 320, kH = 240;
    void Frame() { Frames(1, kW, kH); }
    void Pictures() override {
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
    }
};
}  // namespace

// The curtain decodes the minigame's big pictures while it closes; the
// minigame's first frame must show every one of them (a name the sheet
// gives but the first frame does not show is decoded for nothing).
TEST_F(DecodedAhead, EveryMinigamesFirstFrameShowsWhatItsCurtainDecodedAhead) {
    model->SetLogin("Ana");
    for (int type = MINIGAME_1_1; type <= MINIGAME_3_5; ++type) {
        if (MinigameCategory(type) == CATEGORY_NONE) continue;
        model->SetCurrentCategory(MinigameCategory(type));
        model->SetGameState(GAMESTATE_SUBMENU);
        Frame();
        model->GetSubMenu()->Transition(MinigamePosition(type));  // as a click on its icon does
        const int64_t requested = CPicturePrefetch::RequestCount(), taken = CPicturePrefetch::TakenCount();
        for (int frame = 0; frame < 200 && model->GetGameState() != GAMESTATE_INGAME; ++frame) Frame();
        ASSERT_EQ(model->GetGameState(), GAMESTATE_INGAME) << type;
        ASSERT_EQ(model->GetMinigameType(), type);
        const int64_t asked = CPicturePrefetch::RequestCount() - requested;
        EXPECT_EQ(static_cast<size_t>(asked), CMinigameShell::FirstFramePictures(static_cast<MinigameType>(type)).size())
            << type;
        EXPECT_GE(asked, 1) << type;  // the background at least
        Frame();
        EXPECT_EQ(CPicturePrefetch::TakenCount() - taken, asked) << "minigame " << type;
        model->InGameLeave();
    }
}

TEST_F(DecodedAhead, ACurtainStoppedAndRunToAnotherMinigameDecodesThatOnesPictures) {
    model->SetLogin("Ana");
    model->SetCurrentCategory(CATEGORY_GROCERY);
    model->SetGameState(GAMESTATE_SUBMENU);
    Frame();
    const std::vector<CAbstractMinigame*>& games = *model->GetCurrentCategory()->GetMinigames();
    const CPoint dates = games[0]->GetIcon()->GetPosition(), scale = games[3]->GetIcon()->GetPosition();
    Click(dates.x, dates.y);
    for (int i = 0; i < 10; ++i) Frame();
    Click(kW / 2, 100);  // on nothing: the curtain stops
    for (int i = 0; i < 5; ++i) Frame();
    const int64_t taken = CPicturePrefetch::TakenCount();
    Click(scale.x, scale.y);
    for (int frame = 0; frame < 200 && model->GetGameState() != GAMESTATE_INGAME; ++frame) Frame();
    ASSERT_EQ(model->GetMinigameType(), MINIGAME_3_4);
    Frame();
    EXPECT_EQ(static_cast<size_t>(CPicturePrefetch::TakenCount() - taken),
              CMinigameShell::FirstFramePictures(MINIGAME_3_4).size());
}
