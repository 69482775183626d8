#pragma once
#include <cstdint>
#include <mutex>
#include <string>

// Pictures decoded ahead of their first showing, each on a thread of its
// own, while the screen before them still plays (the room's curtain
// closing on a minigame): the first frame that shows them then only
// uploads them. What nobody takes within kKeepTicks is let go.
class CPicturePrefetch {
public:
    struct Pixels {
        unsigned char* data = nullptr;  // SOIL's, freed by SOIL_free_image_data
        int width = 0;
        int height = 0;
        int channels = 0;
    };

    // Starts decoding the file (a full path) unless it is under way or done.
    static void Request(const std::string& path);
    // The pixels decoded for path, waiting for them if need be; false (and
    // nothing) when path was not asked for. The caller owns what it takes.
    static bool Take(const std::string& path, Pixels& out);
    // Once per frame tick.
    static constexpr int64_t kKeepTicks = 512;  // a curtain across a wide screen takes 200
    static void EndOfTick();

    // Asked for and taken since the start, for the tests.
    static int64_t RequestCount();
    static int64_t TakenCount();
    // Decoded and let go untaken since the start.
    static int64_t DroppedCount();

    // SOIL keeps its last result in one shared place: every call to it, on
    // any thread, holds this lock.
    static std::mutex& SoilLock();
};
