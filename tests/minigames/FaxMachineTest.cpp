// Sending a fax, played through the real model and controller: the
// document turned and slid onto the feeder, the number dialled, the send
// key judging the four points.
#include <vector>

#include "minigames/dentist/CMinigame1_5.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace FaxMachine;

namespace {

class SendingAFax : public MinigameFixture {
protected:
    static constexpr int kW = 1366;
    static constexpr int kH = 768;

    SendingAFax() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        for (const char* name : {"paper1.png", "paper2.png"}) folder.AddPicture(name, 256, 256);  // 128 x 128
        folder.AddPicture("error.png", 64, 64, kTickColour);
        folder.AddPicture("review_missed.png", 64, 64, kCrossColour);
        folder.AddPicture("faxMachine.png", 1024, 512, kEmptyColour);
        folder.AddPicture("faxMachine2.png", 1024, 512, kLoadedColour);
        folder.MakeFolder("Sounds");
        for (const Key& key : kKeys) WriteToneWav(folder.File("Sounds/") + key.sound, 2000);
    }
    static constexpr unsigned kTickColour = 0x00C000FF;
    static constexpr unsigned kCrossColour = 0x0000FFFF;
    static constexpr unsigned kEmptyColour = 0x606060FF;
    static constexpr unsigned kLoadedColour = 0x806040FF;
    // The review's marks, in the order the send key judges: sent, document
    // in, number, keyed after the document ('t' tick, 'x' cross).
    std::string Marks() {
        std::string marks;
        for (int i = 0; i < CMinigame1_5::kMaximum; ++i) {
            marks += MarkOf(PixelOfAFrame(fax->GetMarkLocation(i), kW, kH));
        }
        return marks;
    }
    void SetUp() override {
        MinigameFixture::SetUp();
        fax = Open<CMinigame1_5>(MINIGAME_1_5, 1);
    }
    void Press(CPoint p) { Click(p.x, p.y); }
    void TurnDocument() { Press(fax->GetDocumentLocation()); }
    // Slides the document so that its centre lands at `to`.
    void SlideDocument(CPoint to) {
        const CPoint from = fax->GetDocumentLocation();
        controller->OnLButtonDown(from);
        Move((from.x + to.x) / 2, (from.y + to.y) / 2);
        Move(to.x, to.y);
        controller->OnLButtonUp(to);
    }
    void DialNumber(const std::string& number) {
        for (char digit : number) {
            for (int k = 0; k < kKeyCount; ++k) {
                if (kKeys[k].digit == digit) Press(fax->GetKeyLocation(k));
            }
        }
    }
    void PressSend() { Press(fax->GetSendLocation()); }

    CMinigame1_5* fax = nullptr;
};

}  // namespace

TEST_F(SendingAFax, KeysAndTargetsLieWhereTheMachineIsDrawn) {
    EXPECT_EQ(fax->GetSendLocation(), CPoint(kW / 2 + 128, kH / 2 + 128));
    EXPECT_EQ(fax->GetStopLocation(), CPoint(kW / 2 + 210, kH / 2 + 128));
    EXPECT_EQ(fax->GetFeederLocation(), CPoint(kW / 2 - 31, kH / 2 + 33));
    EXPECT_EQ(fax->GetSignKeyLocation(0), CPoint(kW / 2 + 120, kH / 2 + 76));
    EXPECT_EQ(fax->GetSignKeyLocation(1), CPoint(kW / 2 + 220, kH / 2 + 76));
    // No click can dial two keys, nor a key and Envoi or Arrêt: every key's
    // reach (20 each way) stays off the other keys' and off the two caps.
    std::vector<CPoint> keys;
    for (int k = 0; k < kKeyCount; ++k) keys.push_back(fax->GetKeyLocation(k));
    for (int k = 0; k < kSignKeyCount; ++k) keys.push_back(fax->GetSignKeyLocation(k));
    for (size_t a = 0; a < keys.size(); ++a) {
        for (int dx : {-19, 19})
            for (int dy : {-19, 19}) {
                const CPoint corner(keys[a].x + dx, keys[a].y + dy);
                EXPECT_FALSE(CMinigame1_5::onControlKey(fax->GetSendLocation(), corner)) << a;
                EXPECT_FALSE(CMinigame1_5::onControlKey(fax->GetStopLocation(), corner)) << a;
            }
        for (size_t b = a + 1; b < keys.size(); ++b)
            EXPECT_FALSE(CMinigame1_5::dialCloseEnough(keys[a], keys[b]));
    }
    EXPECT_FALSE(CMinigame1_5::onControlKey(fax->GetSendLocation(), fax->GetStopLocation()));
}

