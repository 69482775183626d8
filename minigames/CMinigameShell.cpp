#include "minigames/CMinigameShell.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cmath>
#include <map>

#include "app/BitmapText.h"
#include "app/Latin1.h"

#include "core/CModel.h"
#include "minigames/MinigameParts.h"
#include "ui/CornerLayout.h"

namespace {

constexpr int kCaptionHold = 500;
constexpr float kFadeStep = 0.02f;
constexpr CPoint kTaskCard = {256, 64};
constexpr int kLegendFromBottom = 40;
constexpr float kLegendScale = 1.5f;  // words of 16 pixels

CCustomButton* StandardButton(const char* normal, const char* lit) {
    CCustomButton* button = new CCustomButton(normal, lit);
    button->SetScale(CornerLayout::kScale);
    return button;
}

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Each type's sheet, kept by the shell made for it (its texts are the
// minigames' constant tables).
std::map<int, MinigameSheet>& SheetsByType() {
    static std::map<int, MinigameSheet> sheets;
    return sheets;
}
}  // namespace

std::function<double()> CMinigameShell::clock = SteadySeconds;

double CMinigameShell::Now() { return clock ? clock() : SteadySeconds(); }

CMinigameShell::CMinigameShell(CModel* owner, MinigameType minigameType, const MinigameSheet& files)
    : model(owner), type(minigameType), sheet(files) {
    SheetsByType()[minigameType] = files;
    phase = FirstPhase();
}

std::vector<const char*> CMinigameShell::FirstFramePictures(MinigameType type) {
    std::vector<const char*> names;
    auto found = SheetsByType().find(type);
    if (found == SheetsByType().end()) return names;
    const MinigameSheet& sheet = found->second;
    if (sheet.background != nullptr) names.push_back(sheet.background);
    if (sheet.overlay != nullptr && sheet.opensOnSheet) names.push_back(sheet.overlay);
    for (const char* const* name = sheet.scenery; name != nullptr && *name != nullptr; ++name) names.push_back(*name);
    return names;
}

void CMinigameShell::Load(const char* firstCaption) {
    Unload();
    model->SetActiveShell(this);
    model->PlayMusic("", true);
    model->SetMinigameSubtitlePlace(sheet.subtitles);
    // The recorded score stays until this game reaches its score panel: a
    // learner who only looks at a minigame keeps what it had.

    backgroundImage = new CClickableImage(sheet.background);
    overlayImage = new CClickableImage(sheet.overlay);
    strip.Load(sheet.progressStrip);
    strip.Set(1);
    if (firstCaption) SetCaption(firstCaption);
    resultsPanel = new CRewardScene(model);
    exitButton = StandardButton("title_exit.png", "title_exit_light.png");
    instructionButton = StandardButton("button_instruction.png", "button_instruction_light.png");
    playButton = StandardButton("button_play.png", "button_play_light.png");
    helpButton = StandardButton("button_questionmark.png", "button_questionmark_light.png");
    muteButton = NewMuteButton(model);
    subtitlesButton = NewSubtitleButton(model);
    slowButton = NewSlowSpeechButton(model);
    crosshairs = new CCrosshairsIcon();
    markImage = new CClickableImage("error.png");
    markImage->SetScale(kMarkStartScale);
    missedImage = new CClickableImage("review_missed.png");
    missedImage->SetScale(kMarkStartScale);
    legendImage = new CClickableImage(sheet.legendY > 0.0f ? "review_legend_two_lines.png"
                                      : sheet.english  ? "review_legend_en.png"
                                                       : "review_legend.png");
    legendImage->SetScale(kLegendScale);

    RestartFade();
    phase = FirstPhase();
    pauseUntil = -1.0;
    wrongSign.Hide();
    waitingPrompt = nullptr;
    SpeakInstruction();
    consigneImage = new CClickableImage(sheet.taskCard);
    consigneImage->SetPosition(kTaskCard.x, kTaskCard.y);
}

void CMinigameShell::Unload() {
    if (model->GetActiveShell() == this) model->SetActiveShell(nullptr);
    Release(consigneImage);
    Release(backgroundImage);
    Release(overlayImage);
    strip.Unload();
    Release(instructionImage);
    Release(exitButton);
    Release(instructionButton);
    Release(helpButton);
    Release(playButton);
    Release(muteButton);
    Release(subtitlesButton);
    Release(slowButton);
    Release(crosshairs);
    Release(resultsPanel);
    Release(markImage);
    Release(missedImage);
    Release(legendImage);
    waitingPrompt = nullptr;
    instructionUntil = -1.0;
    phase = FirstPhase();
    placedWidth = placedHeight = -1;
}

void CMinigameShell::SetCaption(const char* name) {
    delete instructionImage;
    instructionImage = new CClickableImage(name);
    instructionImage->SetScale(2.0f);
    RestartFade();
}

void CMinigameShell::RestartFade() {
    fadeAlpha = 0.0f;
    fadeHold = 0;
}

