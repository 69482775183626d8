#include "minigames/pizzeria/CMinigame2_4.h"

#include <cstdlib>
#include <vector>

#include "core/CModel.h"
#include "minigames/MinigameParts.h"
#include "scenes/ReferenceLayout.h"

using namespace LobbyDirectory;

namespace {

const MinigameSheet kSheet = {
    "elevator.png",    "elevatorTutorial.png", "minijeu2_4progress%d.png",
    "consigne2_4.png", "Intro2_4.mp3",         CMinigame2_4::kMaximum,
};

// The explanations in the tutorial parts' order, as the explorer wants them.
struct Explanations {
    const char* names[kPartCount];
    constexpr Explanations() : names() {
        for (int i = 0; i < kPartCount; ++i) names[i] = kParts[i].explanation;
    }
};
constexpr Explanations kExplanations;

CPoint Reference(int width, int height, int x, int y) {
    using namespace ReferenceLayout;
    return CPoint(ScaleX(width, x / double(kWidth)), ScaleY(height, y / double(kHeight)));
}

}  // namespace

CMinigame2_4::CMinigame2_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_4.png"), shell(owner, minigameType, kSheet) {}

void CMinigame2_4::Load() {
    shell.Load(nullptr);
    chartImage = new CClickableImage("nameChart.png");
    chartImage->SetScale(kChartScale);
    panelImage = new CClickableImage("elevatorButtons.png");
    namesImage = new CClickableImage("namesSmall.png");
    smallPanelImage = new CClickableImage("elevatorButtonsSmall.png");
    bubbleImage = new CClickableImage("comicBubble.png");
    step = 0;
    stepFailed = false;
    messagePlayed = false;
    for (bool& m : missed) m = false;
    hoveredButton = -1;
    selectedPart = -1;
    needsLoad = false;
}

void CMinigame2_4::Unload() {
    shell.Unload();
    Release(chartImage);
    Release(panelImage);
    Release(namesImage);
    Release(smallPanelImage);
    Release(bubbleImage);
    needsLoad = true;
}

void CMinigame2_4::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame2_4::LoadButtonLocations(int width, int height) {
    const CPoint chart = Reference(width, height, kChartX, kChartY);
    chartImage->SetPosition(chart.x, chart.y);
    panelCentre = Reference(width, height, kPanelX, kPanelY);
    panelImage->SetPosition(panelCentre.x, panelCentre.y);
    bubbleLocation = Reference(width, height, kBubbleX, kBubbleY);
    bubbleImage->SetPosition(bubbleLocation.x, bubbleLocation.y);
    const CPoint names = Reference(width, height, kNamesX, kNamesY);
    namesImage->SetPosition(names.x, names.y);
    const CPoint small = Reference(width, height, kSmallPanelX, kSmallPanelY);
    smallPanelImage->SetPosition(small.x, small.y);
    for (int i = 0; i < kPartCount; ++i) {
        const CPoint on = kParts[i].onPanel ? small : names;
        partLocations[i] = CPoint(on.x + kParts[i].dx, on.y + kParts[i].dy);
    }
}

CPoint CMinigame2_4::GetButtonLocation(int floor) const {
    for (const Button& button : kButtons)
        if (button.floor == floor) return CPoint(panelCentre.x + button.dx, panelCentre.y + button.dy);
    return CPoint(-1000, -1000);
}

int CMinigame2_4::ButtonAt(CPoint point) const {
    for (const Button& button : kButtons) {
        const CPoint at = GetButtonLocation(button.floor);
        if (std::abs(point.x - at.x) < kButtonRadius && std::abs(point.y - at.y) < kButtonRadius) return button.floor;
    }
    return -1;
}

void CMinigame2_4::PlayGame(CPoint point) {
    if (step >= kVisitorCount) return;
    if (bubbleImage->HitTest(point)) {  // the bubble says the name again
        messagePlayed = false;
        return;
    }
    const int floor = ButtonAt(point);
    if (floor < 0) return;  // beside every button: nothing pressed
    if (floor != kTenants[kVisitors[step].tenant].floor) {
        stepFailed = true;
        missed[step] = true;
        shell.WrongAnswer(point);
        shell.PauseInput();
        return;
    }
    if (!stepFailed) shell.ScorePoint();
    ++step;
    stepFailed = false;
    messagePlayed = false;
    if (step < kVisitorCount) {
        shell.SetProgress(step + 2);
        return;
    }
    model->PlaySoundFile("beep.mp3", false);
    bool anyMissed = false;
    for (bool m : missed) anyMissed = anyMissed || m;
    if (anyMissed) shell.EnterReview();
    else shell.EnterResults();
}

void CMinigame2_4::ExploreParts(CPoint point) {
    // Each part has its own reach: the target tells which part it is.
    auto inReach = [this](CPoint p, CPoint t) {
        for (int i = 0; i < kPartCount; ++i) {
            if (!(partLocations[i] == t)) continue;
            return std::abs(p.x - t.x) < kParts[i].halfWidth && std::abs(p.y - t.y) < kParts[i].halfHeight;
        }
        return false;
    };
    selectedPart = shell.ExploreTargets(point, partLocations, kPartCount, selectedPart, inReach, kExplanations.names);
}

void CMinigame2_4::OnLButtonUp(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: messagePlayed = false; return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) {
                    shell.SetProgress(2);
                    model->PlaySoundFile("beep.mp3", true);
                }
                shell.phase = PhasePlay;
                selectedPart = -1;
                shell.crosshairs->SetPosition(CPoint(-800, -800));
                messagePlayed = false;
            } else {
                ExploreParts(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                stepFailed = true;  // the tutorial costs this delivery its point
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults();
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame2_4::OnMouseMove(CPoint point) {
    if (needsLoad || shell.IsPaused()) return;
    if (shell.OnMouseMove(point)) {
        hoveredButton = -1;
        return;
    }
    const int floor = shell.phase == PhasePlay ? ButtonAt(point) : -1;
    // A chime each time the pointer comes onto a button, not on every move.
    if (floor >= 0 && floor != hoveredButton) model->PlaySoundFile("chime.mp3", false);
    hoveredButton = floor;
    model->SetCursor(floor >= 0 || (shell.phase == PhasePlay && bubbleImage->HitTest(point)) ? CURSOR_HAND
                                                                                               : CURSOR_ARROW);
}

void CMinigame2_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            namesImage->Draw();
            smallPanelImage->Draw();
            shell.playButton->Draw();
            shell.crosshairs->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            chartImage->Draw();
            panelImage->Draw();
            bubbleImage->Draw();
            shell.consigneImage->Draw();
            if (!messagePlayed && step < kVisitorCount) {
                model->PlaySoundFile(kVisitors[step].recording, true);
                messagePlayed = true;
            }
            break;
        case PhaseReview: {
            chartImage->Draw();
            panelImage->Draw();
            shell.playButton->Draw();
            std::vector<CPoint> marks;
            for (int v = 0; v < kVisitorCount; ++v)
                if (missed[v]) marks.push_back(GetButtonLocation(kTenants[kVisitors[v].tenant].floor));
            shell.DrawMarks(marks);
            break;
        }
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
