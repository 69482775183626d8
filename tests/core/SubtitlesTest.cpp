// Every voice is written on screen too, from the very lines it is spoken from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/CSoundPlayer.h"
#include "core/CSubtitles.h"
#include "support/GameFixture.h"
#include "support/Narration.h"
#include "support/WavWriter.h"

namespace {

class Subtitles : public GameFixture {
protected:
    void Pictures() override {
        folder.MakeFolder("Sounds");
        std::filesystem::copy_file(ZELK_GAME_DIR "/Sounds/subtitles.txt", folder.File("Sounds/subtitles.txt"));
        folder.AddPicture("button_subtitles.png", 128, 64);
    }
    // What the band shows, part after part, until it is done.
    std::string AllShown(int limitFrames = 200000, const SubtitlePlace& place = SubtitlePlace()) {
        std::string shown, last;
        // Each frame's part is read once it is drawn (the first frame cuts the
        // words for the band's place).
        for (int i = 0; i < limitFrames && model->GetSubtitles().IsShowing(); ++i) {
            model->GetSubtitles().Draw(800, 600, place);
            const std::string part = model->GetSubtitles().CurrentPart();
            if (!part.empty() && part != last) shown += (shown.empty() ? "" : " ") + part;
            last = part;
        }
        return shown;
    }
};

}  // namespace

TEST_F(Subtitles, EveryNarrationLineIsWrittenWordForWordWhileItPlays) {
    const auto lines = NarrationLines();
    ASSERT_GT(lines.size(), 20u);
    for (const auto& [file, voiceAndText] : lines) {
        const std::string text = voiceAndText.substr(voiceAndText.find('|') + 1);
        // A short recording times the parts: 40 ms a word, two frames or
        // more for each part, where a line with no recording would
        // give each word the time to read it (thousands of frames a line).
        const int words = static_cast<int>(std::count(text.begin(), text.end(), ' ')) + 1;
        ASSERT_TRUE(WriteToneWav(folder.File("Sounds/" + file), 40 * words)) << file;
        model->PlaySoundFile(file.c_str(), true);
        ASSERT_TRUE(model->GetSubtitles().IsShowing()) << file;
        EXPECT_EQ(AllShown(), Latin1FromUtf8(text)) << file;
    }
}

TEST_F(Subtitles, EffectsHaveNoWordsAndAVoiceCutShortTakesItsWordsAlong) {
    model->PlaySoundFile("beep.mp3", false);
    EXPECT_FALSE(model->GetSubtitles().IsShowing());
    model->PlaySoundFile("Message1_1a.mp3", true);
    EXPECT_TRUE(model->GetSubtitles().IsShowing());
    model->PlaySoundFile("beep.mp3", false);  // a ding over the voice: the words stay
    EXPECT_TRUE(model->GetSubtitles().IsShowing());
    model->PlaySoundFile("error.mp3", true);  // the voice is stopped
    EXPECT_FALSE(model->GetSubtitles().IsShowing());
}

TEST_F(Subtitles, TheWordsShowEvenWithTheSoundOff) {
    model->ToggleMute();
    model->PlaySoundFile("Intro1_1.mp3", true);
    EXPECT_TRUE(model->GetSubtitles().IsShowing());
    EXPECT_FALSE(model->IsSoundPlaying());
    // With no recording to time them, each part stays long enough to read.
    const std::string first = model->GetSubtitles().CurrentPart();
    for (int i = 0; i < 64 * 2; ++i) model->GetSubtitles().Draw(800, 600, SubtitlePlace());
    EXPECT_EQ(model->GetSubtitles().CurrentPart(), first);
}

TEST_F(Subtitles, EachPartLastsItsShareOfTheRecording) {
    WriteToneWav(folder.File("Sounds/Intro1_1.mp3"), 8000);  // eight seconds
    model->PlaySoundFile("Intro1_1.mp3", true);
    int frames = 0;
    while (model->GetSubtitles().IsShowing() && frames < 10000) {
        model->GetSubtitles().Draw(800, 600, SubtitlePlace());
        ++frames;
    }
    EXPECT_NEAR(frames, 8 * CSubtitles::kFramesPerSecond, 4);
}

