#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/CallTransfers.h"
#include "minigames/dentist/TelephoneKeypad.h"

// Transferring calls: six callers ask for someone of the office; the
// learner finds that person's extension on the organisation chart and dials
// it on the telephone's keypad. The right extension earns its point at
// once; a wrong digit loses the call, and the next one comes in.
class CMinigame1_8 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CallTransfers::kCallCount;

    CMinigame1_8(CModel* model, MinigameType type);
    ~CMinigame1_8() { Unload(); }

    void Load();
    void Unload();
    // Places the keys and the review's slots; does not touch the call.
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return keyTargets[key]; }
    CPoint GetSlot(int call) const { return slotTargets[call]; }
    int GetMessageIndex() const { return messageIndex; }
    const std::string& GetDialled() const { return dialled; }
    const std::string& GetExpected() const { return expected; }
    bool IsFailed(int call) const { return failed[call]; }
    int GetSelectedKey() const { return selectedKey; }
    const char* GetCurrentMessage() const { return currentMessage; }
    bool IsMessagePlayed() const { return messagePlayed; }

private:
    // Empties what was dialled and expects the current call's extension.
    void StartCall();
    void TestSolutions(CPoint point);
    void NextMessage();
    void DrawFeedbackAnimation();
    void Leave();

    CMinigameShell shell;
    CPoint keyTargets[TelephoneKeypad::kKeyCount];
    CPoint slotTargets[CallTransfers::kCallCount];
    std::string dialled;
    std::string expected;
    int messageIndex = 0;
    bool failed[CallTransfers::kCallCount] = {};
    int selectedKey = -1;
    const char* currentMessage = nullptr;
    bool messagePlayed = false;
    // The next call waits for the sound of the last one's end (the point's
    // beep or the error) before it speaks over it.
    bool feedbackFirst = false;
};

using CMinigame1_8Controller = CMinigameController<CMinigame1_8>;
