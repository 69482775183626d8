// The lobby's directory, panel and voices are made from the game's
// directory table: these tests catch a directory line that sends a learner
// to another floor than the game judges, a button drawn away from where the
// game looks for it, and a recording that names someone else.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "minigames/pizzeria/LobbyDirectory.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace LobbyDirectory;

namespace {

std::string Image(const char* name) { return std::string(ZELK_GAME_DIR) + "/Images/" + name; }

// The floor a directory line leads to: a suite's hundreds ("Bureau 1003"
// is on the tenth floor), or the floor named ("3e étage", "1er étage").
int FloorOf(const std::string& where) {
    const std::string suite = "Bureau ";
    if (where.compare(0, suite.size(), suite) == 0) return std::atoi(where.c_str() + suite.size()) / 100;
    return std::atoi(where.c_str());
}

}  // namespace

TEST(LobbyAssets, EveryDirectoryLineLeadsToItsFloorAndThatFloorHasAButton) {
    EXPECT_EQ(FloorOf("Bureau 1003"), 10);
    EXPECT_EQ(FloorOf("1er étage"), 1);
    std::set<int> floors;
    for (const Button& b : kButtons) floors.insert(b.floor);
    for (const Tenant& t : kTenants) {
        EXPECT_EQ(FloorOf(t.where), t.floor) << t.firstName << " " << t.surname;
        EXPECT_TRUE(floors.count(t.floor)) << t.surname << " has no button";
    }
}

TEST(LobbyAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    EXPECT_TRUE(lines.count("Intro2_4.mp3"));
    for (const Visitor& v : kVisitors) {
        ASSERT_TRUE(lines.count(v.recording)) << v.recording;
        EXPECT_EQ(lines.at(v.recording), std::string("fr|") + v.spoken);
        const Tenant& t = kTenants[v.tenant];
        EXPECT_NE(std::string(v.spoken).find(std::string(t.firstName) + " " + t.surname), std::string::npos)
            << v.recording << " does not name " << t.surname;
    }
    for (const Part& part : kParts) {
        ASSERT_TRUE(lines.count(part.explanation)) << part.explanation;
        EXPECT_EQ(lines.at(part.explanation), std::string("fr|") + part.spoken);
    }
}

// Each button's face is light inside its dark ring, at the table's offset
// (the panel file is twice its size on screen).
TEST(LobbyAssets, TheButtonsAreDrawnWhereTheGameLooksForThem) {
    const PicturePixels panel(Image("elevatorButtons.png"));
    ASSERT_NE(panel.data, nullptr);
    for (const Button& b : kButtons) {
        const double x = panel.width / 2.0 + 2 * b.dx, y = panel.height / 2.0 + 2 * b.dy;
        EXPECT_GT(panel.BrightnessAt(x - kButtonRadius, y), 200) << b.label;
        EXPECT_LT(panel.BrightnessAt(x - 2 * kButtonRadius + 6, y), 150) << b.label;
    }
}