// With the slow voice chosen, a voice plays its slow twin and its words
// keep the twin's pace; an effect, which has none, plays as it is. The
// choice is the learner's, kept for their next login; switching replays
// the voice last heard at the new speed.
TEST_F(Subtitles, TheSlowVoicePlaysInPlaceOfTheNormalOneAtItsOwnPace) {
    folder.MakeFolder("Sounds/slow");
    WriteToneWav(folder.File("Sounds/Intro1_1.mp3"), 6000);
    WriteToneWav(folder.File("Sounds/slow/Intro1_1.mp3"), 8000);
    WriteToneWav(folder.File("Sounds/beep.mp3"), 300);
    model->SetLogin("Ana");
    model->Load();
    EXPECT_FALSE(model->SlowSpeech());
    const CSoundPlayer& player = model->GetSoundPlayer();
    model->ToggleSlowSpeech();
    EXPECT_TRUE(model->SlowSpeech());
    model->PlaySoundFile("Intro1_1.mp3", true);
    EXPECT_EQ(player.LastStarted(), "slow/Intro1_1.mp3");
    int frames = 0;
    while (model->GetSubtitles().IsShowing() && frames < 10000) {
        model->GetSubtitles().Draw(800, 600, SubtitlePlace());
        ++frames;
    }
    EXPECT_NEAR(frames, 8 * CSubtitles::kFramesPerSecond, 4);
    model->PlaySoundFile("beep.mp3", false);
    EXPECT_EQ(player.LastStarted(), "beep.mp3");
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.settings"), "subtitles=1\nmuted=0\nslow=1\n");

    model->SetLogin("Bruno");
    model->Load();
    EXPECT_FALSE(model->SlowSpeech()) << "a new learner hears the normal speed";
    model->SetLogin("Ana");
    model->Load();
    EXPECT_TRUE(model->SlowSpeech());
    model->PlaySoundFile("Intro1_1.mp3", true);
    model->ToggleSlowSpeech();
    EXPECT_EQ(player.LastStarted(), "Intro1_1.mp3") << "the same voice again, at its normal speed";
}

TEST(SubtitleParts, WholeSentencesAsFarAsTwoLinesHoldAndLongOnesCutBetweenWords) {
    const auto parts = CSubtitles::Parts("Un. Deux trois. Quatre cinq six sept huit neuf dix onze douze.", 12);
    ASSERT_FALSE(parts.empty());
    std::string joined;
    for (const std::string& part : parts) {
        EXPECT_LE(part.size(), 24u) << part;
        EXPECT_NE(part.front(), ' ');
        EXPECT_NE(part.back(), ' ');
        joined += (joined.empty() ? "" : " ") + part;
    }
    EXPECT_EQ(joined, "Un. Deux trois. Quatre cinq six sept huit neuf dix onze douze.");
    EXPECT_EQ(parts[0], "Un. Deux trois.");
}

TEST_F(Subtitles, TheButtonTurnsThemOffForThisLearnerAndTheProfileStaysAsItWas) {
    model->SetLogin("Ana");
    model->Load();
    EXPECT_TRUE(model->SubtitlesOn());
    model->IncrementTotalScore(3);
    ASSERT_TRUE(model->Save());
    const std::string profile = folder.Read("Profiles/Ana.txt");
    model->ToggleSubtitles();
    EXPECT_FALSE(model->SubtitlesOn());
    model->PlaySoundFile("Intro1_1.mp3", true);
    EXPECT_FALSE(model->GetSubtitles().IsShowing());
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), profile) << "161 values, untouched";
    // Kept for Ana: off at her next login, on for a new learner.
    model->SetLogin("Bruno");
    model->Load();
    EXPECT_TRUE(model->SubtitlesOn());
    model->SetLogin("ANA");
    model->Load();
    EXPECT_FALSE(model->SubtitlesOn());
}

