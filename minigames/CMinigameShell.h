#pragma once
#include <algorithm>
#include <functional>
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "core/CSubtitles.h"
#include "core/GameTypes.h"
#include "scenes/CRewardScene.h"
#include "ui/CClickableImage.h"
#include "minigames/CProgressStrip.h"
#include "ui/CCrosshairsIcon.h"
#include "ui/CCustomButton.h"
#include "ui/CToggleButton.h"
#include "ui/CWrongAnswerCross.h"

class CModel;

// Where a minigame is in its life.
enum MinigamePhase {
    PhaseIntro = 0,         // the sheet over the darkened scene; the intro speaks
    PhasePlay = 1,          // the game proper
    PhaseInstructions = 2,  // the sheet again, reopened during play
    PhaseReview = 3,        // wrong answers marked, until play leads on
    PhaseResults = 4,       // the score panel, with the reward music
};

// What a minigame's shape is made of: its pictures, its spoken intro and
// the most points a game can earn.
struct MinigameSheet {
    const char* background;     // over the whole view
    const char* overlay;        // the sheet of the intro and the instructions
    const char* progressStrip;  // printf pattern of the strip, numbered from 1
    const char* taskCard;       // the card at the top left during play
    const char* intro;          // spoken at Load and by the help button
    int maximum;                // slots on the score panel
    SubtitlePlace subtitles{};  // where the words of its voices go, clear of its targets
    // Further full-screen pictures its first frame shows under the sheet,
    // null-terminated (may be null): decoded ahead with the two above.
    const char* const* scenery = nullptr;
    // False for a game that starts in play, its intro spoken over it: the
    // sheet shows only when asked for.
    bool opensOnSheet = true;
    bool english = false;  // the review's legend in English
    // The middle of the review's legend across the view, as a share of its
    // width: off the middle for a board whose lowest item is there.
    float legendX = 0.5f;
    // 0: the sheet fills the view. Else it is drawn at this scale in the
    // middle, so that what it points at lines up with the board under it.
    float sheetScale = 0.0f;
    // 0: the legend at the foot of the view. Else its middle down the view,
    // as a share of its height, in two lines: for a board whose marks reach
    // the foot, beside a narrow free place (no English board needs it).
    float legendY = 0.0f;
};

// What a click on the standard buttons did.
enum CornerClick {
    CORNER_NONE = 0,  // not on a standard button that acts by itself
    CORNER_MUTE,      // sound (or subtitles) toggled
    CORNER_EXIT,      // the minigame must unload and leave for its room
    CORNER_HELP,      // the intro speaks again and the caption fades in again
};

// The shape every minigame shares and holds: the phases, the five standard
// buttons, the full-screen pictures, the task card, the progress strip, the
// fading caption, the crosshairs, the score panel and the time-out after a
// wrong answer. A minigame calls it explicitly and keeps only its own
// targets, steps and answers.
class CMinigameShell {
public:
    CMinigameShell(CModel* model, MinigameType type, const MinigameSheet& sheet);
    ~CMinigameShell() { Unload(); }
    CMinigameShell(const CMinigameShell&) = delete;
    CMinigameShell& operator=(const CMinigameShell&) = delete;

    // The big pictures the first frame of a minigame of that type shows (its
    // sheet's background, overlay and scenery), for the curtain that leads
    // to it to decode ahead; none for a type no shell was made for.
    static std::vector<const char*> FirstFramePictures(MinigameType type);
    const MinigameSheet& Sheet() const { return sheet; }

    // Music off, every picture made, the intro
    // spoken, the first caption (may be null) ready to fade in.
    void Load(const char* firstCaption);
    void Unload();

    // Replaces the strip with its picture number n.
    void SetProgress(int n) { strip.Set(n); }
    int GetProgress() const { return strip.Get(); }
    // Step `step` (from 0) of a strip of `steps` was passed without its
    // point: the strip shows it missed, not ticked, until the game ends.
    void MissStep(int step, int steps) { strip.MissStep(step, steps); }
    bool IsStepMissed(int step) const { return strip.IsStepMissed(step); }
    CPoint StripStepAt(int step) const { return strip.StepAt(step); }
    int StripSteps() const { return strip.Steps(); }
    // Replaces the caption and starts its fade over.
    void SetCaption(const char* name);
    void RestartFade();
    // One frame of the caption's fade: in, held for holdFrames, out.
    void FadeInAndOut(CClickableImage* image, int holdFrames);

