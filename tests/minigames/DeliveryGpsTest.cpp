// The delivery GPS in English (2_2) and in French (2_8), played through the
// real model and controller: both run on the same tests with their own data.
#include "minigames/pizzeria/CMinigame2_2.h"
#include "minigames/pizzeria/CMinigame2_8.h"
#include "support/MinigameFixture.h"
#include "support/WavWriter.h"

using namespace DeliveryGps;

namespace {

class DeliveryGpsGame : public MinigameFixture, public testing::WithParamInterface<MinigameType> {
protected:
    static constexpr int kW = 1362;
    static constexpr int kH = 726;

    DeliveryGpsGame() : MinigameFixture(kW, kH) {}

    void Pictures() override {
        CornerButtonPictures();
        folder.AddPicture("strip_missed.png", 64, 64, 0xE020E0FF);  // magenta
        folder.MakeFolder("Sounds");
        // The instructions, three seconds long.
        for (const Language* words : {&kEnglish, &kFrench}) WriteToneWav(folder.File("Sounds/") + words->intro, 3000);
    }
    // A clock of the test's own: it is moved past a wrong key's pause and
    // through the instruction's seconds.
    void SetUp() override {
        MinigameFixture::SetUp();
        CMinigameShell::clock = [this] { return now; };
        gps = Open<CGpsEntry>(GetParam(), 1);
    }
    int Position() const { return MinigamePosition(GetParam()); }
    const Language& Words() const { return GetParam() == MINIGAME_2_2 ? kEnglish : kFrench; }
    const CGpsEntry& Gps() const { return *gps; }
    void At(CPoint p) {
        Click(p.x, p.y);
        Step();
    }
    void Type(char letter) { At(Gps().GetKeyLocation(letter)); }
    void Pick(int row) { At(Gps().GetSuggestionLocation(row)); }
    void Digit(char digit) { At(Gps().GetDigitLocation(digit - '0')); }
    void Go() { At(Gps().GetGoLocation()); }
    // A wrong key, then the second the game takes no input.
    template <class Action>
    void Wrongly(Action action) {
        action();
        EXPECT_TRUE(Gps().IsStepFailed());
        now += CMinigameShell::kPauseSeconds;
    }
    void TypeNumber() {
        for (const char* d = Words().houseNumber; *d; ++d) Digit(*d);
    }
    void DriveOff() {
        for (int i = 0; i <= CGpsEntry::kRouteFrames + 1 && Gps().Shell().phase == PhasePlay; ++i) Step();
    }

    double now = 1000.0;
    const CGpsEntry* gps = nullptr;
};

}  // namespace

TEST_P(DeliveryGpsGame, APerfectDeliveryScoresSevenAndIsSaved) {
    PressPlay();
    ASSERT_EQ(Gps().Shell().phase, PhasePlay);
    Type('s');
    Type('u');
    Pick(0);
    Type('w');
    Type('e');
    Pick(2);
    TypeNumber();
    EXPECT_EQ(Gps().GetTyped(), Words().houseNumber);
    Go();
    EXPECT_TRUE(Gps().IsRouteShown());
    EXPECT_EQ(Gps().Shell().phase, PhasePlay);  // the route shows a moment first
    DriveOff();
    EXPECT_EQ(Gps().Shell().phase, PhaseResults);
    EXPECT_EQ(Points(), 7);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, Position()), 7);
    EXPECT_EQ(model->GetTotalScore(), 7);
    Click(kW / 2, kH / 2);
    EXPECT_EQ(SavedCell(GetParam()), 7);
}

TEST_P(DeliveryGpsGame, TheSuggestionsFollowTheLettersTyped) {
    PressPlay();
    EXPECT_EQ(Gps().GetSuggestions(), nullptr);
    Type('s');
    EXPECT_EQ(Gps().GetSuggestions(), &kCitiesS);
    EXPECT_EQ(Gps().GetTyped(), "s");
    Type('u');
    EXPECT_EQ(Gps().GetSuggestions(), &kCitiesSu);
    EXPECT_EQ(Gps().GetTyped(), "su");
    Pick(0);
    EXPECT_EQ(Gps().GetCity(), "Sudbury, ON");
    EXPECT_EQ(Gps().GetTyped(), "");  // the street starts on an empty field
    EXPECT_EQ(Gps().GetSuggestions(), nullptr);
    Type('w');
    EXPECT_EQ(Gps().GetSuggestions(), &kStreetsW);
    Type('e');
    EXPECT_EQ(Gps().GetSuggestions(), &kStreetsWe);
    Pick(2);
    EXPECT_EQ(Gps().GetStreet(), "Westmount St.");
    EXPECT_EQ(Gps().GetSuggestions(), nullptr);
    EXPECT_EQ(Points(), 6);
}

