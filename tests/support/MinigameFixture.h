#pragma once
#include <filesystem>
#include <string>

#include "core/CModel.h"
#include "core/CProfile.h"
#include "core/GameTypes.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "support/GameFixture.h"
#include "ui/CornerLayout.h"

// Any minigame, opened as from its room, played by the learner "Ana" to its
// score panel and read back from the saved profile. The view is kW x kH
// unless a fixture gives its own size; the pictures and sounds are the ones
// the build made unless it overrides Pictures() with pictures of its own
// (sized and coloured so that a test can tell them apart on screen).
class MinigameFixture : public GameFixture {
protected:
    static constexpr int kW = 1024;
    static constexpr int kH = 768;

    explicit MinigameFixture(int width = kW, int height = kH) : viewW(width), viewH(height) {}

    void Pictures() override { RealPicturesAndSounds(); }
    void RealPicturesAndSounds() {
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
    }
    void SetUp() override {
        GameFixture::SetUp();
        model->SetLogin("Ana");
    }

    // The minigame as the room opens it, after `frames` frames; the game
    // itself, as its class.
    template <class Game = CAbstractMinigame>
    Game* Open(int type, int frames = 2) {
        model->SetCurrentCategory(MinigameCategory(type));
        model->SetMinigameType(static_cast<MinigameType>(type));
        model->SetGameState(GAMESTATE_INGAME);
        Frames(frames, viewW, viewH);
        return static_cast<Game*>((*model->GetCurrentCategoryMinigames())[MinigamePosition(type)]);
    }
    const CMinigameShell& Shell() const { return *model->GetActiveShell(); }
    bool InMinigame() const { return model->GetActiveShell() != nullptr; }
    // n frames at the fixture's view size.
    void Step(int n = 1) { Frames(n, viewW, viewH); }

    void PressExit() { Click(CornerLayout::kExitX, CornerLayout::kY); }
    void PressPlay() { Click(viewW - CornerLayout::kPlayFromRight, CornerLayout::kY); }
    void PressHelp() { Click(viewW - CornerLayout::kHelpFromRight, CornerLayout::kY); }
    void PressInstructions() { Click(viewW - CornerLayout::kInstructionFromRight, CornerLayout::kY); }
    void PressSubtitles() { Click(viewW - CornerLayout::kMuteFromRight, CornerLayout::kSubtitlesY); }

    // The intro's sheet left for play, where the game opens on it.
    void StartPlay() {
        if (Shell().phase == PhaseIntro) PressPlay();
        Step(2);
    }
    // The wrong answer's cross and sound end, and input comes back.
    void WaitOutTheWrongAnswer() {
        for (int i = 0; i < 2000 && InMinigame() && Shell().IsPaused(); ++i) Step();
        Step();
    }
    int Points() const { return Shell().resultsPanel->GetCompte(); }

    // The score panel drawn until all its slots are shown and the score is
    // stored; false if it never comes.
    bool FinishPanel() {
        Step();  // the panel's first frame sets its slots
        for (int i = 0; i < 2000 && !PanelReady(); ++i) Step();
        return PanelReady();
    }
    // A panel not yet drawn has no slots and so no slot left to show: ready
    // only on the score panel's own phase.
    bool PanelReady() const {
        return InMinigame() && Shell().phase == PhaseResults && Shell().resultsPanel->ButtonsShown();
    }
    // The learner's saved profile (a test fails if it cannot be read).
    CProfile Saved() const {
        CProfile saved;
        EXPECT_EQ(saved.LoadFrom(folder.File("Profiles"), "Ana"), CProfile::READ_OK);
        return saved;
    }
    // The minigame's cell of the saved profile, -1 if unreadable.
    int SavedCell(int type) const {
        CProfile saved;
        if (saved.LoadFrom(folder.File("Profiles"), "Ana") != CProfile::READ_OK) return -1;
        return saved.compte[MinigameCategory(type)][MinigamePosition(type)];
    }

    // For a fixture with pictures of its own: the corner buttons and the
    // panel's restart, 128 x 64 at scale 2.
    void CornerButtonPictures() {
        for (const char* name : {"title_exit.png", "button_play.png", "button_instruction.png",
                                 "button_questionmark.png", "button_mute.png", "button_reward_restart.png",
                                 "button_reward_practice.png"}) {
            folder.AddPicture(name, 128, 64);
        }
    }
    // The panel finished and drawn once more with its buttons, then a click
    // on its middle, which saves the profile; false if it never came.
    bool FinishPanelAndSave() {
        if (!FinishPanel()) return false;
        Step();
        Click(viewW / 2, viewH / 2);
        return true;
    }

    const int viewW;
    const int viewH;
};
