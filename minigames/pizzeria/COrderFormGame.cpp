#include "minigames/pizzeria/COrderFormGame.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/CModel.h"
#include "core/Formats.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/pizzeria/OrderPadInk.h"
#include "minigames/pizzeria/OrderPadLines.h"

using namespace PizzaOrderForm;

namespace {

const CPoint kParked(-800, -800);
// The subtitles stand left of the pad, under the task card: clear of the
// sheet's card under the pad and of the pad's lines.
constexpr int kSubtitlesTop = 150;
constexpr int kSubtitlesLeft = 12;
constexpr int kSubtitlesLeast = 160;  // narrower than this, they keep their band at the bottom

bool IsCrustLine(int line) {
    const int inCopy = line % kPizzaStride;
    return line < 2 * kPizzaStride && (inCopy == kFirstCrust || inCopy == kFirstCrust + 1);
}

}  // namespace

COrderFormGame::COrderFormGame(CModel* owner, MinigameType type, const OrderFormVersion& data)
    : CAbstractMinigame(owner, type, data.icon), shell(owner, type, data.sheet), version(data) {
    GameRandom::Seed();
    orderIndex = GameRandom::Below(kOrderCount);
}

void COrderFormGame::Start() {
    shell.SetProgress(version.startStrip);
    shell.overlayImage->SetScale(kPadScale);
    formImage = Picture("pizzaOrderForm.png", kPadScale);
    machineImage = Picture("message_de_la_repondeuse.png", 2.0f);
    nameList = new CDropDownMenu(model);
    for (const char* name : kNames) nameList->AddItem(name);

    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);
    dateText = CString(Formats::NumericDate(today->tm_year + 1900, today->tm_mon + 1, today->tm_mday).c_str());

    orderIndex = (orderIndex + 1) % kOrderCount;
    orderSound = version.recordings[orderIndex];
    for (bool& marked : lineMarked) marked = false;
    messagePlayed = false;
    handedIn = false;
    perfect = false;
    onSheet = true;
    played = false;
    selectedButton = -1;
    nameListOpen = false;
}

void COrderFormGame::Stop() {
    Release(formImage);
    Release(machineImage);
    Release(nameList);
    nameListOpen = false;
}

void COrderFormGame::Place(int width, int height) {
    for (int i = 0; i < kLineCount; ++i) linePos[i] = CPoint(width / 2 + kLines[i].dx, height / 2 + kLines[i].dy);
    if (nameListOpen) CloseNameList();
    int right = width / 2 + kPadLeft;  // and clear of every line's reach, where the hand shows
    for (const CPoint& line : linePos) right = std::min(right, line.x - kNearLongX - 4);
    if (right - kSubtitlesLeft < kSubtitlesLeast) return;
    model->SetMinigameSubtitlePlace({SubtitlePlace::BOX, float(kSubtitlesLeft) / width, float(kSubtitlesTop) / height,
                                     float(right) / width, float(height / 2 + kPadBottom) / height});
}

bool COrderFormGame::closeEnough(CPoint click, CPoint line) {
    return std::abs(click.y - line.y) < kNearY && std::abs(click.x - line.x) < kNearX;
}

bool COrderFormGame::closeEnoughLong(CPoint click, CPoint line) {
    return std::abs(click.y - line.y) < kNearY && std::abs(click.x - line.x) < kNearLongX;
}

CString COrderFormGame::GetSelectedName() const { return nameList ? nameList->GetSelectedItem() : CString(); }

void COrderFormGame::OpenNameList(int line) {
    // The box's picture has its list below and right of its centre.
    nameList->SetPosition(CPoint(linePos[line].x + 45, linePos[line].y));
    nameListOpen = true;
}

bool COrderFormGame::OverNameList(CPoint p) const { return nameList->Over(p); }

void COrderFormGame::CloseNameList() {
    if (nameList) nameList->SetPosition(kParked);
    nameListOpen = false;
}

void COrderFormGame::ToggleSize(int line) {
    const int first = line - (line % kPizzaStride) + kFirstSize;
    const bool marked = !lineMarked[line];
    for (int s = first; s < first + kSizeCount; ++s) lineMarked[s] = false;  // one size a pizza
    lineMarked[line] = marked;
}

void COrderFormGame::ToggleLine(int line) {
    lineMarked[line] = !lineMarked[line];
    if (IsCrustLine(line)) {
        const int other = (line % kPizzaStride) == kFirstCrust ? line + 1 : line - 1;
        lineMarked[other] = false;  // one crust a pizza
    }
}

