// The shared list as a learner meets it: the pointer sliding over it lights
// a row and chooses nothing; a click on an entry's words chooses that
// entry, the top one too; a click off the entries keeps the choice; the
// chosen entry stands on a dark bar.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/GlWindow.h"
#include "support/ScratchFolder.h"
#include "ui/CDropDownMenu.h"

namespace {

class DropDown : public testing::Test {
protected:
    void SetUp() override {
        GlWindow::BeginFrame();
        folder.AddPicture("dropdownbox.png", 512, 512);
        folder.AddPicture("dropdownbox_long.png", 1024, 512);
    }
    // A menu of the message pad's dates, its box centred at (300, 200).
    void FillDates(CDropDownMenu& menu) {
        for (const char* date : {"le 8 mars", "le 4 octobre", "le 8 octobre", "le 2 fevrier", "Aucun"})
            menu.AddItem(date);
        menu.SetPosition(CPoint(300, 200));
    }
    // The rows of the back buffer that hold dark ink between x0 and x1,
    // grouped in runs of touching rows: one run per line of words drawn.
    struct Run {
        int top, bottom, left, right;
    };
    static std::vector<Run> InkRuns(int x0, int x1, int y0, int y1) {
        glFinish();
        const int w = x1 - x0, h = y1 - y0;
        std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x0, GlWindow::kHeight - y1, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        std::vector<Run> runs;
        bool inRun = false;
        for (int y = y0; y < y1; ++y) {
            const int row = y1 - 1 - y;  // GL rows count from the bottom
            int left = -1, right = -1;
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = &pixels[(static_cast<size_t>(row) * w + x) * 4];
                if (p[0] < 0x60 && p[1] < 0x60) {
                    if (left < 0) left = x0 + x;
                    right = x0 + x;
                }
            }
            if (left < 0) {
                inRun = false;
                continue;
            }
            if (!inRun) runs.push_back({y, y, left, right});
            Run& run = runs.back();
            run.bottom = y;
            run.left = std::min(run.left, left);
            run.right = std::max(run.right, right);
            inRun = true;
        }
        return runs;
    }
    static bool IsDarkBar(unsigned rgba) {
        const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF, b = (rgba >> 8) & 0xFF;
        return r < 0x40 && g < 0x60 && b > 0x50 && b < 0x90;
    }
    static bool IsPaleBar(unsigned rgba) {
        const unsigned r = rgba >> 24, g = (rgba >> 16) & 0xFF, b = (rgba >> 8) & 0xFF;
        return r > 0xA0 && r < 0xD0 && g > 0xC0 && g < 0xE0 && b > 0xE0;
    }
    // The panel, and the words on the dark bar.
    static bool IsLight(unsigned rgba) {
        return (rgba >> 24) > 0xD0 && ((rgba >> 16) & 0xFF) > 0xD0 && ((rgba >> 8) & 0xFF) > 0xD0;
    }

    ScratchFolder folder;
};

}  // namespace

// "le 8 mars" lies on the top row, above the box's centre: it is chosen
// there, again after "le 8 octobre" was.
TEST_F(DropDown, TheTopEntryIsChosenByAClickOnItsWordsAfterAnother) {
    CDropDownMenu menu(nullptr);
    FillDates(menu);
    EXPECT_TRUE(menu.HitTest(CPoint(360, 268)));  // on "le 8 octobre"
    EXPECT_EQ(menu.GetSelectedItem(), "le 8 octobre");
    EXPECT_TRUE(menu.HitTest(CPoint(360, 188)));  // on "le 8 mars"
    EXPECT_EQ(menu.GetSelectedItem(), "le 8 mars");
    EXPECT_TRUE(menu.HitTest(CPoint(360, 350)));  // on "Aucun"
    EXPECT_EQ(menu.GetSelectedItem(), "Aucun");
}