void CMinigameShell::FadeInAndOut(CClickableImage* image, int holdFrames) {
    if (fadeHold > holdFrames && fadeAlpha > 0.0f) {
        fadeAlpha -= kFadeStep;
    } else if (fadeAlpha >= 1.0f) {
        ++fadeHold;
    } else {
        fadeAlpha += kFadeStep;
    }
    image->SetAlpha(fadeAlpha);
    image->Draw();
}

void CMinigameShell::DrawBackground(int width, int height) { DrawBackground(width, height, backgroundImage); }

void CMinigameShell::DrawBackground(int width, int height, CClickableImage* background) {
    using namespace CornerLayout;
    background->FillScreen(width, height);
    exitButton->SetPosition(kExitX, kY);
    instructionButton->SetPosition(width - kInstructionFromRight, kY);
    playButton->SetPosition(width - kPlayFromRight, kY);
    helpButton->SetPosition(width - kHelpFromRight, kY);
    muteButton->SetPosition(width - kMuteFromRight, kY);
    subtitlesButton->SetPosition(width - kMuteFromRight, kSubtitlesY);
    slowButton->SetPosition(width - kSlowFromRight, kY);
    strip.Place(width);
}

void CMinigameShell::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    if (sheet.sheetScale <= 0.0f) {
        overlayImage->FillScreen(width, height);
        return;
    }
    overlayImage->SetScale(sheet.sheetScale);
    overlayImage->SetPosition(width / 2, height / 2);
    overlayImage->Draw();
}

void CMinigameShell::DrawCaption(int width, int height) {
    if (instructionImage == nullptr) return;
    instructionImage->SetPosition(width / 2, height / 2);
    FadeInAndOut(instructionImage, kCaptionHold);
}

// A practice game says so under the strip, and rings in gold the steps
// that were missed, the ones to work on.
void CMinigameShell::DrawPracticeMarks() {
    if (!model->IsPractising() || phase == PhaseResults) return;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.94f, 0.73f, 0.23f, 1.0f);
    for (int step : model->PracticeSteps()) {
        const CPoint at = strip.StepAt(step, model->PracticeStripSteps());
        // A ring three pixels wide, as a strip of triangles between two circles.
        glBegin(GL_TRIANGLE_STRIP);
        for (int i = 0; i <= 32; ++i) {
            const float a = static_cast<float>(i) * 6.2831853f / 32.0f, c = std::cos(a), s = std::sin(a);
            glVertex2f(static_cast<float>(at.x) + 19.5f * c, static_cast<float>(at.y) + 19.5f * s);
            glVertex2f(static_cast<float>(at.x) + 22.5f * c, static_cast<float>(at.y) + 22.5f * s);
        }
        glEnd();
    }
    const std::string words = Latin1FromUtf8("Entraînement : sans points");
    const CPoint middle = strip.StepAt(0, 1);
    const int x = strip.Middle() - BitmapText::Width(GLUT_BITMAP_HELVETICA_18, words) / 2;
    glColor4f(0.1f, 0.1f, 0.12f, 1.0f);
    CModel::DrawText(static_cast<float>(x + 1), static_cast<float>(middle.y + 45), GLUT_BITMAP_HELVETICA_18, words.c_str());
    glColor4f(1.0f, 0.88f, 0.54f, 1.0f);
    CModel::DrawText(static_cast<float>(x), static_cast<float>(middle.y + 44), GLUT_BITMAP_HELVETICA_18, words.c_str());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigameShell::DrawTop() {
    if (phase != PhaseResults) strip.Draw();
    DrawPracticeMarks();
    muteButton->Draw();
    subtitlesButton->Draw();
    slowButton->Draw();
    subtitlesButtonShown = true;
    exitButton->Draw();
    helpButton->Draw();
    wrongSign.Draw();
}

void CMinigameShell::WrongAnswer(CPoint at, bool cutVoice) {
    model->PlaySoundFile("error.mp3", cutVoice);
    wrongSign.Show(at);
    const double signSeconds = static_cast<double>(kWrongSignFrames) / 64.0;
    pauseUntil = std::max(pauseUntil, Now() + std::max({kPauseSeconds, signSeconds, model->SoundSeconds("error.mp3")}));
}

void CMinigameShell::SpeakInstruction() {
    waitingPrompt = nullptr;  // the instruction says it all again
    model->PlaySoundFile(sheet.intro, true);
    instructionUntil = Now() + model->SoundSeconds(sheet.intro);
}

void CMinigameShell::Say(const char* name) {
    if (name == nullptr) return;
    if (IsInstructionSpeaking() || IsPaused()) {
        waitingPrompt = name;
        return;
    }
    waitingPrompt = nullptr;
    model->PlaySoundFile(name, true);
}

void CMinigameShell::Tick() {
    if (waitingPrompt == nullptr || IsInstructionSpeaking() || IsPaused()) return;
    const char* prompt = waitingPrompt;
    waitingPrompt = nullptr;
    model->PlaySoundFile(prompt, true);
}

void CMinigameShell::MarkRight(CPoint at) {
    markImage->SetPosition(at.x, at.y);
    markImage->Draw();
}

