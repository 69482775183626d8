#pragma once
#include <filesystem>
#include <fstream>
#include <string>

#include "core/CModel.h"
#include "core/CProfile.h"
#include "core/GameTypes.h"
#include "minigames/CMinigameShell.h"
#include "support/GameFixture.h"
#include "ui/CornerLayout.h"

// Any minigame, opened as from its room, with the pictures and sounds the
// build made, on a clock the test moves itself (seconds, from 1000).
class MinigameFixture : public GameFixture {
protected:
    static constexpr int kW = 1024;
    static constexpr int kH = 768;

    void Pictures() override {
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
    }
    void SetUp() override {
        GameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        model->SetLogin("Ana");
    }

    void Open(int type) {
        model->SetCurrentCategory(MinigameCategory(type));
        model->SetMinigameType(static_cast<MinigameType>(type));
        model->SetGameState(GAMESTATE_INGAME);
        Frames(2, kW, kH);
    }
    const CMinigameShell& Shell() const { return *model->GetActiveShell(); }
    bool InMinigame() const { return model->GetActiveShell() != nullptr; }

    void PressExit() { Click(CornerLayout::kExitX, CornerLayout::kY); }
    void PressPlay() { Click(kW - CornerLayout::kPlayFromRight, CornerLayout::kY); }
    void PressHelp() { Click(kW - CornerLayout::kHelpFromRight, CornerLayout::kY); }
    void PressInstructions() { Click(kW - CornerLayout::kInstructionFromRight, CornerLayout::kY); }
    void PressSubtitles() { Click(kW - CornerLayout::kMuteFromRight, CornerLayout::kSubtitlesY); }

    // The intro's sheet left for play, where the game opens on it.
    void StartPlay() {
        if (Shell().phase == PhaseIntro) PressPlay();
        Frames(2, kW, kH);
    }
    int Points() const { return Shell().resultsPanel->GetCompte(); }

    // The score panel drawn until all its slots are shown and the score is
    // stored; false if it never comes.
    bool FinishPanel() {
        Frames(1, kW, kH);  // the panel's first frame sets its slots
        for (int i = 0; i < 600 && !(InMinigame() && Shell().resultsPanel->ButtonsShown()); ++i) Frames(1, kW, kH);
        return InMinigame() && Shell().resultsPanel->ButtonsShown();
    }
    // The minigame's cell of the learner's saved profile, -1 if unreadable.
    int SavedCell(int type) const {
        CProfile saved;
        if (saved.LoadFrom(folder.File("Profiles"), "Ana") != CProfile::READ_OK) return -1;
        return saved.compte[MinigameCategory(type)][MinigamePosition(type)];
    }

    double now = 1000.0;
};
