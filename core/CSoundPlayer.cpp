#include "core/CSoundPlayer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include "app/DataFolder.h"

namespace {
// Voices, effects and music overlap freely; 8 channels (the default) run
// out when several bars drop while a voice and music play.
constexpr int kChannels = 32;
// Decoded sound is 172 KiB a second: short effects stay decoded, a voice or
// a tune is let go once nothing plays it (it is decoded again next time).
constexpr Uint32 kKeptBytes = 256 * 1024;
}  // namespace

CSoundPlayer::CSoundPlayer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_MP3);
    Mix_AllocateChannels(kChannels);
    channelGeneration.assign(kChannels, 0);
    audioOpen = true;
}

CSoundPlayer::~CSoundPlayer() {
    if (!audioOpen) return;
    Mix_HaltChannel(-1);
    for (auto& entry : cache) {
        if (entry.second) Mix_FreeChunk(entry.second);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* CSoundPlayer::Decoded(const std::string& name) {
    auto found = cache.find(name);
    if (found != cache.end()) return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV(DataFile("Sounds", name).c_str());
    ++decodes;
    cache.emplace(name, chunk);
    return chunk;
}

void CSoundPlayer::ReleaseLongSoundsNotPlaying(const Mix_Chunk* keep) {
    for (auto entry = cache.begin(); entry != cache.end();) {
        Mix_Chunk* chunk = entry->second;
        bool playing = chunk == keep;
        for (int channel = 0; channel < static_cast<int>(channelGeneration.size()) && chunk; ++channel) {
            playing = playing || (Mix_Playing(channel) && Mix_GetChunk(channel) == chunk);
        }
        if (chunk != nullptr && chunk->alen > kKeptBytes && !playing) {
            Mix_FreeChunk(chunk);
            entry = cache.erase(entry);
        } else {
            ++entry;
        }
    }
}

CSoundPlayer::Handle CSoundPlayer::Play(const std::string& name) {
    if (!audioOpen || name.empty()) return Handle();
    // A voice whose length the subtitles just asked is decoded already: it
    // is kept, not let go and decoded a second time (30 s of voice take
    // 15 ms or more to decode).
    Mix_Chunk* chunk = Decoded(name);
    ReleaseLongSoundsNotPlaying(chunk);
    if (chunk == nullptr) return Handle();
    const int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel < 0 || channel >= static_cast<int>(channelGeneration.size())) return Handle();
    channelGeneration[channel] = nextGeneration++;
    ++plays;
    lastStarted = name;
    return Handle{channel, channelGeneration[channel]};
}

double CSoundPlayer::Seconds(const std::string& name) {
    if (!audioOpen || name.empty()) return 0.0;
    Mix_Chunk* chunk = Decoded(name);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (chunk == nullptr || Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0) return 0.0;
    const int bytesPerSample = SDL_AUDIO_BITSIZE(format) / 8;
    return static_cast<double>(chunk->alen) / (static_cast<double>(frequency) * channels * bytesPerSample);
}

bool CSoundPlayer::IsPlaying(const Handle& handle) const {
    if (!audioOpen || handle.channel < 0) return false;
    if (channelGeneration.at(handle.channel) != handle.generation) return false;
    return Mix_Playing(handle.channel) != 0;
}

void CSoundPlayer::Stop(const Handle& handle) {
    if (IsPlaying(handle)) Mix_HaltChannel(handle.channel);
}
