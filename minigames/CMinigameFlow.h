#pragma once
#include <type_traits>
#include <utility>

#include "app/CPoint.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"

// What a click of play came to, as the minigame judged it.
enum class Verdict {
    None,           // not on anything that is judged
    Right,          // a right answer that earns its point
    RightNoPoint,   // right, after a miss (a look at the instructions costs nothing)
    Wrong,          // a wrong answer: the cross, the sound, the pause
    WrongMovesOn,   // the same, and the game goes on to its next item once they end
};

// The flow every minigame shares, run once here for all of them: loading
// on the first frame, placing again after a resize, the phases (the sheet,
// play, the instructions reopened, the review, the score panel), the corner
// buttons and the play button, a wrong answer's cross, sound and pause, the
// end of play, and leaving for the room.
//
// A minigame supplies its own part, found at compile time:
//   Start()              its pictures and state, after the shell has loaded
//   Stop()               frees them, before the shell unloads
//   Place(w, h)          puts its targets where they are drawn
//   DrawPlay(w, h)       play, over the background and under the corner buttons
//   Judge(point)         a click of play, as a Verdict
//   Finished()           the last item is done
// and may supply:
//   AnyMissed()          something was missed: the review shows it
//   DrawReview(w, h)     the board of the review, marked with MarkRight/MarkMissed
//                        (a game without them, judged step by step, has no review)
//   DrawBackground(w, h) its own background (else the sheet's)
//   DrawUnderSheet(w, h) what shows, darkened, under the sheet
//   DrawSheet(w, h)      the sheet itself, for one laid on the board (else the shell's)
//   SheetHidesStrip()    true: the sheet covers the strip, only the corner buttons go over it
//   DrawOnSheet(w, h)    what it adds over the sheet (the explorer's crosshairs)
//   OnSheetClick(point)  a click on the sheet (a target explored, a term heard)
//   OnReviewClick(point) a click on the review's board (an item heard again)
//   OnPlayStart()        play begins, from the intro's sheet
//   OnInstructions()     the sheet reopened during play
//   OnResume()           play again from the reopened sheet
//   OnHelp()             the help button (the flow has replayed the instruction)
//   OnLeave()            leaving for the room, before the unload
//   MoveOn()             the next item, once a WrongMovesOn has ended
//   OnPlayMove(point)    the pointer over play: true for the hand cursor
//   OnSheetMove(point)   the pointer over the sheet (a help page shown): true for the hand
//   OnPress(point)       a button press during play
//   CloseLists()         open drop-down lists close (help, sheet, leaving)
//   OnDrag(point)        the pointer moves a held piece: true while one is held
//   OnRelease(point)     a held piece let go: true when one was (before any button)
//   Results()            its own way to the score panel (else the reward music)
template <class Game>
class CMinigameFlow {
public:
    static void Load(Game& game) {
        game.shell.Load(nullptr);
        game.Start();
        game.movingOn = false;
        game.needsLoad = false;
    }

    static void Unload(Game& game) {
        game.Stop();
        game.shell.Unload();
        game.needsLoad = true;
    }

    static void Draw(Game& game, int width, int height) {
        game.viewWidth = width;
        game.viewHeight = height;
        if (game.needsLoad) Load(game);
        CMinigameShell& shell = game.shell;
        if (shell.ViewResized(width, height)) game.Place(width, height);
        CatchUp(game);
        shell.Tick();
        if constexpr (HasDrawBackground<Game>::value) {
            game.DrawBackground(width, height);
        } else {
            shell.DrawBackground(width, height);
        }
        switch (shell.phase) {
            case PhaseIntro:
            case PhaseInstructions:
                if constexpr (HasDrawUnderSheet<Game>::value) game.DrawUnderSheet(width, height);
                if constexpr (HasDrawSheet<Game>::value) {
                    game.DrawSheet(width, height);
                } else {
                    shell.DrawSheet(width, height);
                }
                if constexpr (HasDrawOnSheet<Game>::value) game.DrawOnSheet(width, height);
                shell.playButton->Draw();
                break;
            case PhasePlay:
                shell.instructionButton->Draw();
                shell.consigneImage->Draw();
                game.DrawPlay(width, height);
                // The last answer's cross and sound end before the board or the panel.
                if (game.Finished() && !shell.IsPaused() && !game.movingOn) EndPlay(game);
                break;
            case PhaseReview:
                if constexpr (HasReview<Game>::value) game.DrawReview(width, height);
                shell.DrawReviewLegend(width, height);
                shell.playButton->Draw();
                break;
            case PhaseResults: shell.DrawResults(width, height); break;
        }
        bool stripHidden = false;
        if constexpr (HasSheetHidesStrip<Game>::value) {
            stripHidden = game.SheetHidesStrip() && (shell.phase == PhaseIntro || shell.phase == PhaseInstructions);
        }
        if (stripHidden) {
            shell.DrawCornerButtons();
        } else {
            shell.DrawTop();
        }
    }

