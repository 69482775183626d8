#include "minigames/grocery/CMinigame3_4.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"

using namespace ProduceCodes;

namespace {

// The code chart, the scale and its keypad, under the sheet from the start.
const char* const kScenery[] = {"FruitTable.png", "grocerymachine.png", "keypad2.png", nullptr};

// While the sheet speaks, the words go over the chart's lowest rows, clear
// of the written instruction at the top and of what the demonstration
// lights; in play, over the top, for the lowest keys are at the bottom edge.
const MinigameSheet kSheet = {
    "stainless-steel.png", "scale_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_4.png",     "Intro3_4.mp3",      CMinigame3_4::kMaximum,
    {SubtitlePlace::BOX, 0.031f, 0.62f, 0.471f, 0.82f},
    kScenery,
};
constexpr SubtitlePlace kPlaySubtitles = kSubtitlesAtTop;
constexpr int kPressFeedbackFrames = 12;

}  // namespace

CMinigame3_4::CMinigame3_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_4.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_4::Start() {
    keypadShown = false;
    for (int n = 1; n <= kItemCount; ++n) items.push_back(Picture(CString::Format("FruitVeg%d.png", n)));
    chartImage = Picture(kScenery[0]);
    scaleImage = Picture(kScenery[1]);
    keypadImage = Picture(kScenery[2]);
    pressImage = Picture("smallCircle.png");
    demo = new CScaleDemo();
    demo->Restart(false);
    const std::vector<int> drawn = GameRandom::Distinct(kTurnCount, kItemCount);
    std::copy(drawn.begin(), drawn.end(), turnItem);
    turn = 0;
    typedDigits.clear();
    pressFrames = 0;
    for (bool& missed : turnMissed) missed = false;
}

void CMinigame3_4::Stop() {
    ReleaseAll(items);
    Release(chartImage);
    Release(scaleImage);
    Release(keypadImage);
    Release(pressImage);
    Release(demo);
}

CPoint CMinigame3_4::ToView(int x, int y) const {
    return CPoint(x * viewWidth / kReferenceWidth, y * viewHeight / kReferenceHeight);
}

void CMinigame3_4::Place(int, int) {
    for (int digit = 0; digit < 10; ++digit) keyLocations[digit] = ToView(Key(digit).x, Key(digit).y);
}

CPoint CMinigame3_4::GetScaleCentre() const { return ToView(kScale.CentreX(), kScale.CentreY()); }

bool CMinigame3_4::OnScale(CPoint point) const {
    const CPoint topLeft = ToView(kScale.left, kScale.top), bottomRight = ToView(kScale.right, kScale.bottom);
    return point.x > topLeft.x && point.x < bottomRight.x && point.y > topLeft.y && point.y < bottomRight.y;
}

bool CMinigame3_4::closeEnoughKeypad(CPoint click, CPoint key) {
    return std::abs(click.x - key.x) < kKeyReach && std::abs(click.y - key.y) < kKeyReach;
}

void CMinigame3_4::OnPlayStart() {
    shell.SetProgress(2);
    demo->Restart(false);
    model->SetMinigameSubtitlePlace(kPlaySubtitles);
}

void CMinigame3_4::OnInstructions() {
    demo->Save();
    demo->Restart(true);
    keypadShown = false;
    model->SetMinigameSubtitlePlace(kSheet.subtitles);
}

void CMinigame3_4::OnResume() {
    demo->Resume();
    model->SetMinigameSubtitlePlace(kPlaySubtitles);
}

void CMinigame3_4::NextTurn() {
    ++turn;
    typedDigits.clear();
    if (Finished()) shell.SetProgress(3);
}

// A wrong code's cross stays on the last key pressed; the next item is on
// the tray at once, the keys waiting until the error sound has ended.
Verdict CMinigame3_4::Judge(CPoint point) {
    pressImage->SetPosition(point.x, point.y);
    pressFrames = kPressFeedbackFrames;
    for (int digit = 0; digit < 10; ++digit) {
        if (!closeEnoughKeypad(point, keyLocations[digit])) continue;
        model->PlaySoundFile(kDigitSounds[digit], false);
        typedDigits.push_back(digit);
    }
    if (typedDigits.size() < size_t(kCodeDigits)) return Verdict::None;
    int typed = 0;
    for (int k = 0; k < kCodeDigits; ++k) typed = typed * 10 + typedDigits[k];
    const bool right = typed == kProduce[turnItem[turn]].code;
    turnMissed[turn] = !right;
    NextTurn();
    return right ? Verdict::Right : Verdict::Wrong;
}