    // The background, and the buttons and the strip put in place.
    void DrawBackground(int width, int height);
    // The same with another full-screen picture in the background's place,
    // for a game whose whole screen changes with its steps (the GPS): one
    // full-screen picture a frame instead of two.
    void DrawBackground(int width, int height, CClickableImage* background);
    // The darkened scene with the sheet over it.
    void DrawSheet(int width, int height);
    // The caption at scale 2 in the middle, fading (500 frames held).
    void DrawCaption(int width, int height);
    // The strip (but on the score panel), then mute, exit and help on top.
    void DrawTop();
    void DrawResults(int width, int height);

    // Mute, exit and help on top, without the strip: for the screens that
    // cover the strip (the organisation chart of the call transfers).
    void DrawCornerButtons();

    // Mute, exit and help, in that order. Help speaks the intro again.
    CornerClick OnCornerClick(CPoint point);
    // The learner leaves once play is over (the last answer in, the review
    // or the panel up): the result is stored as the panel would store it.
    // Left before that, a game earns nothing and its score line keeps what
    // it had.
    void KeepResult();
    // Lights the standard button under the pointer (hand cursor) and
    // passes moves to the score panel; false when the minigame decides.
    bool OnMouseMove(CPoint point);
    // The score panel takes the click (it saves, and may restart or leave).
    void OnResultsClick(CPoint point) { resultsPanel->OnLButtonUp(point); }

    // One point more on the panel, and the rising ingot.
    void ScorePoint();
    // The last task is done: the reward music and the score panel. Some
    // games stop the music in progress first; music null: none (a game that
    // ends on a sound of its own).
    void EnterResults(bool stopMusicFirst = false, const char* music = "musicRewards.mp3");

    // A game with something missed: "whip.mp3" over the sound in progress,
    // and the review, where a tick stands beside each item got right and a
    // cross beside each one missed, until the play button leads on.
    void EnterReview();

    // The review's two marks, the same in every minigame: the tick beside an
    // item got right, the cross beside one missed (whose right answer the
    // minigame shows). Both fall onto the board as the review opens.
    void MarkRight(CPoint at);
    void MarkMissed(CPoint at);
    // The same at a share of their size, for a board of close rows.
    void MarkRight(CPoint at, float share);
    void MarkMissed(CPoint at, float share);
    // The line under the board that says what the two marks mean.
    void DrawReviewLegend(int width, int height);

    // A prompt of play (a step's message, a question): spoken at once, but
    // while the instruction replayed by help or a wrong answer's sound is
    // going, it waits for their end; a later prompt replaces a waiting one.
    void Say(const char* name);
    // The instruction, whole, with its subtitles: at Load and by help.
    void SpeakInstruction();
    bool IsInstructionSpeaking() const { return Now() < instructionUntil; }
    // The learner leaves the sheet for play: the intro gives way.
    void CutInstruction() { instructionUntil = -1.0; }
    // Once a frame: a waiting prompt is spoken when nothing holds it back.
    void Tick();
    bool HasWaitingPrompt() const { return waitingPrompt != nullptr; }

    // True on the first frame after Load and whenever the view's size has
    // changed since the last frame: the minigame then places its targets
    // again (LoadButtonLocations), so clicks are judged where things are drawn.
    bool ViewResized(int width, int height);

    // A wrong answer: "error.mp3" over the sound in progress (or instead of
    // it, with cutVoice), and a red cross at the click that fades within a
    // second, so that a learner without sound sees the point was lost too.
    // Input pauses until both have ended. DrawTop draws the cross.
    void WrongAnswer(CPoint at, bool cutVoice = false);
    bool IsWrongSignShown() const { return wrongSign.IsShown(); }
    static constexpr int kWrongSignFrames = CWrongAnswerCross::kFrames;

