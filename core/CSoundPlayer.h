#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;

// Plays the game's ".mp3" files from "Sounds" asynchronously on SDL_mixer.
// Each file is decoded once and kept while it plays; short effects stay
// decoded, longer sounds go once nothing plays them. Every play takes a free channel, so a
// sound started without stopping the previous one plays over it. A missing
// file, or a machine without audio, plays nothing and never stops the game.
class CSoundPlayer {
public:
    // Identifies one playback; stopping a handle whose sound has ended (and
    // whose channel now plays something else) does nothing.
    struct Handle {
        int channel = -1;
        uint64_t generation = 0;
    };

    CSoundPlayer();
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Starts the file; an invalid handle when nothing could be played.
    Handle Play(const std::string& name);
    void Stop(const Handle& handle);
    bool IsPlaying(const Handle& handle) const;
    bool HasAudio() const { return audioOpen; }
    // How long a file plays, in seconds; 0 when it cannot be known (no
    // audio, no file).
    double Seconds(const std::string& name);
    // Playbacks started so far, and the file of the last one.
    uint64_t PlayCount() const { return plays; }
    const std::string& LastStarted() const { return lastStarted; }
    // Files kept decoded (missing ones included, as failures are kept too).
    size_t CachedCount() const { return cache.size(); }
    // Files decoded so far (each decoding counts).
    uint64_t DecodeCount() const { return decodes; }

private:
    Mix_Chunk* Decoded(const std::string& name);
    // Lets go of the long sounds that nothing plays, but keep.
    void ReleaseLongSoundsNotPlaying(const Mix_Chunk* keep);

    bool audioOpen = false;
    std::map<std::string, Mix_Chunk*> cache;
    std::vector<uint64_t> channelGeneration;
    uint64_t nextGeneration = 1;
    uint64_t plays = 0;
    std::string lastStarted;
    uint64_t decodes = 0;
};