void COrderFormGame::OnSheetClick(CPoint click) {
    selectedButton =
        shell.ExploreTargets(click, linePos, ExploredLineCount(), selectedButton, closeEnough, kLineHelp.names);
}


void COrderFormGame::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    selectedButton = -1;
    onSheet = false;
    played = true;
}

void COrderFormGame::OnInstructions() {
    selectedButton = -1;
    shell.crosshairs->SetPosition(kParked);
    onSheet = true;
}

// During play the order is heard again once the instruction has ended.
void COrderFormGame::OnHelp() {
    if (!onSheet) messagePlayed = false;
}

// The play button hands the pad in; a click elsewhere writes on it. A click
// on the open list picks the name clicked, if any, and closes it; the lines
// beneath the list are not touched.
Verdict COrderFormGame::Judge(CPoint click) {
    if (shell.playButton->HitTest(click)) {
        HandIn();
        return Verdict::RightNoPoint;  // its points are counted at once
    }
    if (nameListOpen && OverNameList(click)) {
        nameList->HitTest(click);
        CloseNameList();
        return Verdict::None;
    }
    for (int line : {kNameLine, kNameLine + kPizzaStride}) {
        if (closeEnough(click, linePos[line])) {
            OpenNameList(line);
            return Verdict::None;
        }
    }
    CloseNameList();
    const int line = OrderPadLines::LineAt(click, linePos);
    if (IsSizeLine(line)) {
        ToggleSize(line);
    } else if (line >= 0) {
        ToggleLine(line);
    }
    return Verdict::None;
}

// A point for the name and for each point of the order met, with one ding;
// then each line marked that the order did not ask for takes its cost back
// (the form's one rule, PizzaOrderForm::kExtraMarkCost).
void COrderFormGame::HandIn() {
    CRewardScene* panel = shell.resultsPanel;
    int earned = GetSelectedName() == Order().customer ? 1 : 0;
    for (const Point& point : Order().points) {
        if (OrderFormReview::PointMet(point, lineMarked)) ++earned;
    }
    panel->SetCompte(panel->GetCompte() + earned);
    if (earned > 0) model->RewardUser();
    for (int line = 0; line < kLineCount; ++line) {
        if (!lineMarked[line] || !OrderFormReview::IsChargedExtra(Order(), line)) continue;
        if (panel->GetCompte() > kLeastAfterExtras) {
            panel->SetCompte(std::max(kLeastAfterExtras, panel->GetCompte() - kExtraMarkCost));
        }
    }
    CloseNameList();
    perfect = panel->GetCompte() >= kMaximum;
    if (perfect || version.endStripOnFailure) shell.SetProgress(version.endStrip);
    handedIn = true;
}

std::vector<OrderFormReview::Item> COrderFormGame::ReviewItems() const {
    return OrderFormReview::Items(Order(), lineMarked, GetSelectedName());
}

std::vector<OrderFormReview::Row> COrderFormGame::ReviewRows() const {
    return OrderFormReview::Layout(ReviewItems(), viewWidth, viewHeight);
}

bool COrderFormGame::OnPlayMove(CPoint point) {
    bool overLine = false;
    for (const CPoint& line : linePos) overLine = overLine || closeEnoughLong(point, line);
    if (nameListOpen && OverNameList(point)) {
        nameList->Hover(point);  // lit, not chosen
        overLine = true;
    }
    return overLine;
}

void COrderFormGame::DrawBackground(int width, int height) {
    shell.DrawBackground(width, height);
    formImage->SetPosition(width / 2, height / 2);
    formImage->Draw();
}

// The lit pad of the sheet lies on the pad, drawn 4 pixels off as it is made.
void COrderFormGame::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    shell.overlayImage->SetPosition(width / 2 + 4, height / 2 + 4);
    shell.overlayImage->Draw();
}

void COrderFormGame::DrawPad() {
    OrderPadInk::DrawTexts(model, linePos, dateText, GetSelectedName());
    OrderPadInk::DrawMarks(model, linePos, lineMarked, OrderPadInk::kLearner);
    OrderPadInk::DrawPrices(model, linePos, lineMarked);
}

void COrderFormGame::DrawPlay(int width, int height) {
    DrawPad();
    machineImage->SetPosition(width / 2, height / 2);
    shell.FadeInAndOut(machineImage, kMachineHold);
    if (!messagePlayed) {
        shell.Say(orderSound);
        messagePlayed = true;
    }
    if (nameListOpen) nameList->Draw();
    shell.playButton->Draw();
}

void COrderFormGame::DrawReview(int width, int height) {
    DrawPad();
    OrderFormReview::Draw(shell, model, Order(), lineMarked, GetSelectedName(), linePos, width, height);
}
