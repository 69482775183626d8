#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/CScaleDemo.h"
#include "minigames/grocery/ProduceCodes.h"

// Produce codes at the checkout scale: a fruit or vegetable lies on the
// scale; the learner finds its four-digit code on the chart and types it on
// the scale's keypad. Eight of the twelve items are asked, each once, in a
// random order; a code is judged at its fourth digit and there is no erase.
class CMinigame3_4 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = ProduceCodes::kTurnCount;

    CMinigame3_4(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame3_4>::Unload(*this); }
    static bool closeEnoughKeypad(CPoint click, CPoint key);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int digit) const { return keyLocations[digit]; }
    CPoint GetScaleCentre() const;
    int GetTurn() const { return turn; }
    int GetTurnItem(int t) const { return turnItem[t]; }
    bool IsTurnMissed(int t) const { return turnMissed[t]; }
    const std::vector<int>& GetTypedDigits() const { return typedDigits; }
    bool IsKeypadShown() const { return keypadShown; }
    int GetDemoStep() const { return demo ? demo->Step() : 0; }

private:
    friend class CMinigameFlow<CMinigame3_4>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int width, int height);
    void OnPlayStart();
    void OnInstructions();
    void OnResume();
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return turn >= ProduceCodes::kTurnCount; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    bool OnPlayMove(CPoint point);

    void NextTurn();
    void DrawScaleAndChart(int item, bool keypad);
    void DrawDisplay(const std::vector<int>& digits);
    void DrawCodes(int width, int height);
    CPoint ToView(int x, int y) const;
    bool OnScale(CPoint point) const;

    CMinigameShell shell;
    int turnItem[ProduceCodes::kTurnCount] = {};
    bool turnMissed[ProduceCodes::kTurnCount] = {};
    int turn = 0;
    std::vector<int> typedDigits;
    bool keypadShown = false;
    int pressFrames = 0;  // frames left of the press feedback
    CPoint keyLocations[10];

    std::vector<CClickableImage*> items;
    CClickableImage* chartImage = nullptr;
    CClickableImage* scaleImage = nullptr;
    CClickableImage* keypadImage = nullptr;
    CClickableImage* pressImage = nullptr;  // "smallCircle.png", where a key was pressed
    CScaleDemo* demo = nullptr;
};

using CMinigame3_4Controller = CMinigameController<CMinigame3_4>;