    // After a wrong answer the game takes no input for at least a second
    // (longer while its sound lasts), and goes on drawing meanwhile.
    static constexpr double kPauseSeconds = 1.0;
    static constexpr float kMarkStartScale = 10.0f;
    static constexpr float kMarkRestScale = 2.0f;
    static constexpr float kMarkShrink = 0.5f;
    bool IsPaused() const { return Now() < pauseUntil; }
    // The clock's time; the steady clock when none is set (nullptr).
    static double Now();
    // Seconds on a steady clock; tests put their own here (nullptr puts
    // the steady clock back).
    static std::function<double()> clock;

    // Scans the targets for the click, as a learner explores them before
    // playing: every target near the click is selected in turn (a second
    // click on the selected one deselects it) and the crosshairs move onto
    // it; the explanation of the selection is spoken. Far from all, the
    // crosshairs go off screen. Returns the selection, -1 for none. A
    // target whose explanation is null is selected silently.
    template <class Near>
    int ExploreTargets(CPoint point, const CPoint* targets, int count, int selected, Near near,
                       const char* const* explanations);
    // Whether the pointer is over one of the targets a click explores: the
    // hand cursor shows what the sheet lets a learner hear.
    template <class Near>
    static bool OverAnyTarget(CPoint point, const CPoint* targets, int count, Near near) {
        for (int i = 0; i < count; ++i) {
            if (near(point, targets[i])) return true;
        }
        return false;
    }

    MinigamePhase phase = PhaseIntro;
    bool IsPlaying() const { return phase == PhasePlay; }
    bool IsPlayOver() const { return phase == PhaseReview || phase == PhaseResults; }
    CProgressStrip strip;
    CClickableImage* consigneImage = nullptr;
    CClickableImage* backgroundImage = nullptr;
    CClickableImage* overlayImage = nullptr;
    CClickableImage* instructionImage = nullptr;
    CCustomButton* exitButton = nullptr;
    CCustomButton* instructionButton = nullptr;
    CCustomButton* helpButton = nullptr;
    CCustomButton* playButton = nullptr;
    CToggleButton* muteButton = nullptr;  // shows whether sound is on
    CToggleButton* subtitlesButton = nullptr;  // under it: voices written on screen
    CToggleButton* slowButton = nullptr;       // the snail: voices slowed
    CCrosshairsIcon* crosshairs = nullptr;
    CRewardScene* resultsPanel = nullptr;
    CClickableImage* markImage = nullptr;  // "error.png", the review's tick
    CClickableImage* missedImage = nullptr;  // "review_missed.png", its cross
    CClickableImage* legendImage = nullptr;  // what the two mean
    float fadeAlpha = 0.0f;
    int fadeHold = 0;

private:
    void PlayExplanation(const char* name);
    void DrawPracticeMarks();
    MinigamePhase FirstPhase() const { return sheet.opensOnSheet ? PhaseIntro : PhasePlay; }

    CModel* model;
    MinigameType type;
    MinigameSheet sheet;
    double pauseUntil = -1.0;
    double instructionUntil = -1.0;       // the replayed instruction's end
    const char* waitingPrompt = nullptr;  // said once nothing holds it back
    bool subtitlesButtonShown = false;    // drawn this frame, with the slow voice's: they take clicks

    CWrongAnswerCross wrongSign;
    int placedWidth = -1;  // the view size the targets were placed for
    int placedHeight = -1;
};

template <class Near>
int CMinigameShell::ExploreTargets(CPoint point, const CPoint* targets, int count, int selected, Near near,
                                   const char* const* explanations) {
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (!near(point, targets[i])) continue;
        any = true;
        crosshairs->SetPosition(targets[i]);
        selected = selected == i ? -1 : i;
        if (selected >= 0 && explanations[selected]) PlayExplanation(explanations[selected]);
    }
    if (!any) crosshairs->SetPosition(CPoint(-100, -100));
    return selected;
}
