#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/FaxCoverSheet.h"
#include "ui/CClickableImage.h"

// The fax cover sheet: the learner drags nine paper snippets (who it goes
// to, from whom, the numbers, the pages, the subject, the date, a comment)
// onto the sheet's fields, then hands the sheet in with the play button.
// A snippet let go on a field's slot snaps into it (one snippet a slot);
// let go anywhere else, it goes back to its place on the desk. Each
// snippet in its own field's slot earns a point.
class CMinigame1_4 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = FaxCoverSheet::kFieldCount;

    CMinigame1_4(CModel* model, MinigameType type);
    ~CMinigame1_4() { Stop(); }

    static bool closeEnough(CPoint a, CPoint b);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetFieldLocation(int field) const { return fieldLocations[field]; }
    CPoint GetSnippetLocation(int field) const { return snippets[field]->GetPosition(); }
    int GetDragged() const { return dragged; }
    // The slot a snippet lies in, -1 while it is on the desk.
    int GetSlotOf(int snippet) const { return slotOf[snippet]; }
    int GetSelectedField() const { return selectedField; }
    // Where the review marks a field: beside the end of its slot.
    CPoint GetMarkLocation(int field) const;
    bool IsRight(int field) const { return right[field]; }

private:
    friend class CMinigameFlow<CMinigame1_4>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return handedIn; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void Results();
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    void OnResume();
    bool OnPlayMove(CPoint point) const;
    bool OnSheetMove(CPoint point) const {
        return CMinigameShell::OverAnyTarget(point, fieldLocations, FaxCoverSheet::kFieldCount, closeEnough);
    }
    void OnPress(CPoint point);
    bool OnDrag(CPoint point);
    bool OnRelease(CPoint point);

    void PlaceSnippets();
    // The slot under a snippet's centre (the nearest of two), -1 for none.
    int SlotAt(CPoint centre) const;
    int OccupantOf(int slot) const;
    void DrawBoard();

    CMinigameShell shell;
    CPoint fieldLocations[FaxCoverSheet::kFieldCount];
    CClickableImage* snippets[FaxCoverSheet::kFieldCount] = {};
    CClickableImage* slots[FaxCoverSheet::kFieldCount] = {};
    int slotOf[FaxCoverSheet::kFieldCount] = {};  // the slot each snippet lies in, -1: the desk
    bool right[FaxCoverSheet::kFieldCount] = {};  // on its field when handed in
    bool handedIn = false;
    int dragged = -1;
    CPoint grab;  // from the pointer to the dragged snippet's centre
    int selectedField = -1;
};

using CMinigame1_4Controller = CMinigameController<CMinigame1_4>;