TEST_F(SendingAFax, ARightFaxScoresFourAndIsSaved) {
    PressPlay();
    TurnDocument();
    EXPECT_TRUE(fax->IsFlipped());
    SlideDocument(fax->GetFeederLocation());
    EXPECT_TRUE(fax->IsDocumentIn());
    DialNumber(kNumber);
    EXPECT_EQ(fax->GetDialled(), kNumber);
    PressSend();
    Step();  // nothing missed: the panel, without a review
    EXPECT_EQ(fax->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 4);
    for (int step = 0; step < 4; ++step) EXPECT_FALSE(fax->Shell().IsStepMissed(step)) << step;
    ASSERT_TRUE(FinishPanelAndSave());
    const CProfile saved = Saved();
    EXPECT_EQ(saved.compte[0][4], 4);
    EXPECT_EQ(saved.totalScore, 4);
}

TEST_F(SendingAFax, AFaxSentToTheWrongNumberLosesThatPointAndShowsTheReview) {
    PressPlay();
    TurnDocument();
    SlideDocument(fax->GetFeederLocation());
    DialNumber("7052322323");
    PressSend();
    WaitOutTheWrongAnswer();  // its cross and sound first
    EXPECT_EQ(fax->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 3);
    Step(20);
    EXPECT_EQ(Marks(), "ttxt");
    // The strip: turned, fed, then the number's step crossed.
    EXPECT_FALSE(fax->Shell().IsStepMissed(0));
    EXPECT_FALSE(fax->Shell().IsStepMissed(1));
    EXPECT_TRUE(fax->Shell().IsStepMissed(2));
    PressPlay();
    EXPECT_EQ(fax->Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanelAndSave());
    EXPECT_EQ(model->GetCompte(0, 4), 3);
}

TEST_F(SendingAFax, ANumberKeyedBeforeTheDocumentIsInLosesTheKeyingPoint) {
    PressPlay();
    DialNumber(kNumber);
    TurnDocument();
    SlideDocument(fax->GetFeederLocation());
    PressSend();
    EXPECT_EQ(Points(), 3);
    Step(21);
    EXPECT_EQ(Marks(), "tttx");
    EXPECT_TRUE(fax->Shell().IsStepMissed(0));  // the number came first
    EXPECT_FALSE(fax->Shell().IsStepMissed(1));
}

// A number keyed before the document is in is sent all the same, and the
// review shows the machine as it should have been: the document in its
// feeder.
TEST_F(SendingAFax, TheReviewShowsTheDocumentInItsFeeder) {
    const CPoint feeder = fax->GetFeederLocation();
    PressPlay();
    EXPECT_TRUE(IsNear(PixelOfAFrame(feeder, kW, kH), kEmptyColour));
    DialNumber("7052322332");
    TurnDocument();
    SlideDocument(feeder);
    EXPECT_TRUE(IsNear(PixelOfAFrame(feeder, kW, kH), kLoadedColour));
    PressSend();
    Step();
    ASSERT_EQ(fax->Shell().phase, PhaseReview);
    Step(20);
    EXPECT_TRUE(IsNear(PixelOfAFrame(feeder, kW, kH), kLoadedColour));
}

TEST_F(SendingAFax, TheFeederTakesTheDocumentWithinItsBoxOnly) {
    PressPlay();
    TurnDocument();
    const CPoint feeder = fax->GetFeederLocation();
    SlideDocument(CPoint(feeder.x + 100, feeder.y));  // 100 across: outside
    EXPECT_FALSE(fax->IsDocumentIn());
    EXPECT_EQ(fax->GetDocumentLocation(), CPoint(feeder.x + 100, feeder.y));
    SlideDocument(CPoint(feeder.x - 99, feeder.y + 99));  // inside, and snapped in place
    EXPECT_TRUE(fax->IsDocumentIn());
    EXPECT_EQ(fax->GetDocumentLocation(), feeder);
}

TEST_F(SendingAFax, TheDocumentSlidesOnlyOnceTurnedFaceDown) {
    PressPlay();
    const CPoint start = fax->GetDocumentLocation();
    controller->OnLButtonDown(start);
    EXPECT_FALSE(fax->IsDragging());
    controller->OnLButtonUp(start);  // this click turns it
    EXPECT_TRUE(fax->IsFlipped());
    controller->OnLButtonDown(start);
    EXPECT_TRUE(fax->IsDragging());
}

TEST_F(SendingAFax, TheNumberStopsAtTenDigitsAndEachDigitIsSpoken) {
    PressPlay();
    model->StopSoundFile();
    Press(fax->GetKeyLocation(6));
    EXPECT_TRUE(model->IsSoundPlaying());
    DialNumber("0523223329999");
    EXPECT_EQ(fax->GetDialled(), "7052322332");
}

