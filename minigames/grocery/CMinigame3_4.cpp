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

const MinigameSheet kSheet = {
    "stainless-steel.png", "scale_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_4.png",     "Intro3_4.mp3",      CMinigame3_4::kMaximum,
    kSubtitlesAtTop,  // the scale's lowest keys are at the bottom edge
    kScenery,
};

// What the demonstration points at, one thing a step.
enum Highlight { SHOW_TRAY, SHOW_CHART, SHOW_KEY, SHOW_DISPLAY, SHOW_PLAY };
struct DemoStep {
    int frames;       // how long the step lasts; 0 stays
    Highlight what;
    int digit;        // SHOW_KEY: which digit of the example's code
    int typed;        // digits of the example shown on the display
};
// The intro walks once through the example and ends on the play button;
// the instructions reopened from play loop through it without the button.
constexpr DemoStep kIntroDemo[] = {
    {200, SHOW_TRAY, 0, 0},   {200, SHOW_CHART, 0, 0}, {100, SHOW_KEY, 0, 1}, {100, SHOW_KEY, 1, 2},
    {100, SHOW_KEY, 2, 3},    {100, SHOW_KEY, 3, 4},   {100, SHOW_DISPLAY, 0, 4}, {0, SHOW_PLAY, 0, 4},
};
constexpr int kIntroSteps = sizeof kIntroDemo / sizeof kIntroDemo[0];
constexpr int kInstructionSteps = 7;
constexpr int kInstructionStepFrames = 200;
constexpr int kBlinkFrames = 20;
constexpr int kPressFeedbackFrames = 12;

}  // namespace

CMinigame3_4::CMinigame3_4(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_4.png"), shell(owner, minigameType, kSheet) {
    for (int i = 0; i < kItemCount; ++i) produceCode[i] = kProduce[i].code;
    GameRandom::Seed();
}

void CMinigame3_4::Load() {
    shell.Load(nullptr);
    keypadShown = false;
    for (int n = 1; n <= kItemCount; ++n) items.push_back(Picture(CString::Format("FruitVeg%d.png", n)));
    chartImage = Picture(kScenery[0]);
    scaleImage = Picture(kScenery[1]);
    keypadImage = Picture(kScenery[2]);
    borderImage = Picture("border.png");
    borderBImage = Picture("borderB.png");
    pointerImage = Picture("crosshair.png", 2.0f);
    smallCircleImage = Picture("smallCircle.png");
    smallCircleBImage = Picture("smallCircleB.png");
    DrawTurns();
    turn = 0;
    typedDigits.clear();
    demoFrames = 0;
    demoStep = 0;
    savedDemoStep = 0;
    pressFrames = 0;
    for (bool& missed : turnMissed) missed = false;
    needsLoad = false;
}

void CMinigame3_4::Unload() {
    ReleaseAll(items);
    Release(chartImage);
    Release(scaleImage);
    Release(keypadImage);
    Release(borderImage);
    Release(borderBImage);
    Release(pointerImage);
    Release(smallCircleImage);
    Release(smallCircleBImage);
    shell.Unload();
    needsLoad = true;
}

void CMinigame3_4::DrawTurns() {
    const std::vector<int> drawn = GameRandom::Distinct(kTurnCount, kItemCount);
    std::copy(drawn.begin(), drawn.end(), turnItem);
}

void CMinigame3_4::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

CPoint CMinigame3_4::ToView(int x, int y) const {
    return CPoint(x * viewWidth / kReferenceWidth, y * viewHeight / kReferenceHeight);
}