// The sound off is kept like the subtitles: for this learner only, in the
// settings beside the profile, which stays as it was.
TEST_F(Subtitles, TheSoundOffIsKeptForThisLearnerAsTheSubtitlesAre) {
    model->SetLogin("Ana");
    model->Load();
    ASSERT_TRUE(model->Save());
    const std::string profile = folder.Read("Profiles/Ana.txt");
    EXPECT_FALSE(model->IsMuted());
    model->ToggleMute();
    EXPECT_EQ(folder.Read("Profiles/Ana.txt.settings"), "subtitles=1\nmuted=1\nslow=0\n");
    EXPECT_EQ(folder.Read("Profiles/Ana.txt"), profile);
    model->SetLogin("Bruno");
    model->Load();
    EXPECT_FALSE(model->IsMuted()) << "a new learner hears the game";
    model->SetLogin("ana");
    model->Load();
    EXPECT_TRUE(model->IsMuted());
    model->ToggleMute();
    model->SetLogin("Ana");
    model->Load();
    EXPECT_FALSE(model->IsMuted());
    EXPECT_FALSE(std::filesystem::exists(folder.File("Profiles/Ana.txt.settings.new")));
}

TEST_F(Subtitles, TheBandIsDrawnAtTheBottomOrUnderTheCornerButtons) {
    model->PlaySoundFile("Message1_1a.mp3", true);
    GlWindow::BeginFrame();
    model->GetSubtitles().Draw(800, 600, SubtitlePlace());
    const GlWindow::Ink bottom = GlWindow::DarkInk(0, 0, 800, 600);
    EXPECT_GT(bottom.top, 500);
    EXPECT_EQ(bottom.bottom, 600 - 6 - 1);
    GlWindow::BeginFrame();
    model->GetSubtitles().Draw(800, 600, kSubtitlesAtTop);
    const GlWindow::Ink top = GlWindow::DarkInk(0, 0, 800, 600);
    EXPECT_EQ(top.top, 92);
    EXPECT_LT(top.bottom, 200);
}

TEST_F(Subtitles, InANarrowBoxTheBandStaysInsideItAndStillShowsEveryWord) {
    const SubtitlePlace column = {SubtitlePlace::BOX, 0.70f, 0.20f, 0.98f, 0.95f};
    const CRect box = CSubtitles::BandBox(800, 600, column);
    EXPECT_EQ(box, CRect(560, 120, 784, 570));
    model->PlaySoundFile("Intro1_1.mp3", true);
    GlWindow::BeginFrame();
    model->GetSubtitles().Draw(800, 600, column);
    const GlWindow::Ink ink = GlWindow::DarkInk(0, 0, 800, 600);
    EXPECT_EQ(ink.top, box.top);
    EXPECT_GE(ink.left, box.left);
    EXPECT_LT(ink.right, box.right);
    EXPECT_LE(ink.bottom, box.bottom);
    EXPECT_GT(ink.Height(), 3 * 24) << "a narrow box takes more, shorter lines";

    model->PlaySoundFile("Intro1_1.mp3", true);
    const std::string* words = model->GetSubtitles().TextOf("Intro1_1.mp3");
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(AllShown(200000, column), Latin1FromUtf8(*words));
}

// French keeps "?" and "»" with the word before them and "«" with the word
// after: a long sentence is never cut at those spaces.
TEST(SubtitleParts, APartNeverStartsWithAQuestionMarkNorEndsWithAnOpeningQuote) {
    EXPECT_EQ(CSubtitles::Parts("Pouvez-vous patienter un instant ?", 33, 1),
              (std::vector<std::string>{"Pouvez-vous patienter un", "instant ?"}));
    const std::vector<std::string> expected = {"Une date", Latin1FromUtf8("« meilleur"), Latin1FromUtf8("avant »"),
                                               "ici."};
    EXPECT_EQ(CSubtitles::Parts(Latin1FromUtf8("Une date « meilleur avant » ici."), 11, 1), expected);
}