TEST_P(DeliveryGpsGame, AWrongKeyIsNotTypedAndCostsItsStepOnly) {
    PressPlay();
    Wrongly([&] { Type('a'); });
    EXPECT_EQ(Gps().GetTyped(), "");
    Wrongly([&] { Type('x'); });  // another wrong letter is not typed either
    EXPECT_EQ(Gps().GetTyped(), "");
    Type('s');
    EXPECT_EQ(Gps().GetTyped(), "s");
    EXPECT_FALSE(Gps().IsStepFailed());  // the next step starts clean
    Wrongly([&] { Type(' '); });         // the space bar is a key too
    Type('u');
    EXPECT_EQ(Points(), 0);
    Click(20, 700);  // the dashboard: no key, nothing judged
    EXPECT_FALSE(Gps().IsStepFailed());
}

TEST_P(DeliveryGpsGame, AWrongSuggestionIsNotTakenAndASuggestionIsNoLetter) {
    PressPlay();
    Type('s');
    Wrongly([&] { Pick(1); });  // Sarnia: the list is there, but the city needs one more letter
    EXPECT_EQ(Gps().GetCity(), "");
    Type('u');
    Wrongly([&] { Pick(1); });  // Sunderland
    EXPECT_EQ(Gps().GetCity(), "");
    Wrongly([&] { Type('d'); });  // after two letters the city is picked, not typed
    Pick(0);
    EXPECT_EQ(Gps().GetCity(), "Sudbury, ON");
    Type('w');
    Type('e');
    Wrongly([&] { Pick(0); });  // Westmount Ave.: the wrong end of the name
    Pick(2);
    EXPECT_EQ(Gps().GetStreet(), "Westmount St.");
    EXPECT_EQ(Points(), 3);  // s, w and e
}

TEST_P(DeliveryGpsGame, ANumberTypedWrongIsRefusedAndGoWaitsForTheWholeNumber) {
    PressPlay();
    for (char c : std::string("su")) Type(c);
    Pick(0);
    for (char c : std::string("we")) Type(c);
    Pick(2);
    const std::string number = Words().houseNumber;
    Digit(number[0]);
    Wrongly([&] { Digit(number[0] == '9' ? '1' : number[0] + 1); });
    EXPECT_EQ(Gps().GetTyped(), number.substr(0, 1));
    Wrongly([&] { Go(); });  // two digits are missing
    EXPECT_FALSE(Gps().IsRouteShown());
    Digit(number[1]);
    Digit(number[2]);
    Wrongly([&] { Digit('0'); });  // a fourth digit
    EXPECT_EQ(Gps().GetTyped(), number);
    Go();
    EXPECT_TRUE(Gps().IsRouteShown());
    EXPECT_EQ(Points(), 6);
}

TEST_P(DeliveryGpsGame, ADeliveryWithMistakesEndsOnTheMarkedRouteThenThePanel) {
    PressPlay();
    Wrongly([&] { Type('q'); });
    Type('s');
    Type('u');
    Pick(0);
    Type('w');
    Type('e');
    Pick(2);
    Wrongly([&] { Go(); });
    TypeNumber();
    Go();
    DriveOff();
    ASSERT_EQ(Gps().Shell().phase, PhaseReview);
    EXPECT_TRUE(Gps().IsFieldMissed(FIELD_CITY));
    EXPECT_FALSE(Gps().IsFieldMissed(FIELD_STREET));
    EXPECT_TRUE(Gps().IsFieldMissed(FIELD_NUMBER));
    Step(20);
    EXPECT_FLOAT_EQ(Gps().Shell().markImage->GetScale(), CMinigameShell::kMarkRestScale);
    PressPlay();
    EXPECT_EQ(Gps().Shell().phase, PhaseResults);
    ASSERT_TRUE(FinishPanel());
    Step();  // drawn once more with its buttons
    EXPECT_EQ(model->GetCompte(1, Position()), 5);
    Click(kW / 2, kH / 2);
    EXPECT_EQ(SavedCell(GetParam()), 5);
}

TEST_P(DeliveryGpsGame, TheIntroSheetSpeaksTheNavigatorsWords) {
    At(Gps().GetMenuLocation(1));
    EXPECT_EQ(Gps().Shell().crosshairs->GetPosition(), Gps().GetMenuLocation(1));
    EXPECT_EQ(Gps().Shell().phase, PhaseIntro);
    At(Gps().GetMenuLocation(1));  // a second click lets it go
    At(Gps().GetKeyLocation('s'));  // the keyboard is under the sheet
    EXPECT_EQ(Gps().GetTyped(), "");
    EXPECT_EQ(Gps().Shell().crosshairs->GetPosition(), CPoint(-100, -100));
}

TEST_P(DeliveryGpsGame, KeysAreFoundWhereTheyAreDrawnAtAnotherViewSize) {
    PressPlay();
    Frames(1, 1024, 600);
    const CPoint s = Gps().GetKeyLocation('s');
    EXPECT_EQ(s, CPoint(int(1024 * (KeySpot('s').x / 1362.0)), int(600 * (KeySpot('s').y / 726.0))));
    Click(s.x, s.y);
    EXPECT_EQ(Gps().GetTyped(), "s");
}