void CMinigame3_4::LoadButtonLocations(int width, int height) {
    viewWidth = width;
    viewHeight = height;
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

void CMinigame3_4::PlayGame(CPoint point) {
    if (turn >= kTurnCount) return;
    smallCircleImage->SetPosition(point.x, point.y);
    pressFrames = kPressFeedbackFrames;
    for (int digit = 0; digit < 10; ++digit) {
        if (!closeEnoughKeypad(point, keyLocations[digit])) continue;
        model->PlaySoundFile(kDigitSounds[digit], false);
        typedDigits.push_back(digit);
    }
    if (typedDigits.size() < size_t(kCodeDigits)) return;

    int typed = 0;
    for (int k = 0; k < kCodeDigits; ++k) typed = typed * 10 + typedDigits[k];
    if (typed == produceCode[turnItem[turn]]) {
        shell.ScorePoint();
    } else {
        turnMissed[turn] = true;
    }
    ++turn;
    typedDigits.clear();
    if (turn < kTurnCount) return;

    shell.SetProgress(3);
    bool anyMissed = false;
    for (bool missed : turnMissed) anyMissed = anyMissed || missed;
    if (anyMissed) {
        demoStep = 0;
        shell.EnterReview();
    } else {
        shell.EnterResults(true);
    }
}

void CMinigame3_4::OnLButtonDown(CPoint) {}

void CMinigame3_4::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE:
        case CORNER_HELP: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.SetProgress(2);
                demoStep = 0;
                demoFrames = 0;
                shell.phase = PhasePlay;
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                savedDemoStep = demoStep;
                demoStep = 0;
                demoFrames = 0;
                keypadShown = false;
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                demoStep = savedDemoStep;
                shell.phase = PhasePlay;
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(true);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame3_4::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (shell.OnMouseMove(point)) return;
    if (shell.phase == PhasePlay) {
        const bool over = OnScale(point);
        if (over && !keypadShown) model->PlaySoundFile("whip.mp3", false);
        keypadShown = over;
    }
    bool onKey = false;
    if (shell.phase == PhasePlay) {
        for (const CPoint& key : keyLocations) onKey = onKey || closeEnoughKeypad(point, key);
    }
    model->SetCursor(onKey ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame3_4::AdvanceDemo() {
    ++demoFrames;
    if (shell.phase == PhaseIntro) {
        const int frames = kIntroDemo[demoStep].frames;
        if (frames > 0 && demoFrames >= frames && demoStep + 1 < kIntroSteps) {
            ++demoStep;
            demoFrames = 0;
        }
    } else if (demoFrames >= kInstructionStepFrames) {
        demoStep = (demoStep + 1) % kInstructionSteps;
        demoFrames = 0;
    }
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

void CMinigame3_4::DrawScaleAndChart(int item, bool demo) {
    chartImage->FillScreen(viewWidth, viewHeight);
    scaleImage->FillScreen(viewWidth, viewHeight);
    if (keypadShown || demo) keypadImage->FillScreen(viewWidth, viewHeight);
    CClickableImage* picture = items[item];
    const CPoint at = ToView(kItemX, kItemY);
    if (picture->GetWidth() > 0) {
        picture->SetScale(float(kItemSize * viewWidth / double(kReferenceWidth) / picture->GetWidth()));
    }
    picture->SetPosition(at.x, at.y);
    picture->Draw();
}

void CMinigame3_4::DrawDemoHighlights() {
    const DemoStep& step = kIntroDemo[demoStep];
    std::vector<int> shown;
    for (int k = 0; k < step.typed; ++k) shown.push_back(Digit(kProduce[kExampleItem].code, k));
    DrawDisplay(shown);
    if ((demoFrames / kBlinkFrames) % 2 == 0) return;
    const double sx = viewWidth / double(kReferenceWidth);
    switch (step.what) {
        case SHOW_TRAY: {
            const CPoint at = ToView(kTray.CentreX(), kTray.CentreY());
            borderBImage->SetScale(float((kTray.right - kTray.left) * sx / borderBImage->GetWidth()));
            borderBImage->SetPosition(at.x, at.y);
            borderBImage->Draw();
            break;
        }
        case SHOW_CHART: {
            const Box cell = Cell(kExampleItem);
            const CPoint at = ToView(cell.CentreX(), cell.CentreY());
            borderImage->SetScale(float(kCellWidth * sx / borderImage->GetWidth()));
            borderImage->SetPosition(at.x, at.y);
            borderImage->Draw();
            pointerImage->SetPosition(at.x + int(kCellWidth * sx / 2), at.y);
            pointerImage->Draw();
            break;
        }
        case SHOW_KEY: {
            const CPoint at = keyLocations[Digit(kProduce[kExampleItem].code, step.digit)];
            smallCircleImage->SetPosition(at.x, at.y);
            smallCircleImage->Draw();
            break;
        }
        case SHOW_DISPLAY: {
            const CPoint at = ToView(kDisplay.CentreX(), kDisplay.CentreY());
            smallCircleBImage->SetScale(float((kDisplay.right - kDisplay.left) * 1.1 * sx / smallCircleBImage->GetWidth()));
            smallCircleBImage->SetPosition(at.x, at.y);
            smallCircleBImage->Draw();
            break;
        }
        case SHOW_PLAY: {
            const CPoint at = shell.playButton->GetPosition();
            smallCircleImage->SetScale(1.8f);
            smallCircleImage->SetPosition(at.x, at.y);
            smallCircleImage->Draw();
            smallCircleImage->SetScale(1.0f);
            break;
        }
    }
}

void CMinigame3_4::DrawFeedbackAnimation(int width, int height) {
    std::vector<CClickableImage*> pictures;
    std::vector<bool> right;
    for (int t = 0; t < kTurnCount; ++t) {
        pictures.push_back(items[turnItem[t]]);
        right.push_back(!turnMissed[t]);
    }
    GroceryBoard::Draw(shell, pictures, right, width, height);
    // Under each item, the code the chart gives for it.
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.1f, 0.1f, 0.15f, 1.0f);
    for (int t = 0; t < kTurnCount; ++t) {
        const CPoint at = GroceryBoard::Place(t, width, height);
        model->DrawText(float(at.x - 24), float(at.y + width / 10 + 10), GLUT_BITMAP_TIMES_ROMAN_24,
                        CString::Format("%d", produceCode[turnItem[t]]));
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigame3_4::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            AdvanceDemo();
            shell.DrawSheet(width, height);
            DrawScaleAndChart(kExampleItem, true);
            DrawDemoHighlights();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            DrawScaleAndChart(turnItem[turn < kTurnCount ? turn : kTurnCount - 1], false);
            DrawDisplay(typedDigits);
            if (pressFrames > 0) {
                --pressFrames;
                smallCircleImage->Draw();
            }
            break;
        case PhaseReview:
            DrawFeedbackAnimation(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
