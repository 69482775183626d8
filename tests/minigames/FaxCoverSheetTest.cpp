// The fax cover sheet, played through the real model and controller: the
// snippets are pressed, dragged and dropped; the play button hands the
// sheet in.
#include "minigames/dentist/CMinigame1_4.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace FaxCoverSheet;

namespace {

class CoverSheet : public MinigameFixture {
protected:
    static constexpr int kW = kReferenceWidth;  // fields fall on their reference pixels
    static constexpr int kH = kReferenceHeight;

    CoverSheet() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        folder.AddPicture(kFields[0].snippet, 512, 64, kCompanyColour);
        folder.MakeFolder("Sounds");
        for (const Field& field : kFields) WriteToneWav(folder.File("Sounds/") + field.explanation, 2000);
    }
    static constexpr unsigned kTickColour = 0x00C000FF;
    static constexpr unsigned kCrossColour = 0x0000FFFF;
    static constexpr unsigned kCompanyColour = 0x804000FF;
    void SetUp() override {
        MinigameFixture::SetUp();
        sheet = Open<CMinigame1_4>(MINIGAME_1_4, 1);
    }
    // Presses on the snippet's centre, drags it in two moves and lets go.
    void Drag(int snippet, CPoint to) {
        const CPoint from = sheet->GetSnippetLocation(snippet);
        controller->OnLButtonDown(from);
        Move((from.x + to.x) / 2, (from.y + to.y) / 2);
        Move(to.x, to.y);
        controller->OnLButtonUp(to);
    }
    void DragHome(int snippet) { Drag(snippet, sheet->GetFieldLocation(snippet)); }
    CPoint Off(CPoint p, int dx, int dy) const { return CPoint(p.x + dx, p.y + dy); }

    CMinigame1_4* sheet = nullptr;
};

}  // namespace

TEST_F(CoverSheet, FieldsLieOnTheirReferencePositions) {
    EXPECT_EQ(sheet->GetFieldLocation(0), CPoint(kFields[0].x, kFields[0].y));
    EXPECT_EQ(sheet->GetFieldLocation(8), CPoint(kFields[8].x, kFields[8].y));
    // Two fields never share a drop band.
    for (int a = 0; a < kFieldCount; ++a)
        for (int b = a + 1; b < kFieldCount; ++b)
            EXPECT_FALSE(CMinigame1_4::closeEnough(sheet->GetFieldLocation(a), sheet->GetFieldLocation(b)));
}

TEST_F(CoverSheet, APerfectSheetGoesStraightToThePanelAndIsSaved) {
    PressPlay();
    for (int i = 0; i < kFieldCount; ++i) DragHome(i);
    Step();
    PressPlay();
    Step();  // nothing missed: the panel, without a review
    EXPECT_EQ(sheet->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 9);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(model->GetCompte(0, 3), 9);
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[0][3], 9);
    EXPECT_EQ(saved.totalScore, 9);
}