void CMinigameShell::MarkMissed(CPoint at) {
    missedImage->SetPosition(at.x, at.y);
    missedImage->Draw();
}

namespace {
void DrawShrunk(CClickableImage* mark, CPoint at, float share) {
    const float scale = mark->GetScale();
    mark->SetScale(scale * share);
    mark->SetPosition(at.x, at.y);
    mark->Draw();
    mark->SetScale(scale);
}
}  // namespace

void CMinigameShell::MarkRight(CPoint at, float share) { DrawShrunk(markImage, at, share); }
void CMinigameShell::MarkMissed(CPoint at, float share) { DrawShrunk(missedImage, at, share); }

void CMinigameShell::DrawReviewLegend(int width, int height) {
    // Where the sheet wants it. The line at the foot never goes past the
    // view's edges (its strip fills nine tenths of the picture); the two
    // lines are narrow, and the sheet places them in a free place of its own.
    const int half = static_cast<int>(legendImage->GetWidth() * kLegendScale * 0.45f) + 8;
    int x = static_cast<int>(width * sheet.legendX), y = height - kLegendFromBottom;
    if (sheet.legendY > 0.0f) {
        y = static_cast<int>(height * sheet.legendY);
    } else {
        x = std::max(half, std::min(width - half, x));
    }
    legendImage->SetPosition(x, y);
    legendImage->Draw();
    // The marks fall once a frame, whatever number of them were pressed.
    for (CClickableImage* mark : {markImage, missedImage}) {
        if (mark->GetScale() > kMarkRestScale) mark->SetScale(std::max(kMarkRestScale, mark->GetScale() - kMarkShrink));
    }
}

// Mute, exit and help on top, without the strip.
void CMinigameShell::DrawCornerButtons() {
    subtitlesButtonShown = false;
    muteButton->Draw();
    exitButton->Draw();
    helpButton->Draw();
}

void CMinigameShell::DrawResults(int width, int height) {
    resultsPanel->SetCompteMax(sheet.maximum);
    resultsPanel->Draw(width, height);
}

CornerClick CMinigameShell::OnCornerClick(CPoint point) {
    if (muteButton->HitTest(point)) {
        model->ToggleMute();
        return CORNER_MUTE;
    }
    if (subtitlesButtonShown && subtitlesButton->HitTest(point)) {
        model->ToggleSubtitles();
        return CORNER_MUTE;  // a setting, like mute: nothing else happens
    }
    if (subtitlesButtonShown && slowButton->HitTest(point)) {
        model->ToggleSlowSpeech();  // and the voice heard last, again at its new speed
        return CORNER_MUTE;
    }
    if (exitButton->HitTest(point)) return CORNER_EXIT;
    if (helpButton->HitTest(point)) {
        SpeakInstruction();
        RestartFade();
        return CORNER_HELP;
    }
    return CORNER_NONE;
}

bool CMinigameShell::OnMouseMove(CPoint point) {
    muteButton->SetLight(false);
    subtitlesButton->SetLight(false);
    slowButton->SetLight(false);
    for (CCustomButton* button : {exitButton, playButton, helpButton, instructionButton}) button->SetLight(false);
    // The first of exit, mute, play, help and instructions under the pointer.
    const auto light = [this](auto* button) {
        button->SetLight(true);
        model->SetCursor(CURSOR_HAND);
        return true;
    };
    if (exitButton->HitTest(point)) return light(exitButton);
    if (muteButton->HitTest(point)) return light(muteButton);
    if (subtitlesButtonShown && subtitlesButton->HitTest(point)) return light(subtitlesButton);
    if (subtitlesButtonShown && slowButton->HitTest(point)) return light(slowButton);
    for (CCustomButton* button : {playButton, helpButton, instructionButton}) {
        if (button->HitTest(point)) return light(button);
    }
    if (phase == PhaseResults) {
        resultsPanel->OnMouseMove(point);
        model->SetCursor(CURSOR_ARROW);
        return true;
    }
    return false;
}

void CMinigameShell::KeepResult() {
    resultsPanel->SetCompteMax(sheet.maximum);
    resultsPanel->Finish();
}

void CMinigameShell::ScorePoint() {
    resultsPanel->SetCompte(resultsPanel->GetCompte() + 1);
    model->RewardUser();
}

void CMinigameShell::EnterResults(bool stopMusicFirst, const char* music) {
    if (music != nullptr) model->PlayMusic(music, stopMusicFirst);
    phase = PhaseResults;
}

void CMinigameShell::EnterReview() {
    model->PlaySoundFile("whip.mp3", false);
    if (markImage) markImage->SetScale(kMarkStartScale);
    if (missedImage) missedImage->SetScale(kMarkStartScale);
    phase = PhaseReview;
}

bool CMinigameShell::ViewResized(int width, int height) {
    if (width == placedWidth && height == placedHeight) return false;
    placedWidth = width;
    placedHeight = height;
    return true;
}

void CMinigameShell::PlayExplanation(const char* name) { model->PlaySoundFile(name, true); }