    static void OnLButtonUp(Game& game, CPoint point) {
        if (game.needsLoad) return;
        if constexpr (HasOnRelease<Game>::value) {
            if (game.OnRelease(point)) return;
        }
        CMinigameShell& shell = game.shell;
        switch (shell.OnCornerClick(point)) {
            case CORNER_MUTE: return;
            case CORNER_EXIT: Leave(game); return;
            case CORNER_HELP:
                CloseLists(game);
                if constexpr (HasOnHelp<Game>::value) game.OnHelp();
                return;
            case CORNER_NONE: break;
        }
        switch (shell.phase) {
            case PhaseIntro:
            case PhaseInstructions:
                if (shell.playButton->HitTest(point)) {
                    const bool fromIntro = shell.phase == PhaseIntro;
                    shell.phase = PhasePlay;
                    if (fromIntro) {
                        shell.CutInstruction();
                        if constexpr (HasOnPlayStart<Game>::value) game.OnPlayStart();
                    } else if constexpr (HasOnResume<Game>::value) {
                        game.OnResume();
                    }
                } else if constexpr (HasOnSheetClick<Game>::value) {
                    game.OnSheetClick(point);
                }
                break;
            case PhasePlay:
                if (shell.instructionButton->HitTest(point)) {
                    CloseLists(game);
                    shell.phase = PhaseInstructions;
                    if constexpr (HasOnInstructions<Game>::value) game.OnInstructions();
                } else if (!shell.IsPaused()) {
                    // A click may come before the frame that would have moved on.
                    CatchUp(game);
                    if (!game.Finished()) Take(game, point, game.Judge(point));
                }
                break;
            case PhaseReview:
                if (shell.playButton->HitTest(point)) {
                    Results(game);
                } else if constexpr (HasOnReviewClick<Game>::value) {
                    game.OnReviewClick(point);
                }
                break;
            case PhaseResults: shell.OnResultsClick(point); break;
        }
    }

    // Only a minigame that does something with presses gets them.
    static constexpr bool TakesPresses() { return HasOnPress<Game>::value; }

    static void OnLButtonDown(Game& game, CPoint point) {
        if constexpr (HasOnPress<Game>::value) {
            if (game.needsLoad || game.shell.phase != PhasePlay || game.shell.IsPaused()) return;
            game.OnPress(point);
        }
    }

    static void OnMouseMove(Game& game, CPoint point) {
        if (game.needsLoad) return;
        // A held piece follows the pointer, over the buttons too.
        if constexpr (HasOnDrag<Game>::value) {
            if (game.OnDrag(point)) {
                game.model->SetCursor(CURSOR_HAND);
                return;
            }
        }
        CMinigameShell& shell = game.shell;
        if (shell.OnMouseMove(point)) return;
        bool hand = false;
        if constexpr (HasOnPlayMove<Game>::value) {
            if (shell.phase == PhasePlay) hand = game.OnPlayMove(point);
        }
        if constexpr (HasOnSheetMove<Game>::value) {
            if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) hand = game.OnSheetMove(point);
        }
        game.model->SetCursor(hand ? CURSOR_HAND : CURSOR_ARROW);
    }

