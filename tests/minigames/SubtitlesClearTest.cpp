// The words of a voice never hide what the learner has to click: on every
// minigame's play screen, with the game's real pictures, no place where the
// pointing hand shows lies under the subtitle band.
#include <filesystem>
#include <string>
#include <vector>

#include "core/CSubtitles.h"
#include "support/EveryScreen.h"
#include "support/GameFixture.h"
#include "ui/CornerLayout.h"

namespace {

class SubtitlesClear : public GameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;
    static constexpr int kStep = 6;

    void Pictures() override {
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
    }
    void Open(int type) {
        model->SetLogin("Ana");
        OpenScreen(*model, {"minigame", GAMESTATE_INGAME, MinigameCategory(type), type});
        Frames(2, kW, kH);
        Click(kW - CornerLayout::kPlayFromRight, CornerLayout::kY);
        Frames(2, kW, kH);
    }
    // The places of the screen where the hand shows, inside a box.
    std::vector<CPoint> HandPlacesIn(const CRect& box) {
        std::vector<CPoint> places;
        for (int y = box.top; y < box.bottom; y += kStep) {
            for (int x = box.left; x < box.right; x += kStep) {
                Move(x, y);
                if (model->GetCursor() == CURSOR_HAND) places.push_back(CPoint(x, y));
            }
        }
        return places;
    }
};

}  // namespace

TEST_F(SubtitlesClear, NoMinigameHasATargetUnderTheBand) {
    for (int type = MINIGAME_1_1; type <= MINIGAME_3_5; ++type) {
        if (MinigameCategory(type) == CATEGORY_NONE) continue;
        Open(type);
        const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
        const std::vector<CPoint> covered = HandPlacesIn(band);
        std::string where;
        for (const CPoint& at : covered) where += " (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
        EXPECT_TRUE(covered.empty()) << "minigame " << type << ": " << covered.size() << " places" << where.substr(0, 200);
    }
}