// The document let go over a corner button is let go, not kept held.
TEST_F(SendingAFax, TheDocumentLetGoOverTheHelpButtonIsDropped) {
    PressPlay();
    TurnDocument();
    controller->OnLButtonDown(fax->GetDocumentLocation());
    ASSERT_TRUE(fax->IsDragging());
    Move(kW - 154, 52);
    controller->OnLButtonUp(CPoint(kW - 154, 52));
    EXPECT_FALSE(fax->IsDragging());
    EXPECT_FALSE(fax->IsDocumentIn());
}


// --- The keys work as a fax machine's do; Envoi sends only what can be sent ---

namespace {

// The same machine, with the words of the voices it may say written out.
class FaxKeys : public SendingAFax {
protected:
    void Pictures() override {
        SendingAFax::Pictures();
        folder.Write("Sounds/subtitles.txt",
                     "faxMauvaisNumero.mp3|Ce n'est pas le bon numéro. Le télécopieur du "
                     "laboratoire est le sept cent cinq, deux cent trente-deux, vingt-trois, trente-deux.\n");
    }
    // Arrêt, "*" and "#" beside the keypad, from the middle of the view.
    void PressStop() { Press(CPoint(kW / 2 + 210, kH / 2 + 128)); }
    void PressStar() { Press(CPoint(kW / 2 + 120, kH / 2 + 76)); }
    void PressHash() { Press(CPoint(kW / 2 + 220, kH / 2 + 76)); }
};

}  // namespace

// A digit keyed wrong: Arrêt clears the number, and the right one keyed
// again is sent for the whole four points.
TEST_F(FaxKeys, AMistypedNumberIsClearedWithArretAndDialledAgain) {
    PressPlay();
    TurnDocument();
    SlideDocument(fax->GetFeederLocation());
    DialNumber("70533");
    EXPECT_EQ(fax->GetDialled(), "70533");
    PressStop();
    EXPECT_EQ(fax->GetDialled(), "");
    DialNumber("7052322332");
    EXPECT_EQ(fax->GetDialled(), "7052322332");
    PressSend();
    Step();
    EXPECT_EQ(fax->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 4);
}

// "*" and "#" go into the number, as on any keypad; Arrêt takes them out
// with the rest.
TEST_F(FaxKeys, TheStarAndHashKeysDialAsOnAKeypad) {
    PressPlay();
    PressStar();
    EXPECT_EQ(fax->GetDialled(), "*");
    DialNumber("70");
    PressHash();
    EXPECT_EQ(fax->GetDialled(), "*70#");
    PressStop();
    EXPECT_EQ(fax->GetDialled(), "");
}

// Envoi pressed before there is anything to send ends nothing and costs
// nothing: the machine says what is missing, and the fax is sent later
// for the whole four points.
TEST_F(FaxKeys, EnvoiBeforeTheDocumentOrTheNumberSendsNothingAndSaysWhy) {
    PressPlay();
    PressSend();
    Step();
    EXPECT_EQ(fax->Shell().phase, PhasePlay);
    EXPECT_EQ(model->CurrentSoundName(), "faxPasDeDocument.mp3");
    EXPECT_FALSE(fax->Shell().IsWrongSignShown());
    TurnDocument();
    SlideDocument(fax->GetFeederLocation());
    PressSend();
    Step();
    EXPECT_EQ(fax->Shell().phase, PhasePlay);
    EXPECT_EQ(model->CurrentSoundName(), "faxPasDeNumero.mp3");
    DialNumber("7052322332");
    PressSend();
    Step();
    EXPECT_EQ(fax->Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 4);
}

// Sent to another number: the cross on Envoi and the error sound, then the
// machine says (and writes) that it was not the laboratory's number.
TEST_F(FaxKeys, AFaxSentToAWrongNumberShowsTheCrossAndSaysTheRightNumber) {
    PressPlay();
    TurnDocument();
    SlideDocument(fax->GetFeederLocation());
    DialNumber("7052322323");
    PressSend();
    EXPECT_TRUE(fax->Shell().IsWrongSignShown());
    EXPECT_TRUE(IsCrossRed(PixelOfAFrame(fax->GetSendLocation(), kW, kH)));
    EXPECT_EQ(fax->Shell().phase, PhasePlay);  // the cross and its sound first
    EXPECT_TRUE(fax->Shell().HasWaitingPrompt()) << "the words wait for the error sound";
    WaitOutTheWrongAnswer();
    EXPECT_FALSE(fax->Shell().HasWaitingPrompt());
    EXPECT_NE(model->GetSubtitles().CurrentPart().find("bon num"), std::string::npos)
        << model->GetSubtitles().CurrentPart();
    EXPECT_EQ(fax->Shell().phase, PhaseReview);
    EXPECT_EQ(Points(), 3);
}
