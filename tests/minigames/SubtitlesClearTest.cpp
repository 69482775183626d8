// The words of a voice never hide what the learner has to click: on every
// minigame's play screen, with the game's real pictures, no place where the
// pointing hand shows lies under the subtitle band.
#include <string>
#include <vector>

#include "core/CSubtitles.h"
#include "support/EveryScreen.h"
#include "support/MinigameFixture.h"

namespace {

class SubtitlesClear : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;
    static constexpr int kStep = 6;

    SubtitlesClear() : MinigameFixture(kW, kH) {}

    // One minigame after another: the one shown is left as the game would.
    void OpenToPlay(int type) {
        OpenScreen(*model, {"minigame", GAMESTATE_INGAME, MinigameCategory(type), type});
        Step(2);
        StartPlay();
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
        OpenToPlay(type);
        const CRect band = CSubtitles::BandBox(kW, kH, model->GetSubtitlePlace());
        const std::vector<CPoint> covered = HandPlacesIn(band);
        std::string where;
        for (const CPoint& at : covered) where += " (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
        EXPECT_TRUE(covered.empty()) << "minigame " << type << ": " << covered.size() << " places" << where.substr(0, 200);
    }
}