bool CMinigame3_4::AnyMissed() const {
    for (bool missed : turnMissed)
        if (missed) return true;
    return false;
}

bool CMinigame3_4::OnPlayMove(CPoint point) {
    const bool over = OnScale(point);
    if (over && !keypadShown) model->PlaySoundFile("whip.mp3", false);
    keypadShown = over;
    for (const CPoint& key : keyLocations)
        if (closeEnoughKeypad(point, key)) return true;
    return false;
}

void CMinigame3_4::DrawDisplay(const std::vector<int>& digits) {
    CString shown;
    for (int k = 0; k < kCodeDigits; ++k) {
        if (k > 0) shown += " ";
        shown += k < int(digits.size()) ? CString::Format("%d", digits[k]) : CString("_");
    }
    const CPoint at = ToView(kDisplay.CentreX() - 10, kDisplay.CentreY());
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.12f, 0.24f, 0.12f, 1.0f);
    model->DrawText(float(at.x), float(at.y + 9), GLUT_BITMAP_TIMES_ROMAN_24, shown);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigame3_4::DrawScaleAndChart(int item, bool keypad) {
    chartImage->FillScreen(viewWidth, viewHeight);
    scaleImage->FillScreen(viewWidth, viewHeight);
    if (keypad) keypadImage->FillScreen(viewWidth, viewHeight);
    CClickableImage* picture = items[item];
    const CPoint at = ToView(kItemX, kItemY);
    if (picture->GetWidth() > 0) {
        picture->SetScale(float(kItemSize * viewWidth / double(kReferenceWidth) / picture->GetWidth()));
    }
    picture->SetPosition(at.x, at.y);
    picture->Draw();
}

void CMinigame3_4::DrawOnSheet(int width, int height) {
    demo->Advance();
    DrawScaleAndChart(kExampleItem, true);
    std::vector<int> shown;
    for (int k = 0; k < demo->Typed(); ++k) shown.push_back(Digit(kProduce[kExampleItem].code, k));
    DrawDisplay(shown);
    demo->Draw(width, height, keyLocations, shell.playButton->GetPosition());
}

void CMinigame3_4::DrawPlay(int, int) {
    DrawScaleAndChart(turnItem[Finished() ? kTurnCount - 1 : turn], keypadShown);
    DrawDisplay(typedDigits);
    if (pressFrames > 0) {
        --pressFrames;
        pressImage->Draw();
    }
}

// The items in the order they were asked; a missed one shows its code.
void CMinigame3_4::DrawReview(int width, int height) {
    std::vector<CClickableImage*> pictures;
    std::vector<bool> right;
    for (int t = 0; t < kTurnCount; ++t) {
        pictures.push_back(items[turnItem[t]]);
        right.push_back(!turnMissed[t]);
    }
    GroceryBoard::Draw(shell, pictures, right, {}, width, height);
    DrawCodes(width, height);
}

void CMinigame3_4::DrawCodes(int width, int height) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.1f, 0.1f, 0.15f, 1.0f);
    for (int t = 0; t < kTurnCount; ++t) {
        if (!turnMissed[t]) continue;
        // Under the item's picture, clear of its mark.
        const GroceryBoard::Cell cell = GroceryBoard::CellOf(t, kTurnCount, width, height);
        const CClickableImage* picture = items[turnItem[t]];
        const CRect shown = GroceryBoard::FitIn(picture->GetWidth(), picture->GetHeight(), cell.picture);
        const CRect box = GroceryBoard::AnswerUnder(cell, shown);
        model->DrawText(float((shown.left + shown.right) / 2 - 24), float(box.top + 30),
                        GLUT_BITMAP_TIMES_ROMAN_24,
                        CString::Format("%d", kProduce[turnItem[t]].code));
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}
