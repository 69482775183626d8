#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/ProduceCodes.h"

// Produce codes at the checkout scale: a fruit or vegetable lies on the
// scale; the learner finds its four-digit code on the chart and types it on
// the scale's keypad. Eight of the twelve items are asked, each once, in a
// random order; a code is judged at its fourth digit and there is no erase.
class CMinigame3_4 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = ProduceCodes::kTurnCount;

    CMinigame3_4(CModel* model, MinigameType type);
    ~CMinigame3_4() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnoughKeypad(CPoint click, CPoint key);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void DrawFeedbackAnimation(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int digit) const { return keyLocations[digit]; }
    CPoint GetScaleCentre() const;
    int GetTurn() const { return turn; }
    int GetTurnItem(int t) const { return turnItem[t]; }
    bool IsTurnMissed(int t) const { return turnMissed[t]; }
    const std::vector<int>& GetTypedDigits() const { return typedDigits; }
    bool IsKeypadShown() const { return keypadShown; }
    int GetDemoStep() const { return demoStep; }

private:
    void DrawTurns();
    void Leave();
    void AdvanceDemo();
    void DrawScaleAndChart(int item, bool demo);
    void DrawDemoHighlights();
    void DrawDisplay(const std::vector<int>& digits);
    CPoint ToView(int x, int y) const;
    bool OnScale(CPoint point) const;

    CMinigameShell shell;
    int produceCode[ProduceCodes::kItemCount];
    int turnItem[ProduceCodes::kTurnCount] = {};
    bool turnMissed[ProduceCodes::kTurnCount] = {};
    int turn = 0;
    std::vector<int> typedDigits;
    int demoStep = 0;
    int demoFrames = 0;
    int savedDemoStep = 0;
    bool keypadShown = false;
    int pressFrames = 0;  // frames left of the press feedback
    CPoint keyLocations[10];

    std::vector<CClickableImage*> items;
    CClickableImage* chartImage = nullptr;
    CClickableImage* scaleImage = nullptr;
    CClickableImage* keypadImage = nullptr;
    CClickableImage* borderImage = nullptr;    // around the example on the chart
    CClickableImage* borderBImage = nullptr;   // around the item on the tray
    CClickableImage* pointerImage = nullptr;   // "crosshair.png", pointing at the chart
    CClickableImage* smallCircleImage = nullptr;
    CClickableImage* smallCircleBImage = nullptr;
};

using CMinigame3_4Controller = CMinigameController<CMinigame3_4>;