TEST_F(CoverSheet, SwappedSnippetsCostTheirPointsAndShowTheReview) {
    PressPlay();
    for (int i = 2; i < kFieldCount; ++i) DragHome(i);
    Drag(0, sheet->GetFieldLocation(1));  // the company on the address, and back
    Drag(1, sheet->GetFieldLocation(0));
    const CPoint company = sheet->GetFieldLocation(0);
    EXPECT_FALSE(IsNear(PixelOfAFrame(company, kW, kH), kCompanyColour));  // the address lies there
    PressPlay();
    Step();
    EXPECT_EQ(sheet->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 7);
    Step(20);
    // A cross beside each of the two swapped fields, each with its own
    // snippet laid on it; a tick beside every other.
    for (int i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(MarkOf(PixelOfAFrame(sheet->GetMarkLocation(i), kW, kH)), i < 2 ? 'x' : 't') << i;
    }
    EXPECT_TRUE(IsNear(PixelOfAFrame(company, kW, kH), kCompanyColour));
    EXPECT_EQ(sheet->GetSnippetLocation(0), sheet->GetFieldLocation(1));  // the learner's drop is kept
    // The marks stand beside the snippets, past their right end.
    const CPoint lastMark = sheet->GetMarkLocation(kFieldCount - 1);
    EXPECT_GE(lastMark.x - 24, sheet->GetFieldLocation(8).x + 192);
    PressPlay();
    EXPECT_EQ(sheet->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(SavedCell(MINIGAME_1_4), 7);
}

// A snippet snaps into a slot when its centre is let go within the slot's
// picture (384 x 48), and goes back to the desk otherwise.
TEST_F(CoverSheet, ASnippetSnapsIntoItsSlotWithinTheSlotOnly) {
    PressPlay();
    const CPoint date = sheet->GetFieldLocation(5), pages = sheet->GetFieldLocation(6);
    const CPoint subject = sheet->GetFieldLocation(7), comment = sheet->GetFieldLocation(8);
    Drag(5, Off(date, 191, 23));      // inside
    Drag(6, Off(pages, -192, 0));     // 192 across: outside
    Drag(7, Off(subject, 0, -24));    // 24 up: outside, and not yet the slot above
    Drag(8, Off(comment, -191, -23)); // inside
    EXPECT_EQ(sheet->GetSnippetLocation(5), CPoint(545, 507));
    EXPECT_EQ(sheet->GetSnippetLocation(6), CPoint(1110, 460));  // back on the desk
    EXPECT_EQ(sheet->GetSnippetLocation(7), CPoint(1000, 592));
    EXPECT_EQ(sheet->GetSnippetLocation(8), CPoint(545, 672));
    PressPlay();
    EXPECT_EQ(Points(), 2);
}

TEST_F(CoverSheet, ThePressPicksUpTheSnippetWhichFollowsUntilTheRelease) {
    PressPlay();
    const CPoint start = sheet->GetSnippetLocation(2);
    controller->OnLButtonDown(Off(start, 100, 5));  // anywhere within its reach
    EXPECT_EQ(sheet->GetDragged(), 2);
    Move(400, 300);
    EXPECT_EQ(sheet->GetSnippetLocation(2), CPoint(300, 295));  // it keeps where it was held
    Step();
    controller->OnLButtonUp(CPoint(420, 310));  // on no slot: back to the desk
    EXPECT_EQ(sheet->GetDragged(), -1);
    EXPECT_EQ(sheet->GetSnippetLocation(2), start);
    Move(600, 500);  // let go: it no longer follows
    EXPECT_EQ(sheet->GetSnippetLocation(2), start);
}

TEST_F(CoverSheet, APressFarFromEverySnippetOrBeforePlayTakesNothing) {
    const CPoint start = sheet->GetSnippetLocation(0);
    controller->OnLButtonDown(start);  // still on the intro
    EXPECT_EQ(sheet->GetDragged(), -1);
    controller->OnLButtonUp(start);
    PressPlay();
    controller->OnLButtonDown(CPoint(400, 150));
    EXPECT_EQ(sheet->GetDragged(), -1);
    controller->OnLButtonUp(CPoint(400, 150));
    PressPlay();  // handing in an empty sheet scores nothing
    Step();
    EXPECT_EQ(sheet->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 0);
}

// Snippets are never left on top of each other: one let go on another on
// the desk goes back to its own place, and the press takes the one there.
TEST_F(CoverSheet, ASnippetLetGoOnAnotherOnTheDeskGoesBackToItsPlace) {
    PressPlay();
    Drag(1, sheet->GetSnippetLocation(4));
    Drag(7, sheet->GetSnippetLocation(4));
    EXPECT_EQ(sheet->GetSnippetLocation(1), CPoint(1100, 130));
    EXPECT_EQ(sheet->GetSnippetLocation(7), CPoint(1000, 592));
    controller->OnLButtonDown(sheet->GetSnippetLocation(4));
    EXPECT_EQ(sheet->GetDragged(), 4);
}

TEST_F(CoverSheet, TheIntroExplainsAFieldAndTheSecondClickDeselects) {
    model->StopSoundFile();
    const CPoint pages = sheet->GetFieldLocation(6);
    Click(pages.x, pages.y);
    EXPECT_EQ(sheet->GetSelectedField(), 6);
    EXPECT_EQ(sheet->Shell().crosshairs->GetPosition(), pages);
    EXPECT_TRUE(model->IsSoundPlaying());
    Click(pages.x, pages.y);
    EXPECT_EQ(sheet->GetSelectedField(), -1);
}

// A snippet let go over a corner button is let go: it does not stay held.
TEST_F(CoverSheet, ASnippetLetGoOverTheHelpButtonIsDroppedThere) {
    PressPlay();
    const CPoint help(kW - 154, 52);
    controller->OnLButtonDown(sheet->GetSnippetLocation(3));
    ASSERT_EQ(sheet->GetDragged(), 3);
    Move(help.x, help.y);
    controller->OnLButtonUp(help);
    EXPECT_EQ(sheet->GetDragged(), -1);
    Move(600, 500);
    EXPECT_NE(sheet->GetSnippetLocation(3), CPoint(600, 500));
}

// --- Snippets snap into the slots, one a slot, and are judged where drawn ---

// A snippet let go 22 pixels low and 150 across its slot snaps into it, as
// one let go 17 pixels high does: what the learner sees in the slot is
// what is judged, without a hidden margin.
TEST_F(CoverSheet, ASnippetLetGoOnASlotSnapsIntoItAndElsewhereGoesBack) {
    PressPlay();
    Drag(5, CPoint(545 + 150, 507 + 22));  // the date, low on its slot
    Drag(7, CPoint(545, 617 - 17));        // the subject, high on its slot
    Drag(0, CPoint(545 + 100, 232 + 20));  // the company, right and low on its slot
    Drag(6, CPoint(400, 150));             // the pages, on the sheet's title
    EXPECT_EQ(sheet->GetSnippetLocation(5), CPoint(545, 507));
    EXPECT_EQ(sheet->GetSnippetLocation(7), CPoint(545, 617));
    EXPECT_EQ(sheet->GetSnippetLocation(0), CPoint(545, 232));
    EXPECT_EQ(sheet->GetSnippetLocation(6), CPoint(1110, 460));
    // Drawn there: the company's paper covers its slot's left end.
    EXPECT_TRUE(IsNear(PixelOfAFrame(CPoint(545 - 170, 232), kW, kH), kCompanyColour));
    PressPlay();
    Step();
    EXPECT_EQ(Points(), 3);
    EXPECT_EQ(sheet->Shell().phase, PhaseReview);
}

// A snippet let go on a slot that holds another takes its place: the one
// there goes back to the desk, or, when the learner swaps two slots, into
// the slot the other came from.
TEST_F(CoverSheet, TwoSnippetsNeverLieOnOneSlot) {
    PressPlay();
    Drag(2, CPoint(545, 397));  // the fax number on the telephone's slot
    Drag(3, CPoint(545, 397));  // then the telephone number on it
    EXPECT_EQ(sheet->GetSnippetLocation(3), CPoint(545, 397));
    EXPECT_EQ(sheet->GetSnippetLocation(2), CPoint(1000, 394));  // back on the desk
    Drag(2, CPoint(545, 342));  // the fax number in its own slot
    Drag(2, CPoint(545, 397));  // and over to the telephone's: the two swap
    EXPECT_EQ(sheet->GetSnippetLocation(2), CPoint(545, 397));
    EXPECT_EQ(sheet->GetSnippetLocation(3), CPoint(545, 342));
    for (int i : {0, 1, 4, 5, 6, 7, 8}) DragHome(i);
    PressPlay();
    Step();
    EXPECT_EQ(Points(), 7);
    Step(20);
    EXPECT_EQ(MarkOf(PixelOfAFrame(sheet->GetMarkLocation(2), kW, kH)), 'x');
    EXPECT_EQ(MarkOf(PixelOfAFrame(sheet->GetMarkLocation(3), kW, kH)), 'x');
    EXPECT_EQ(MarkOf(PixelOfAFrame(sheet->GetMarkLocation(4), kW, kH)), 't');
}

// The window made smaller once the sheet is filled in: every snippet is
// drawn in its slot at the new size, and judged there.
TEST_F(CoverSheet, PlacedSnippetsAreJudgedWhereTheyAreDrawnAfterAResize) {
    PressPlay();
    for (int i = 0; i < kFieldCount; ++i) DragHome(i);
    constexpr int kSmallW = 1024, kSmallH = 600;
    Frames(2, kSmallW, kSmallH);
    EXPECT_EQ(sheet->GetFieldLocation(0), CPoint(409, 191));
    EXPECT_EQ(sheet->GetSnippetLocation(0), CPoint(409, 191));
    EXPECT_EQ(sheet->GetSnippetLocation(8), CPoint(409, 555));
    for (int i = 0; i < kFieldCount; ++i) EXPECT_EQ(sheet->GetSnippetLocation(i), sheet->GetFieldLocation(i)) << i;
    Click(kSmallW - 250, 52);  // play, at the new size: the sheet handed in
    Frames(1, kSmallW, kSmallH);
    EXPECT_EQ(Points(), 9);
    EXPECT_EQ(sheet->Shell().phase, PhaseResults);
}

namespace {
// The game with the pictures the build made, on a common laptop screen.
class CoverSheetAsDrawn : public MinigameFixture {
protected:
    CoverSheetAsDrawn() : MinigameFixture(1366, 768) {}
};
}  // namespace

// The marks run down to the foot of the view: the review's legend stands
// in the empty tray, and every mark shows, the last one's too.
TEST_F(CoverSheetAsDrawn, TheLegendHidesNoMark) {
    auto* sheet = Open<CMinigame1_4>(MINIGAME_1_4, 1);
    StartPlay();
    PressPlay();  // handed in empty: every field missed
    Step(40);
    ASSERT_EQ(sheet->Shell().phase, PhaseReview);
    for (int i = 0; i < kFieldCount; ++i) {
        const unsigned at = PixelOfAFrame(sheet->GetMarkLocation(i), 1366, 768);
        const int red = (at >> 24) & 0xFF, green = (at >> 16) & 0xFF;
        EXPECT_TRUE(red > 150 && green < 110) << "field " << i << " shows " << std::hex << at;
    }
}
