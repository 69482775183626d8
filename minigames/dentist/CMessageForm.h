#pragma once
#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
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
class CMessageForm : public CAbstractMinigame {
public:
    static constexpr int kMaximum = MessageForm::kJudgedCount + 2;

    static bool closeEnough(CPoint a, CPoint b);

    const CMessageForm& Form() const { return *this; }
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
    // As the form was handed in: each judged list right, each asked-for box ticked.
    bool IsRight(MessageForm::List list) const;
    // Where the review marks a judged list, and an asked-for box.
    CPoint MarkOf(MessageForm::List list) const;
    CPoint MarkOfBox(int box) const;
    // What a list's line shows; corrected (the review), the right entry where it was missed.
    CString EntryShown(MessageForm::List list, bool corrected) const;
    // In the review: an asked-for box left empty, crossed in red.
    bool IsBoxCorrected(int box) const;
    bool IsAsked(int box) const;

protected:
    CMessageForm(CModel* model, MinigameType type, const char* icon, const MinigameSheet& sheet,
                 const MessageForm::Language& language);
    ~CMessageForm() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawBackground(int width, int height);
    void DrawSheet(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return handedIn; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    void OnInstructions();
    void OnResume() { selectedTarget = -1; }
    // The recorded message is heard again, once help's instruction has ended.
    void OnHelp() { messagePlayed = false; }
    bool OnPlayMove(CPoint point);
    bool OnSheetMove(CPoint point) const {
        return CMinigameShell::OverAnyTarget(point, fieldTargets, MessageForm::kTargetCount, closeEnough);
    }
    void CloseLists() { openList = MessageForm::kNoList; }

    void BuildLists();
    bool OnFieldLine(int field, CPoint point) const;
    void Fill(CPoint point);
    int BoxPoints() const;
    void DrawEntries(bool corrected);
    void DrawBoxes(bool corrected);
    CPoint FieldOf(MessageForm::List list) const;

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
    bool handedIn = false;
    const char* explanations[MessageForm::kTargetCount] = {};
};
