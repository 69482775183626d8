#pragma once
#include "app/CPoint.h"
#include "core/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/AnsweringMachine.h"

// The answering-machine lesson: the learner first explores the machine's
// ten keys and hears what each does, then presses, in seven steps, the key
// that each spoken instruction asks for. A step pressed right the first
// time earns its point.
class CMinigame1_1 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = AnsweringMachine::kStepCount;

    CMinigame1_1(CModel* model, MinigameType type);
    ~CMinigame1_1() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayHelpSounds();
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return buttonLocations[key]; }
    int GetStep() const { return step; }
    int GetSelectedButton() const { return selectedButton; }
    bool IsStepFailed() const { return stepFailed; }

private:
    void SelectKey(CPoint point);
    void Leave();

    CMinigameShell shell;
    CPoint buttonLocations[AnsweringMachine::kKeyCount];
    int selectedButton = -1;
    int step = 0;
    const char* currentMessage = nullptr;
    bool messagePlayed = false;
    bool stepFailed = false;
};

using CMinigame1_1Controller = CMinigameController<CMinigame1_1, 0, false>;
