#include "minigames/pizzeria/CMinigame2_4.h"

#include <cstdlib>

#include "core/CModel.h"
#include "minigames/MinigameParts.h"
#include "minigames/pizzeria/ReviewCard.h"
#include "scenes/ReferenceLayout.h"

using namespace LobbyDirectory;

namespace {

const MinigameSheet kSheet = {
    "elevator.png",    "elevatorTutorial.png", "minijeu2_4progress%d.png",
    "consigne2_4.png", "Intro2_4.mp3",         CMinigame2_4::kMaximum,
};
const CPoint kParked(-800, -800);

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

const Tenant& TenantOf(int visitor) { return kTenants[kVisitors[visitor].tenant]; }

}  // namespace

CMinigame2_4::CMinigame2_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_4.png"), shell(owner, minigameType, kSheet) {}

void CMinigame2_4::Start() {
    chartImage = Picture("nameChart.png", kChartScale);
    panelImage = Picture("elevatorButtons.png");
    namesImage = Picture("namesSmall.png");
    smallPanelImage = Picture("elevatorButtonsSmall.png");
    bubbleImage = Picture("comicBubble.png");
    step = 0;
    stepFailed = false;
    messagePlayed = false;
    for (bool& m : missed) m = false;
    hoveredButton = -1;
    selectedPart = -1;
}

void CMinigame2_4::Stop() {
    for (CClickableImage** image : {&chartImage, &panelImage, &namesImage, &smallPanelImage, &bubbleImage}) {
        Release(*image);
    }
}

void CMinigame2_4::Place(int width, int height) {
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
    reviewCorner = Reference(width, height, kReviewLeft, kReviewTop);
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

Verdict CMinigame2_4::Judge(CPoint point) {
    if (bubbleImage->HitTest(point)) {  // the bubble says the name again
        messagePlayed = false;
        return Verdict::None;
    }
    const int floor = ButtonAt(point);
    if (floor < 0) return Verdict::None;  // beside every button: nothing pressed
    if (floor != TenantOf(step).floor) {
        stepFailed = true;
        missed[step] = true;
        return Verdict::Wrong;
    }
    const bool earned = !stepFailed;
    if (!earned) shell.MissStep(step, kVisitorCount);
    ++step;
    stepFailed = false;
    messagePlayed = false;
    if (step < kVisitorCount) {
        shell.SetProgress(step + 2);
    } else {
        model->PlaySoundFile("beep.mp3", false);
    }
    return earned ? Verdict::Right : Verdict::RightNoPoint;
}

bool CMinigame2_4::AnyMissed() const {
    for (bool m : missed)
        if (m) return true;
    return false;
}

void CMinigame2_4::OnSheetClick(CPoint point) {
    // Each part has its own reach: the target tells which part it is.
    auto inReach = [this](CPoint p, CPoint t) { return OnPart(p, t); };
    selectedPart = shell.ExploreTargets(point, partLocations, kPartCount, selectedPart, inReach, kExplanations.names);
}

bool CMinigame2_4::OnPart(CPoint point, CPoint t) const {
    for (int i = 0; i < kPartCount; ++i) {
        if (!(partLocations[i] == t)) continue;
        return std::abs(point.x - t.x) < kParts[i].halfWidth && std::abs(point.y - t.y) < kParts[i].halfHeight;
    }
    return false;
}

bool CMinigame2_4::OnSheetMove(CPoint point) const {
    return CMinigameShell::OverAnyTarget(point, partLocations, kPartCount, [this](CPoint p, CPoint t) { return OnPart(p, t); });
}

void CMinigame2_4::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    OnResume();
}

void CMinigame2_4::OnResume() {
    selectedPart = -1;
    hoveredButton = -1;  // a button chimes again when the pointer comes back onto it
    shell.crosshairs->SetPosition(kParked);
    messagePlayed = false;
}

bool CMinigame2_4::OnPlayMove(CPoint point) {
    if (shell.IsPaused()) return false;  // no chime over the wrong answer's sound
    const int floor = ButtonAt(point);
    // A chime each time the pointer comes onto a button, not on every move.
    if (floor >= 0 && floor != hoveredButton) model->PlaySoundFile("chime.mp3", false);
    hoveredButton = floor;
    return floor >= 0 || bubbleImage->HitTest(point);
}

void CMinigame2_4::DrawOnSheet(int, int) {
    namesImage->Draw();
    smallPanelImage->Draw();
    shell.crosshairs->Draw();
}

void CMinigame2_4::DrawPlay(int, int) {
    chartImage->Draw();
    panelImage->Draw();
    bubbleImage->Draw();
    if (Finished() || messagePlayed) return;
    shell.Say(kVisitors[step].recording);
    messagePlayed = true;
}

std::string CMinigame2_4::ReviewName(int visitor) {
    return std::string(TenantOf(visitor).firstName) + " " + TenantOf(visitor).surname;
}

std::string CMinigame2_4::ReviewAnswer(int visitor) {
    const Tenant& tenant = TenantOf(visitor);
    for (const Button& button : kButtons)
        if (button.floor == tenant.floor) return std::string(tenant.where) + " : bouton " + button.label;
    return tenant.where;
}

CPoint CMinigame2_4::GetReviewMark(int visitor) const {
    return CPoint(reviewCorner.x + kReviewMarkDx, reviewCorner.y + kReviewRowStep * visitor + kReviewRowStep / 2);
}

// The five deliveries in their order: the tick beside each one found at the
// first press, the cross beside each one missed, with the button it wanted.
void CMinigame2_4::DrawReview(int width, int height) {
    chartImage->Draw();
    panelImage->Draw();
    const CPoint far = Reference(width, height, kReviewRight, kReviewTop + kReviewRowStep * kVisitorCount);
    ReviewCard::Card(reviewCorner.x, reviewCorner.y, far.x, far.y);
    for (int v = 0; v < kVisitorCount; ++v) {
        const CPoint mark = GetReviewMark(v);
        const int x = reviewCorner.x + kReviewTextDx;
        ReviewCard::Line(x, mark.y - 4, ReviewName(v), ReviewCard::INK_PLAIN, true);
        ReviewCard::Line(x, mark.y + 18, ReviewAnswer(v), missed[v] ? ReviewCard::INK_ANSWER : ReviewCard::INK_PLAIN);
        if (missed[v]) {
            shell.MarkMissed(mark);
        } else {
            shell.MarkRight(mark);
        }
    }
}