private:
    // The wrong answer's cross and sound have ended: the next item.
    static void CatchUp(Game& game) {
        if (!game.movingOn || game.shell.IsPaused()) return;
        game.movingOn = false;
        if constexpr (HasMoveOn<Game>::value) game.MoveOn();
    }

    static void Take(Game& game, CPoint point, Verdict verdict) {
        CMinigameShell& shell = game.shell;
        switch (verdict) {
            case Verdict::None: break;
            case Verdict::Right: shell.ScorePoint(); break;
            case Verdict::RightNoPoint: break;
            case Verdict::Wrong: shell.WrongAnswer(point); break;
            case Verdict::WrongMovesOn:
                shell.WrongAnswer(point);
                game.movingOn = true;
                break;
        }
    }

    // After the last item: the review when something was missed, else the panel.
    static void EndPlay(Game& game) {
        bool review = false;
        if constexpr (HasReview<Game>::value) review = game.AnyMissed();
        if (review) {
            game.shell.EnterReview();
        } else {
            Results(game);
        }
    }

    static void Results(Game& game) {
        if constexpr (HasResults<Game>::value) {
            game.Results();
        } else {
            game.shell.EnterResults(true);
        }
    }

    // One rule for all: a game left before its last answer earns nothing;
    // left after it, it keeps what it earned.
    static void Leave(Game& game) {
        CloseLists(game);
        if (game.shell.IsPlayOver() || (game.shell.IsPlaying() && game.Finished())) game.shell.KeepResult();
        if constexpr (HasOnLeave<Game>::value) game.OnLeave();
        Unload(game);
        game.model->SetGameState(GAMESTATE_SUBMENU);
    }

    static void CloseLists(Game& game) {
        if constexpr (HasCloseLists<Game>::value) game.CloseLists();
    }

#define ZELK_FLOW_HOOK(Trait, call)                                                          \
    template <class G, class = void>                                                         \
    struct Trait : std::false_type {};                                                       \
    template <class G>                                                                       \
    struct Trait<G, std::void_t<decltype(std::declval<G&>().call)>> : std::true_type {};
    ZELK_FLOW_HOOK(HasDrawBackground, DrawBackground(0, 0))
    ZELK_FLOW_HOOK(HasDrawUnderSheet, DrawUnderSheet(0, 0))
    ZELK_FLOW_HOOK(HasDrawSheet, DrawSheet(0, 0))
    ZELK_FLOW_HOOK(HasSheetHidesStrip, SheetHidesStrip())
    ZELK_FLOW_HOOK(HasDrawOnSheet, DrawOnSheet(0, 0))
    ZELK_FLOW_HOOK(HasOnSheetClick, OnSheetClick(CPoint()))
    ZELK_FLOW_HOOK(HasOnReviewClick, OnReviewClick(CPoint()))
    ZELK_FLOW_HOOK(HasOnSheetMove, OnSheetMove(CPoint()))
    ZELK_FLOW_HOOK(HasOnPlayStart, OnPlayStart())
    ZELK_FLOW_HOOK(HasOnInstructions, OnInstructions())
    ZELK_FLOW_HOOK(HasOnResume, OnResume())
    ZELK_FLOW_HOOK(HasOnHelp, OnHelp())
    ZELK_FLOW_HOOK(HasOnLeave, OnLeave())
    ZELK_FLOW_HOOK(HasMoveOn, MoveOn())
    ZELK_FLOW_HOOK(HasOnPlayMove, OnPlayMove(CPoint()))
    ZELK_FLOW_HOOK(HasOnPress, OnPress(CPoint()))
    ZELK_FLOW_HOOK(HasCloseLists, CloseLists())
    ZELK_FLOW_HOOK(HasReview, DrawReview(0, 0))
    ZELK_FLOW_HOOK(HasOnDrag, OnDrag(CPoint()))
    ZELK_FLOW_HOOK(HasOnRelease, OnRelease(CPoint()))
    ZELK_FLOW_HOOK(HasResults, Results())
#undef ZELK_FLOW_HOOK
};
