#include <gtest/gtest.h>

#include <cstdlib>

#include "core/CModel.h"
#include "core/CSoundPlayer.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"
#include "support/WavWriter.h"

namespace {

class Sound : public testing::Test {
protected:
    void SetUp() override {
        folder.MakeFolder("Sounds");
        ASSERT_TRUE(WriteToneWav(folder.File("Sounds/long.mp3"), 3000));
        ASSERT_TRUE(WriteToneWav(folder.File("Sounds/other.mp3"), 3000, 660.0));
    }
    ScratchFolder folder;
};

}  // namespace

TEST_F(Sound, ASoundNotStoppedPlaysOnUnderTheNextOne) {
    CSoundPlayer player;
    ASSERT_TRUE(player.HasAudio()) << "tests run with SDL_AUDIODRIVER=dummy";
    const CSoundPlayer::Handle first = player.Play("long.mp3");
    const CSoundPlayer::Handle second = player.Play("long.mp3");
    EXPECT_TRUE(player.IsPlaying(first));
    EXPECT_TRUE(player.IsPlaying(second));
    EXPECT_EQ(player.CachedCount(), 1u);  // decoded once
    player.Stop(first);
    EXPECT_FALSE(player.IsPlaying(first));
    EXPECT_TRUE(player.IsPlaying(second));
}

TEST_F(Sound, AStaleHandleNeverStopsTheSoundThatReusedItsChannel) {
    CSoundPlayer player;
    const CSoundPlayer::Handle old = player.Play("long.mp3");
    player.Stop(old);
    const CSoundPlayer::Handle fresh = player.Play("other.mp3");
    ASSERT_EQ(fresh.channel, old.channel);
    player.Stop(old);
    EXPECT_TRUE(player.IsPlaying(fresh));
}

TEST_F(Sound, ManySoundsAtOnceDoNotRunOutOfChannels) {
    CSoundPlayer player;
    std::vector<CSoundPlayer::Handle> handles;
    for (int i = 0; i < 20; ++i) handles.push_back(player.Play("long.mp3"));
    for (const auto& handle : handles) EXPECT_TRUE(player.IsPlaying(handle));
}

TEST_F(Sound, AMissingFileIsSilent) {
    CSoundPlayer player;
    const CSoundPlayer::Handle none = player.Play("nothing.mp3");
    EXPECT_EQ(none.channel, -1);
    EXPECT_FALSE(player.IsPlaying(none));
    player.Stop(none);
    player.Play("nothing.mp3");
    EXPECT_EQ(player.CachedCount(), 1u);  // the failure is remembered, not retried
}

TEST_F(Sound, WithoutAnAudioDeviceEverythingIsSilent) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string kept = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        CSoundPlayer player;
        EXPECT_FALSE(player.HasAudio());
        const CSoundPlayer::Handle none = player.Play("long.mp3");
        EXPECT_FALSE(player.IsPlaying(none));
        player.Stop(none);
    }
    if (previous) setenv("SDL_AUDIODRIVER", kept.c_str(), 1); else unsetenv("SDL_AUDIODRIVER");
}

TEST_F(Sound, TheModelKeepsOneCurrentEffectAndOneCurrentMusic) {
    GlWindow::Use();
    CModel model;
    model.PlayMusic("long.mp3", true);
    model.PlaySoundFile("other.mp3", true);
    EXPECT_TRUE(model.IsMusicPlaying());
    EXPECT_TRUE(model.IsSoundPlaying());

    // An empty name only stops the music.
    model.PlayMusic("", true);
    EXPECT_FALSE(model.IsMusicPlaying());
    EXPECT_TRUE(model.IsSoundPlaying());

    model.StopSoundFile();
    EXPECT_FALSE(model.IsSoundPlaying());
}

TEST_F(Sound, MutingStopsWhatPlaysAndHoldsUntilPressedAgain) {
    GlWindow::Use();
    CModel model;
    model.PlayMusic("long.mp3", true);
    model.PlaySoundFile("other.mp3", false);
    model.ToggleMute();
    EXPECT_TRUE(model.IsMuted());
    EXPECT_FALSE(model.IsMusicPlaying());
    EXPECT_FALSE(model.IsSoundPlaying());
    const uint64_t playsBefore = model.GetSoundPlayer().PlayCount();
    model.PlaySoundFile("other.mp3", false);
    model.PlaySoundFile("other.mp3", true);
    model.RewardUser();
    model.PlayMusic("other.mp3", true);  // the music asked for while muted
    EXPECT_EQ(model.GetSoundPlayer().PlayCount(), playsBefore) << "nothing reaches the sound layer";
    EXPECT_FALSE(model.IsSoundPlaying());
    EXPECT_FALSE(model.IsMusicPlaying());
    model.ToggleMute();  // sound back: the scene's music plays again
    EXPECT_FALSE(model.IsMuted());
    EXPECT_TRUE(model.IsMusicPlaying());
    model.PlaySoundFile("other.mp3", false);
    EXPECT_TRUE(model.IsSoundPlaying());
}

TEST_F(Sound, MusicStoppedWhileMutedStaysStoppedWhenSoundComesBack) {
    GlWindow::Use();
    CModel model;
    model.PlayMusic("long.mp3", true);
    model.ToggleMute();
    model.PlayMusic("", true);  // a minigame opens: its music is off
    model.ToggleMute();
    EXPECT_FALSE(model.IsMusicPlaying());
}

TEST_F(Sound, ALongSoundIsLetGoOnceNothingPlaysItAndAShortOneIsKept) {
    ASSERT_TRUE(WriteToneWav(folder.File("Sounds/beep.mp3"), 200));
    CSoundPlayer player;
    ASSERT_TRUE(player.HasAudio());
    player.Play("beep.mp3");
    const CSoundPlayer::Handle tune = player.Play("long.mp3");
    player.Play("other.mp3");
    EXPECT_EQ(player.CachedCount(), 3u);  // all of them play
    player.Stop(tune);
    player.Play("beep.mp3");
    EXPECT_EQ(player.CachedCount(), 2u);  // the stopped tune went, the beep stayed
    const CSoundPlayer::Handle again = player.Play("long.mp3");
    EXPECT_TRUE(player.IsPlaying(again));  // decoded again
}

TEST_F(Sound, AVoiceWhoseLengthWasAskedIsDecodedOnceToPlay) {
    CSoundPlayer player;
    ASSERT_TRUE(player.HasAudio());
    EXPECT_GT(player.Seconds("long.mp3"), 2.9);  // the subtitles ask first
    const CSoundPlayer::Handle voice = player.Play("long.mp3");
    EXPECT_TRUE(player.IsPlaying(voice));
    EXPECT_EQ(player.DecodeCount(), 1u);
}
