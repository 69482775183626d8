#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/AnsweringMachine.h"

// The answering-machine lesson: the learner first explores the machine's
// ten keys and hears what each does, then presses, in seven steps, the key
// that each spoken instruction asks for. A step pressed right the first
// time earns its point; a look at the instructions costs nothing.
class CMinigame1_1 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = AnsweringMachine::kStepCount;

    CMinigame1_1(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame1_1>::Unload(*this); }
    static bool closeEnough(CPoint a, CPoint b);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return buttonLocations[key]; }
    int GetStep() const { return step; }
    int GetSelectedButton() const { return selectedButton; }
    bool IsStepFailed() const { return stepFailed; }

private:
    friend class CMinigameFlow<CMinigame1_1>;
    void Start();
    void Stop() {}
    void Place(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    // No review: each step is judged as it is pressed, its cross at once.
    bool Finished() const { return step >= AnsweringMachine::kStepCount; }
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    void OnInstructions();
    void OnResume() { selectedButton = -1; }
    void OnHelp() { messagePlayed = false; }
    bool OnPlayMove(CPoint point) const;
    bool OnSheetMove(CPoint point) const { return OnPlayMove(point); }

    CMinigameShell shell;
    CPoint buttonLocations[AnsweringMachine::kKeyCount];
    int selectedButton = -1;
    int step = 0;
    bool messagePlayed = false;
    bool stepFailed = false;
};

using CMinigame1_1Controller = CMinigameController<CMinigame1_1>;
