#include "minigames/dentist/CMinigame1_4.h"

#include <cmath>
#include <cstdlib>

#include "core/CModel.h"

using namespace FaxCoverSheet;

namespace {

const MinigameSheet kSheet = {
    "fax_paper.png",   "fax_overlay.png", "minijeu1_4progress%d.png",
    "consigne1_4.png", "Intro1_4.mp3",    CMinigame1_4::kMaximum,
    // The strips and the boxes fill the screen: the words go over the
    // letterhead, which nothing is dropped on.
    {SubtitlePlace::BOX, 0.070f, 0.135f, 0.563f, 0.256f},
    nullptr, true, false,
    // The marks run down to the view's foot: the legend stands in the tray
    // right of the sheet, empty once the review lays every snippet in its slot.
    0.78f, 0.0f, 0.5f,
};
constexpr int kHandedInStrip = 3;
constexpr CPoint kParked = {-100, -100};
// The marks stand just past a snippet's right end (half of its 384 pixels).
constexpr int kMarkFromField = 222;
constexpr float kMarkShare = 0.75f;  // the fields are 55 pixels apart

struct Explanations {
    const char* names[kFieldCount];
    constexpr Explanations() : names() {
        for (int i = 0; i < kFieldCount; ++i) names[i] = kFields[i].explanation;
    }
};
constexpr Explanations kExplanations;

CPoint OnView(int x, int y, int width, int height) {
    return CPoint(static_cast<int>(width * (x / double(kReferenceWidth))),
                  static_cast<int>(height * (y / double(kReferenceHeight))));
}

}  // namespace

CMinigame1_4::CMinigame1_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame1_4.png"), shell(owner, minigameType, kSheet) {}

void CMinigame1_4::Start() {
    for (int i = 0; i < kFieldCount; ++i) {
        snippets[i] = new CClickableImage(kFields[i].snippet);
        snippets[i]->SetScale(kSnippetScale);
        slots[i] = new CClickableImage(kFields[i].wide ? "addressPlaceholder.png" : "companyPlaceholder.png");
        slots[i]->SetScale(kSnippetScale);
        slotOf[i] = -1;
        right[i] = false;
    }
    handedIn = false;
    dragged = -1;
    selectedField = -1;
}

void CMinigame1_4::Stop() {
    for (int i = 0; i < kFieldCount; ++i) {
        delete snippets[i];
        delete slots[i];
        snippets[i] = slots[i] = nullptr;
    }
}

void CMinigame1_4::Place(int width, int height) {
    for (int i = 0; i < kFieldCount; ++i) {
        fieldLocations[i] = OnView(kFields[i].x, kFields[i].y, width, height);
        slots[i]->SetPosition(fieldLocations[i].x, fieldLocations[i].y);
    }
    PlaceSnippets();
}

// A snippet lies in its slot or at its place on the desk, on a view of any
// size: it is judged where it is drawn. The one held follows the pointer.
void CMinigame1_4::PlaceSnippets() {
    for (int i = 0; i < kFieldCount; ++i) {
        if (i == dragged) continue;
        const CPoint at = slotOf[i] >= 0 ? fieldLocations[slotOf[i]]
                                         : OnView(kFields[i].startX, kFields[i].startY, viewWidth, viewHeight);
        snippets[i]->SetPosition(at.x, at.y);
    }
}

int CMinigame1_4::SlotAt(CPoint centre) const {
    int nearest = -1;
    int nearestDy = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const int dy = std::abs(centre.y - fieldLocations[i].y);
        if (std::abs(centre.x - fieldLocations[i].x) >= kSlotReachX || dy >= kSlotReachY) continue;
        if (nearest < 0 || dy < nearestDy) {
            nearest = i;
            nearestDy = dy;
        }
    }
    return nearest;
}

int CMinigame1_4::OccupantOf(int slot) const {
    for (int i = 0; i < kFieldCount; ++i) {
        if (slotOf[i] == slot) return i;
    }
    return -1;
}

bool CMinigame1_4::closeEnough(CPoint a, CPoint b) {
    return std::fabs(double(b.x - a.x)) < 170.0 && std::fabs(double(b.y - a.y)) < 20.0;
}

