#pragma once
#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/FaxCoverSheet.h"
#include "ui/CClickableImage.h"

// The fax cover sheet: the learner drags nine paper snippets (who it goes
// to, from whom, the numbers, the pages, the subject, the date, a comment)
// onto the sheet's fields, then hands the sheet in with the play button.
// Each snippet lying on its own field earns a point.
class CMinigame1_4 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = FaxCoverSheet::kFieldCount;

    CMinigame1_4(CModel* model, MinigameType type);
    ~CMinigame1_4() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayGame();
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetFieldLocation(int field) const { return fieldLocations[field]; }
    CPoint GetSnippetLocation(int field) const { return snippets[field]->GetPosition(); }
    int GetDragged() const { return dragged; }
    int GetSelectedField() const { return selectedField; }

private:
    void PlaceSnippetsAtStart();
    void DrawReview();
    void ShowResults();
    void Leave();

    CMinigameShell shell;
    CPoint fieldLocations[FaxCoverSheet::kFieldCount];
    CClickableImage* snippets[FaxCoverSheet::kFieldCount] = {};
    CClickableImage* slots[FaxCoverSheet::kFieldCount] = {};
    bool moved[FaxCoverSheet::kFieldCount] = {};  // dropped somewhere by the learner
    bool right[FaxCoverSheet::kFieldCount] = {};  // on its field when handed in
    int dragged = -1;
    CPoint grab;  // from the pointer to the dragged snippet's centre
    int selectedField = -1;
};

using CMinigame1_4Controller = CMinigameController<CMinigame1_4>;