TEST_F(DropDown, APointerSlidingOverTheListLightsRowsAndChoosesNothing) {
    CDropDownMenu menu(nullptr);
    FillDates(menu);
    for (int y = 170; y < 410; y += 3) menu.Hover(CPoint(360, y));  // down over every row
    EXPECT_EQ(menu.GetSelectedIndex(), -1);
    EXPECT_EQ(menu.GetSelectedItem(), "");
    menu.Hover(CPoint(360, 228));  // on "le 4 octobre"
    EXPECT_EQ(menu.GetHoveredIndex(), 1);
    EXPECT_TRUE(menu.HitTest(CPoint(360, 308)));  // "le 2 fevrier" chosen
    menu.Hover(CPoint(360, 188));
    menu.Hover(CPoint(360, 228));
    EXPECT_EQ(menu.GetSelectedItem(), "le 2 fevrier");
    menu.Hover(CPoint(900, 228));  // off the list: nothing lit
    EXPECT_EQ(menu.GetHoveredIndex(), -1);
    // Clicks off the entries keep the choice: above, beside, the empty row.
    for (CPoint off : {CPoint(360, 150), CPoint(250, 228), CPoint(600, 228), CPoint(360, 390)}) {
        EXPECT_FALSE(menu.HitTest(off)) << off.x << "," << off.y;
        EXPECT_EQ(menu.GetSelectedItem(), "le 2 fevrier") << off.x << "," << off.y;
    }
    menu.SetPosition(CPoint(-800, -800));  // closed: what was lit is forgotten
    EXPECT_EQ(menu.GetHoveredIndex(), -1);
}

// Wherever the words of an entry are drawn, top to bottom and left to right,
// a click there chooses it: the short list in 9 x 15 letters, and the long
// one in the smaller letters of the call lists.
TEST_F(DropDown, EveryDrawnEntryIsHitWhereItsWordsAre) {
    for (bool longList : {false, true}) {
        SCOPED_TRACE(longList ? "long" : "short");
        GlWindow::BeginFrame();
        CDropDownMenu menu(nullptr);
        if (longList) {
            menu.MakeItLong();
            menu.SetFont(GLUT_BITMAP_HELVETICA_12);
            for (const char* s : {"Bonjour, Cabinet dentaire des Erables, Ana a l'appareil.", "Bonjour!",
                                  "Bureau du dentiste!"})
                menu.AddItem(s);
            menu.SetPosition(CPoint(300, 200));
        } else {
            FillDates(menu);
        }
        menu.Draw();
        const std::vector<Run> words = InkRuns(250, 790, 120, 460);
        const int count = longList ? 3 : 5;
        ASSERT_EQ(static_cast<int>(words.size()), count);
        for (int entry = count - 1; entry >= 0; --entry) {  // the top one last, after the others
            const Run& w = words[entry];
            const int middleX = (w.left + w.right) / 2, middleY = (w.top + w.bottom) / 2;
            for (CPoint at : {CPoint(middleX, w.top), CPoint(middleX, w.bottom), CPoint(w.left, middleY),
                              CPoint(w.right, middleY)}) {
                EXPECT_TRUE(menu.HitTest(at)) << entry << " at " << at.x << "," << at.y;
                EXPECT_EQ(menu.GetSelectedIndex(), entry) << at.x << "," << at.y;
            }
        }
    }
}

TEST_F(DropDown, TheChosenEntryStandsOnADarkBarAndTheLitOneOnAPaleBar) {
    CDropDownMenu menu(nullptr);
    FillDates(menu);
    menu.Draw();
    const std::vector<Run> words = InkRuns(250, 790, 120, 460);  // all five, dark on the panel
    ASSERT_EQ(words.size(), 5u);

    GlWindow::BeginFrame();
    menu.HitTest(CPoint(360, 228));  // "le 4 octobre" chosen
    menu.Hover(CPoint(360, 308));    // the pointer on "le 2 fevrier"
    menu.Draw();
    const int beside = 480;  // right of the words, inside the panel
    for (int y : {words[1].top - 2, (words[1].top + words[1].bottom) / 2, words[1].bottom + 2}) {
        const unsigned p = GlWindow::ReadPixel(beside, y);
        EXPECT_TRUE(IsDarkBar(p)) << y << std::hex << " " << p;
    }
    EXPECT_TRUE(IsPaleBar(GlWindow::ReadPixel(beside, (words[3].top + words[3].bottom) / 2)));
    for (int entry : {0, 2, 4}) {
        const unsigned p = GlWindow::ReadPixel(beside, (words[entry].top + words[entry].bottom) / 2);
        EXPECT_TRUE(IsLight(p)) << entry << std::hex << " " << p;
    }
    // The chosen words are written white on the bar, none left in the dark ink of the others.
    int white = 0, dark = 0;
    for (int y = words[1].top; y <= words[1].bottom; ++y) {
        for (int x = words[1].left; x <= words[1].right; ++x) {
            const unsigned p = GlWindow::ReadPixel(x, y);
            white += IsLight(p) ? 1 : 0;
            dark += ((p >> 8) & 0xFF) < 0x40 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 20);
    EXPECT_EQ(dark, 0);
}