// The route's summary prints the right address; each field's mark stands
// beside its row, right of the summary's card, top to bottom.
TEST_P(DeliveryGpsGame, TheReviewMarksEachFieldBesideItsRow) {
    PressPlay();
    Type('s');
    Type('u');
    Pick(0);
    Type('w');
    Wrongly([&] { Type('q'); });
    Type('e');
    Pick(2);
    TypeNumber();
    Go();
    DriveOff();
    ASSERT_EQ(Gps().Shell().phase, PhaseReview);
    EXPECT_FALSE(Gps().IsFieldMissed(FIELD_CITY));
    EXPECT_TRUE(Gps().IsFieldMissed(FIELD_STREET));
    EXPECT_FALSE(Gps().IsFieldMissed(FIELD_NUMBER));
    for (int f = 0; f < kFieldCount; ++f) {
        const CPoint mark = Gps().GetMarkLocation(static_cast<Field>(f));
        EXPECT_NEAR(mark.y, kSummarySpots[f].y, 1) << f;  // on its row's line
        EXPECT_GT(mark.x - 32, 790) << f;             // beside the card, not on its words
        EXPECT_GE(mark.y - 32, 100) << f;
        EXPECT_LE(mark.y + 32, kH - 80) << f;
    }
    EXPECT_EQ(Points(), 6);
}

// On purpose: the instructions reopened cost the step its point, and its
// field is then one of those the review crosses.
TEST_P(DeliveryGpsGame, ReopeningTheInstructionsCostsNothing) {
    PressPlay();
    Type('s');
    PressInstructions();
    ASSERT_EQ(Gps().Shell().phase, PhaseInstructions);
    PressPlay();
    Type('u');
    Pick(0);
    Type('w');
    Type('e');
    Pick(2);
    TypeNumber();
    Go();
    DriveOff();
    EXPECT_EQ(Points(), 7);
    EXPECT_EQ(Gps().Shell().phase, PhaseResults);  // nothing missed: no review
    EXPECT_FALSE(Gps().IsFieldMissed(FIELD_CITY));
}

TEST_P(DeliveryGpsGame, HelpSpeaksTheInstructionWholeAndTheFieldsVoiceWaitsForIt) {
    PressPlay();
    Step(2);
    PressHelp();
    Step(2);
    EXPECT_TRUE(Gps().Shell().IsInstructionSpeaking());
    EXPECT_TRUE(Gps().Shell().HasWaitingPrompt());  // "City", after the instruction
    now += 1.0;
    Step();
    EXPECT_TRUE(Gps().Shell().HasWaitingPrompt());
    now += 2.5;
    Step();
    EXPECT_FALSE(Gps().Shell().HasWaitingPrompt());
    Type('s');  // help costs nothing
    EXPECT_EQ(Points(), 1);
}

// A wrong key's sound is heard whole: keys wait until it has ended.
TEST_P(DeliveryGpsGame, AWrongKeyHoldsTheKeyboardUntilItsSoundHasEnded) {
    WriteToneWav(folder.File("Sounds/error.mp3"), 2500);
    PressPlay();
    Type('a');
    ASSERT_TRUE(Gps().IsStepFailed());
    now += CMinigameShell::kPauseSeconds;
    Type('s');  // a second on, the error still sounds: not typed
    EXPECT_EQ(Gps().GetTyped(), "");
    now += 1.6;
    Type('s');
    EXPECT_EQ(Gps().GetTyped(), "s");
}

INSTANTIATE_TEST_SUITE_P(EnglishAndFrench, DeliveryGpsGame, testing::Values(MINIGAME_2_2, MINIGAME_2_8),
                         [](const testing::TestParamInfo<MinigameType>& info) {
                             return std::string(info.param == MINIGAME_2_2 ? "English" : "French");
                         });

// --- fair judging: a missed field shown on the strip ---

// "a" is no key of Sudbury: the city is entered with a miss. The strip's
// four steps (city, street, number, route) stand 40 pixels apart about the
// middle (681): the city's, at 621, shows it missed; the street's, at 661,
// entered without a mistake, does not.
TEST_P(DeliveryGpsGame, TheStripShowsAMissedFieldAsMissed) {
    PressPlay();
    Wrongly([&] { Type('a'); });
    Type('s');
    Type('u');
    Pick(0);
    Type('w');
    Type('e');
    Pick(2);
    EXPECT_EQ(Points(), 5);
    const auto magenta = [](unsigned rgba) {
        return (rgba >> 24) > 0xC0 && ((rgba >> 16) & 0xFF) < 0x50 && ((rgba >> 8) & 0xFF) > 0xC0;
    };
    EXPECT_TRUE(magenta(PixelOfAFrame(CPoint(621, 38), kW, kH)));
    EXPECT_FALSE(magenta(PixelOfAFrame(CPoint(661, 38), kW, kH)));
}

// The sheet opened in the middle of the street costs it nothing.
TEST_P(DeliveryGpsGame, TheSheetOpenedDuringTheStreetCostsNothing) {
    PressPlay();
    Type('s');
    Type('u');
    Pick(0);
    Type('w');
    PressInstructions();
    PressPlay();
    Type('e');
    Pick(2);
    EXPECT_EQ(Points(), 6);
    EXPECT_FALSE(Gps().IsFieldMissed(FIELD_STREET));
}
