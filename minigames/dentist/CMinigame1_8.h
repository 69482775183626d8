#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/CallTransfers.h"
#include "minigames/dentist/TelephoneKeypad.h"

// Transferring calls: six callers ask for someone of the office; the
// learner finds that person's extension on the organisation chart and dials
// it on the telephone's keypad. The right extension earns its point at
// once; a wrong digit loses the call, and the next one comes in once the
// error has been heard.
class CMinigame1_8 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = CallTransfers::kCallCount;

    CMinigame1_8(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame1_8>::Unload(*this); }
    static bool closeEnough(CPoint a, CPoint b);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return keyTargets[key]; }
    // The review's row of a call: where its words start, and its mark.
    CPoint GetReviewRow(int call) const { return reviewRows[call]; }
    CPoint GetReviewMark(int call) const;
    int GetMessageIndex() const { return messageIndex; }
    const std::string& GetDialled() const { return dialled; }
    const std::string& GetExpected() const { return expected; }
    bool IsFailed(int call) const { return failed[call]; }
    // What was dialled when a call was lost.
    const std::string& GetLostDigits(int call) const { return lostDigits[call]; }
    int GetSelectedKey() const { return selectedKey; }
    const char* GetCurrentMessage() const { return currentMessage; }
    bool IsMessagePlayed() const { return messagePlayed; }

private:
    friend class CMinigameFlow<CMinigame1_8>;
    void Start();
    void Stop() {}
    // Places the keys and the review's rows; does not touch the call.
    void Place(int width, int height);
    void DrawUnderSheet(int width, int height);
    // The chart covers the whole view, the strip too.
    bool SheetHidesStrip() const { return true; }
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    void DrawReview(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return messageIndex >= CallTransfers::kCallCount; }
    bool AnyMissed() const;
    void OnSheetClick(CPoint point);
    void OnInstructions();
    void OnResume() { selectedKey = -1; }
    void OnHelp();
    void MoveOn() { NextMessage(); }
    bool OnPlayMove(CPoint point) const { return OnDigit(point); }
    bool OnSheetMove(CPoint point) const { return OnDigit(point); }
    bool OnDigit(CPoint point) const;

    // Empties what was dialled and expects the current call's extension.
    void StartCall();
    void NextMessage();

    CMinigameShell shell;
    CPoint keyTargets[TelephoneKeypad::kKeyCount];
    CPoint reviewRows[CallTransfers::kCallCount];
    std::string dialled;
    std::string expected;
    std::string lostDigits[CallTransfers::kCallCount];
    int messageIndex = 0;
    bool failed[CallTransfers::kCallCount] = {};
    int selectedKey = -1;
    const char* currentMessage = nullptr;
    bool messagePlayed = false;
    // The next call waits for the sound of the last one's end (the key's
    // tone or the error) before it speaks over it.
    bool feedbackFirst = false;
};

using CMinigame1_8Controller = CMinigameController<CMinigame1_8>;
