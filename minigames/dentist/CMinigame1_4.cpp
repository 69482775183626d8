#include "minigames/dentist/CMinigame1_4.h"

#include <cmath>
#include <vector>

#include "core/CModel.h"

using namespace FaxCoverSheet;

namespace {

const MinigameSheet kSheet = {
    "fax_paper.png",   "fax_overlay.png", "minijeu1_4progress%d.png",
    "consigne1_4.png", "Intro1_4.mp3",    CMinigame1_4::kMaximum,
    // The strips and the boxes fill the screen: the words go over the
    // letterhead, which nothing is dropped on.
    {SubtitlePlace::BOX, 0.070f, 0.135f, 0.563f, 0.256f},
};
constexpr int kHandedInStrip = 3;

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

void CMinigame1_4::Load() {
    shell.Load(nullptr);
    for (int i = 0; i < kFieldCount; ++i) {
        snippets[i] = new CClickableImage(kFields[i].snippet);
        snippets[i]->SetScale(kSnippetScale);
        slots[i] = new CClickableImage(kFields[i].wide ? "addressPlaceholder.png" : "companyPlaceholder.png");
        slots[i]->SetScale(kSnippetScale);
        moved[i] = false;
        right[i] = false;
    }
    dragged = -1;
    selectedField = -1;
    needsLoad = false;
}

void CMinigame1_4::Unload() {
    shell.Unload();
    for (int i = 0; i < kFieldCount; ++i) {
        delete snippets[i];
        delete slots[i];
        snippets[i] = slots[i] = nullptr;
    }
    needsLoad = true;
}

void CMinigame1_4::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame1_4::LoadButtonLocations(int width, int height) {
    for (int i = 0; i < kFieldCount; ++i) {
        fieldLocations[i] = OnView(kFields[i].x, kFields[i].y, width, height);
        slots[i]->SetPosition(fieldLocations[i].x, fieldLocations[i].y);
    }
    PlaceSnippetsAtStart();
}

// Snippets the learner has not moved yet lie where the game puts them;
// the others stay where they were dropped.
void CMinigame1_4::PlaceSnippetsAtStart() {
    for (int i = 0; i < kFieldCount; ++i) {
        if (moved[i]) continue;
        const CPoint at = OnView(kFields[i].startX, kFields[i].startY, viewWidth, viewHeight);
        snippets[i]->SetPosition(at.x, at.y);
    }
}

bool CMinigame1_4::closeEnough(CPoint a, CPoint b) {
    return std::fabs(double(b.x - a.x)) < 170.0 && std::fabs(double(b.y - a.y)) < 20.0;
}

// The sheet handed in: a point for each snippet on its own field.
void CMinigame1_4::PlayGame() {
    int count = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        right[i] = closeEnough(snippets[i]->GetPosition(), fieldLocations[i]);
        if (right[i]) ++count;
    }
    shell.resultsPanel->SetCompte(count);
    if (count == kFieldCount) {
        ShowResults();
    } else {
        shell.EnterReview();
    }
}

// The sheet goes off with a woosh: this game ends without the reward music.
void CMinigame1_4::ShowResults() {
    shell.SetProgress(kHandedInStrip);
    model->PlaySoundFile("woosh.mp3", true);
    shell.phase = PhaseResults;
}

void CMinigame1_4::OnLButtonDown(CPoint point) {
    if (needsLoad || shell.phase != PhasePlay || dragged >= 0) return;
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

void CMinigame1_4::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (dragged >= 0) {
        snippets[dragged]->SetPosition(point.x + grab.x, point.y + grab.y);
        model->SetCursor(CURSOR_HAND);
        return;
    }
    if (shell.OnMouseMove(point)) return;
    bool hand = false;
    if (shell.phase == PhasePlay) {
        for (CClickableImage* snippet : snippets) hand = hand || closeEnough(point, snippet->GetPosition());
    } else if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) {
        for (const CPoint& field : fieldLocations) hand = hand || closeEnough(point, field);
    }
    model->SetCursor(hand ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame1_4::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    if (dragged >= 0) {
        // The snippet stays where it is let go.
        snippets[dragged]->SetPosition(point.x + grab.x, point.y + grab.y);
        moved[dragged] = true;
        dragged = -1;
        model->PlaySoundFile("close.mp3", true);
        return;
    }
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) {
                    shell.SetProgress(2);
                    model->PlaySoundFile("telecopie_instruction.mp3", true);
                }
                shell.phase = PhasePlay;
                selectedField = -1;
                shell.crosshairs->SetPosition(CPoint(-100, -100));
            } else {
                selectedField = shell.ExploreTargets(point, fieldLocations, kFieldCount, selectedField, closeEnough,
                                                     kExplanations.names);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
            } else if (shell.playButton->HitTest(point)) {
                PlayGame();
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) ShowResults();
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

// The review: the snippets stay where the learner put them, and a stamp
// falls at the end of every field that got its own; the fields left
// without a stamp are the ones to look at again.
void CMinigame1_4::DrawReview() {
    std::vector<CPoint> stamped;
    for (int i = 0; i < kFieldCount; ++i) {
        if (right[i]) stamped.push_back(CPoint(fieldLocations[i].x + 215, fieldLocations[i].y));
    }
    shell.DrawMarks(stamped);
}

void CMinigame1_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
        case PhaseReview:
            if (shell.phase == PhasePlay) shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            for (CClickableImage* slot : slots) slot->Draw();
            for (int i = 0; i < kFieldCount; ++i) {
                if (i != dragged) snippets[i]->Draw();
            }
            if (dragged >= 0) snippets[dragged]->Draw();  // on top while it moves
            if (shell.phase == PhaseReview) DrawReview();
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
