#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/MessageForm.h"
#include "ui/CDropDownMenu.h"

class CModel;

// Taking a recorded message down on the office's telephone-message pad:
// the learner hears the answering machine, picks the date, the time, the
// names, the message and the number from the form's drop-down lists, ticks
// the boxes that apply, and hands the form in with the play button, which
// judges it all at once. The French and the English games are this one
// form with their own lists and recordings; each game takes the other of
// its two recordings than the game before.
class CMessageForm {
public:
    static constexpr int kMaximum = MessageForm::kJudgedCount + 2;

    CMessageForm(CModel* model, MinigameType type, const MinigameSheet& sheet, const MessageForm::Language& language);
    ~CMessageForm() { Unload(); }
    CMessageForm(const CMessageForm&) = delete;
    CMessageForm& operator=(const CMessageForm&) = delete;

    void Load();
    void Unload();
    // Places the targets; does not touch what the form holds.
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // False when the learner leaves: the owner then unloads and goes to its room.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetVariant() const { return variant; }
    const MessageForm::Recording& GetRecording() const { return language.recordings[variant]; }
    const char* GetCurrentMessage() const { return currentMessage; }
    int GetOpenList() const { return openList; }
    const CDropDownMenu* GetList(int list) const { return lists[list]; }
    bool IsBoxTicked(int box) const { return boxTicked[box]; }
    CPoint GetFieldTarget(int target) const { return fieldTargets[target]; }
    CPoint GetBoxTarget(int box) const { return boxTargets[box]; }
    int GetSelectedTarget() const { return selectedTarget; }
    // Where the review's stamps fall: on every right entry.
    const std::vector<CPoint>& GetRightEntries() const { return rightEntries; }

private:
    void BuildLists();
    bool IsRight(MessageForm::List list) const;
    void Judge();
    void Explore(CPoint point);
    void DrawTextOnMessage();
    void DrawXAt(CPoint box);
    CPoint FieldOf(MessageForm::List list) const;

    CModel* model;
    CMinigameShell shell;
    const MessageForm::Language& language;
    CClickableImage* formImage = nullptr;
    CDropDownMenu* lists[MessageForm::kListCount] = {};
    bool boxTicked[MessageForm::kBoxCount] = {};
    int openList = MessageForm::kNoList;
    CPoint fieldTargets[MessageForm::kTargetCount];
    CPoint boxTargets[MessageForm::kBoxCount];
    int selectedTarget = -1;
    int variant = 0;
    const char* currentMessage = nullptr;
    bool messagePlayed = false;
    const char* explanations[MessageForm::kTargetCount] = {};
    std::vector<CPoint> rightEntries;
};
