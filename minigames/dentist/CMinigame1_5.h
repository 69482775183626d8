#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/dentist/FaxMachine.h"
#include "ui/CClickableImage.h"

// Sending a fax: the learner turns the document face down, slides it onto
// the machine's feeder, dials the laboratory's number on the keypad and
// presses the send key. The send key judges: a point for sending, one for
// the document on the feeder, one for the right number, and one for a
// number keyed once the document was in (a machine dials as soon as it
// holds a document and a number, so the order matters).
class CMinigame1_5 : public CAbstractMinigame {
public:
    static constexpr int kMaximum = 4;

    CMinigame1_5(CModel* model, MinigameType type);
    ~CMinigame1_5() { Unload(); }

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    static bool dialCloseEnough(CPoint a, CPoint b);
    static bool closeEnoughToKeypad(CPoint a, CPoint b);
    void PlayGame(CPoint point);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    CPoint GetKeyLocation(int key) const { return keyLocations[key]; }
    CPoint GetSendLocation() const { return sendLocation; }
    CPoint GetFeederLocation() const { return feederLocation; }
    CPoint GetDocumentLocation() const { return documentImage->GetPosition(); }
    const std::string& GetDialled() const { return dialled; }
    bool IsFlipped() const { return flipped; }
    bool IsDocumentIn() const { return documentIn; }
    bool IsDragging() const { return dragging; }

private:
    void Flip();
    void Dial(int key);
    void Send();
    void StageDone();
    void DrawDisplay();
    void DrawReview();
    void Leave();

    CMinigameShell shell;
    CClickableImage* machineImage = nullptr;
    CClickableImage* loadedMachineImage = nullptr;  // the document in its feeder
    CClickableImage* keypadImage = nullptr;
    CClickableImage* documentImage = nullptr;  // face up, then face down
    CClickableImage* flipImage = nullptr;
    CPoint partLocations[FaxMachine::kPartCount];
    CPoint keyLocations[FaxMachine::kKeyCount];
    CPoint sendLocation, feederLocation, displayLocation, centre;
    int selectedPart = -1;
    int stagesDone = 0;     // the flip, the document in, ten digits
    int flipFrames = 0;     // frames left of the turning page
    bool flipped = false;
    bool dragging = false;
    CPoint grab;
    bool documentIn = false;
    std::string dialled;
    bool keyedBeforeDocument = false;
    bool points[kMaximum] = {};  // sent, document in, right number, keyed after the document
};

using CMinigame1_5Controller = CMinigameController<CMinigame1_5>;