// The play button hands the sheet in: a point for each snippet in its own field's slot.
Verdict CMinigame1_4::Judge(CPoint point) {
    if (!shell.playButton->HitTest(point)) return Verdict::None;
    int count = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        right[i] = slotOf[i] == i;
        if (right[i]) ++count;
    }
    shell.resultsPanel->SetCompte(count);
    handedIn = true;
    return Verdict::RightNoPoint;
}

bool CMinigame1_4::AnyMissed() const { return shell.resultsPanel->GetCompte() < kFieldCount; }

// The sheet goes off with a woosh: this game ends without the reward music.
void CMinigame1_4::Results() {
    shell.SetProgress(kHandedInStrip);
    model->PlaySoundFile("woosh.mp3", true);
    shell.EnterResults(false, nullptr);
}

void CMinigame1_4::OnSheetClick(CPoint point) {
    selectedField =
        shell.ExploreTargets(point, fieldLocations, kFieldCount, selectedField, closeEnough, kExplanations.names);
}

void CMinigame1_4::OnPlayStart() {
    shell.SetProgress(2);
    shell.Say("telecopie_instruction.mp3");
    OnResume();
}

void CMinigame1_4::OnResume() {
    selectedField = -1;
    shell.crosshairs->SetPosition(kParked);
}

bool CMinigame1_4::OnPlayMove(CPoint point) const {
    for (CClickableImage* snippet : snippets) {
        if (closeEnough(point, snippet->GetPosition())) return true;
    }
    return false;
}

void CMinigame1_4::OnPress(CPoint point) {
    if (dragged >= 0 || handedIn) return;
    // The snippet drawn on top is the one a learner means to take.
    for (int i = kFieldCount - 1; i >= 0; --i) {
        const CPoint at = snippets[i]->GetPosition();
        if (!closeEnough(point, at)) continue;
        dragged = i;
        grab = CPoint(at.x - point.x, at.y - point.y);
        model->PlaySoundFile("open.mp3", true);
        return;
    }
}

bool CMinigame1_4::OnDrag(CPoint point) {
    if (dragged < 0) return false;
    snippets[dragged]->SetPosition(point.x + grab.x, point.y + grab.y);
    return true;
}

// Let go on a slot, the snippet snaps into it; a snippet already there
// takes the one it came from, or goes back to the desk. Let go anywhere
// else (over a button too), it goes back to its place on the desk.
bool CMinigame1_4::OnRelease(CPoint point) {
    if (dragged < 0) return false;
    const int snippet = dragged;
    const int slot = SlotAt(CPoint(point.x + grab.x, point.y + grab.y));
    if (slot >= 0) {
        const int occupant = OccupantOf(slot);
        if (occupant >= 0 && occupant != snippet) slotOf[occupant] = slotOf[snippet];
    }
    slotOf[snippet] = slot;
    dragged = -1;
    PlaceSnippets();
    model->PlaySoundFile("close.mp3", true);
    return true;
}

void CMinigame1_4::DrawBoard() {
    for (CClickableImage* slot : slots) slot->Draw();
}

void CMinigame1_4::DrawPlay(int, int) {
    DrawBoard();
    for (int i = 0; i < kFieldCount; ++i) {
        if (i != dragged) snippets[i]->Draw();
    }
    if (dragged >= 0) snippets[dragged]->Draw();  // on top while it moves
    shell.playButton->Draw();
}

CPoint CMinigame1_4::GetMarkLocation(int field) const {
    return CPoint(fieldLocations[field].x + kMarkFromField, fieldLocations[field].y);
}

// The review: every field with its own snippet, the learner's where it
// was right (a tick beside), the right one laid on it where it was missed
// (a cross beside).
void CMinigame1_4::DrawReview(int, int) {
    shell.consigneImage->Draw();
    DrawBoard();
    for (int i = 0; i < kFieldCount; ++i) {
        const CPoint was = snippets[i]->GetPosition();
        snippets[i]->SetPosition(fieldLocations[i].x, fieldLocations[i].y);
        snippets[i]->Draw();
        snippets[i]->SetPosition(was.x, was.y);
        if (right[i]) {
            shell.MarkRight(GetMarkLocation(i), kMarkShare);
        } else {
            shell.MarkMissed(GetMarkLocation(i), kMarkShare);
        }
    }
}
