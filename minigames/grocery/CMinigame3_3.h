#pragma once
#include <vector>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameController.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/grocery/Storage.h"

// Putting groceries away: eight of fifteen goods, each dragged to the
// shelf, the refrigerator or the freezer. A good put away can be clicked
// to take it back; the game is judged once all eight are put away.
class CMinigame3_3 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = Storage::kDrawn;

    CMinigame3_3(CModel* model, MinigameType type);

    void Unload() { CMinigameFlow<CMinigame3_3>::Unload(*this); }

    const CMinigameShell& Shell() const { return shell; }
    int GetGood(int i) const { return drawn[i]; }  // index in the goods table
    Storage::Place GetPlaced(int i) const { return placed[i]; }
    int GetCurrent() const { return current; }
    bool IsDragging() const { return dragging; }
    CPoint GetPlace(Storage::Place place) const { return places[place]->GetPosition(); }
    // Where good i of the game is drawn now.
    CPoint GetGoodPosition(int i) const { return goods[i]->GetPosition(); }

private:
    friend class CMinigameFlow<CMinigame3_3>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int width, int height);
    void OnPlayStart();
    void OnInstructions();
    void OnResume();
    void OnPress(CPoint point);
    bool OnDrag(CPoint point);
    bool OnRelease(CPoint point);
    bool OnPlayMove(CPoint point) const;
    void DrawPlay(int width, int height);
    // A click on a good put away takes it back out.
    Verdict Judge(CPoint point);
    bool Finished() const { return current < 0; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);

    void NextCurrent();
    void Score();
    void Arrange();  // puts every good at its spot: in the row, or in its place

    CMinigameShell shell;
    int drawn[Storage::kDrawn] = {};
    Storage::Place placed[Storage::kDrawn] = {};
    int current = 0;  // the good to put away, -1 when all are
    bool dragging = false;

    std::vector<CClickableImage*> goods;  // the drawn goods' pictures, in game order
    std::vector<CClickableImage*> places;
    std::vector<CClickableImage*> examples;
};

using CMinigame3_3Controller = CMinigameController<CMinigame3_3>;
