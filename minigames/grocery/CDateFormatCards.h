#pragma once
#include <vector>

#include "app/CPoint.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/BestBefore.h"
#include "ui/CClickableImage.h"

// The sheet of the date games: the four format cards and the long card,
// each of which reads its label aloud when clicked, and the month chart.
// The belt and the sorting games both show it in their intro and
// instructions.
class CDateFormatCards {
public:
    explicit CDateFormatCards(CModel* model);
    ~CDateFormatCards();
    CDateFormatCards(const CDateFormatCards&) = delete;
    CDateFormatCards& operator=(const CDateFormatCards&) = delete;

    // Places the cards for the view's size.
    void Place(int width, int height);
    void Draw();
    // Reads the clicked card aloud; false when no card was hit.
    bool OnClick(CPoint point);
    // Where card i is (0 to 3 the forms, 4 the long card).
    CPoint GetCard(int i) const { return cards[i]->GetPosition(); }

private:
    CModel* model;
    std::vector<CClickableImage*> cards;  // the four forms, then the long card
    CClickableImage* monthChart;
};

// A click in either date game: the corner buttons; in the intro and the
// instructions the cards, or play (the long explanation the first time);
// in play the instructions or the game's own judging (playGame); the
// review's play leads to the score panel.
template <class Leave, class PlayGame>
void DateGameClick(CMinigameShell& shell, CDateFormatCards& cards, CModel* model, bool& firstPlay, CPoint point,
                   Leave leave, PlayGame playGame) {
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE:
        case CORNER_HELP: return;
        case CORNER_EXIT: leave(); return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) shell.SetProgress(2);
                if (firstPlay) model->PlaySoundFile(BestBefore::kLongRecording, true);
                firstPlay = false;
                shell.phase = PhasePlay;
            } else {
                cards.OnClick(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
            } else {
                playGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(true);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}
