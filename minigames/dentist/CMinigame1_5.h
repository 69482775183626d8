#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/FaxMachine.h"
#include "ui/CClickableImage.h"

// Sending a fax: the learner turns the document face down, slides it onto
// the machine's feeder, dials the laboratory's number on the keypad and
// presses the send key. As on a real machine, Arrêt clears a number keyed
// wrong, "*" and "#" dial too, and Envoi sends only once the document is
// in and a number keyed (else the screen and a voice say what is missing).
// Sending judges: a point for sending, one for the document on the feeder,
// one for the right number (a wrong one is shown and said), and one for a
// number keyed once the document was in (a machine dials as soon as it
// holds a document and a number, so the order matters).
class CMinigame1_5 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = 4;
    // The four points, in the order the send key judges them.
    enum Point { POINT_SENT = 0, POINT_DOCUMENT_IN, POINT_NUMBER, POINT_ORDER };

    CMinigame1_5(CModel* model, MinigameType type);
    ~CMinigame1_5() { Stop(); }

    static bool closeEnough(CPoint a, CPoint b);
    static bool dialCloseEnough(CPoint a, CPoint b);
    static bool closeEnoughToKeypad(CPoint a, CPoint b);
    // On the cap of Envoi or Arrêt (centred at key), as drawn.
    static bool onControlKey(CPoint key, CPoint click);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return keyLocations[key]; }
    CPoint GetSignKeyLocation(int key) const { return signKeyLocations[key]; }
    CPoint GetSendLocation() const { return sendLocation; }
    CPoint GetStopLocation() const { return stopLocation; }
    // What the screen says instead of the number, NOTICE_NONE for nothing.
    int GetNotice() const { return notice; }
    CPoint GetFeederLocation() const { return feederLocation; }
    CPoint GetDocumentLocation() const { return documentImage->GetPosition(); }
    const std::string& GetDialled() const { return dialled; }
    bool IsFlipped() const { return flipped; }
    bool IsDocumentIn() const { return documentIn; }
    bool IsDragging() const { return dragging; }
    bool IsEarned(int point) const { return points[point]; }
    // Where the review marks each point: beside the send key, the feeder,
    // the screen and the keypad.
    CPoint GetMarkLocation(int point) const;

private:
    friend class CMinigameFlow<CMinigame1_5>;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawUnderSheet(int, int) { DrawMachine(false); }
    void DrawSheet(int width, int height);
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    bool Finished() const { return sent; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnSheetClick(CPoint point);
    void OnPlayStart();
    void OnResume();
    bool OnPlayMove(CPoint point) const;
    bool OnSheetMove(CPoint point) const {
        return CMinigameShell::OverAnyTarget(point, partLocations, FaxMachine::kPartCount, closeEnough);
    }
    void OnPress(CPoint point);
    bool OnDrag(CPoint point);
    bool OnRelease(CPoint point);

    void Flip();
    void Dial(const FaxMachine::Key& key);
    void ClearNumber();
    Verdict Send();
    void Tell(FaxMachine::Notice what);
    void StageDone();
    // The machine, its keypad, screen and document; corrected, as it should
    // have been sent (the document in, the right number on the screen).
    void DrawMachine(bool corrected);
    void DrawDisplay(bool corrected);

    CMinigameShell shell;
    CClickableImage* machineImage = nullptr;
    CClickableImage* loadedMachineImage = nullptr;  // the document in its feeder
    CClickableImage* keypadImage = nullptr;
    CClickableImage* documentImage = nullptr;  // face up, then face down
    CClickableImage* flipImage = nullptr;
    CPoint partLocations[FaxMachine::kPartCount];
    CPoint keyLocations[FaxMachine::kKeyCount];
    CPoint signKeyLocations[FaxMachine::kSignKeyCount];
    CPoint sendLocation, stopLocation, feederLocation, displayLocation, centre;
    int selectedPart = -1;
    int stagesDone = 0;     // the flip, the document in, ten digits
    int flipFrames = 0;     // frames left of the turning page
    bool flipped = false;
    bool dragging = false;
    CPoint grab;
    bool documentIn = false;
    bool sent = false;
    std::string dialled;
    bool keyedBeforeDocument = false;  // the number on the screen was begun before the document was in
    bool numberStageDone = false;      // the strip has shown a whole number once
    int numberStep = -1;               // the strip's step that showed it
    bool rightNumberRewarded = false;
    int notice = FaxMachine::NOTICE_NONE;
    bool noticeToSay = false;  // said once the wrong answer's sound has ended
    bool points[kMaximum] = {};  // sent, document in, right number, keyed after the document
};

using CMinigame1_5Controller = CMinigameController<CMinigame1_5>;
