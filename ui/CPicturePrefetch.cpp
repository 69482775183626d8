#include "ui/CPicturePrefetch.h"

#include <SOIL/SOIL.h>

#include <future>
#include <map>

namespace {

struct Pending {
    std::future<CPicturePrefetch::Pixels> pixels;
    int64_t age = 0;  // ticks since asked
};

void Free(CPicturePrefetch::Pixels& pixels) {
    if (pixels.data == nullptr) return;
    std::lock_guard<std::mutex> lock(CPicturePrefetch::SoilLock());
    SOIL_free_image_data(pixels.data);
    pixels.data = nullptr;
}

// Everything asked for and not yet taken; what is left at exit is waited
// for and freed.
struct Ahead {
    std::map<std::string, Pending> pending;
    int64_t requested = 0;
    int64_t taken = 0;
    int64_t dropped = 0;
    // The lock is made first, so that it outlives this at exit.
    Ahead() { CPicturePrefetch::SoilLock(); }
    ~Ahead() {
        for (auto& entry : pending) {
            CPicturePrefetch::Pixels pixels = entry.second.pixels.get();
            Free(pixels);
        }
    }
};

Ahead& Decodings() {
    static Ahead ahead;
    return ahead;
}

CPicturePrefetch::Pixels Decode(const std::string& path) {
    CPicturePrefetch::Pixels pixels;
    std::lock_guard<std::mutex> lock(CPicturePrefetch::SoilLock());
    pixels.data = SOIL_load_image(path.c_str(), &pixels.width, &pixels.height, &pixels.channels, SOIL_LOAD_AUTO);
    return pixels;
}

}  // namespace

std::mutex& CPicturePrefetch::SoilLock() {
    static std::mutex lock;
    return lock;
}

void CPicturePrefetch::Request(const std::string& path) {
    Ahead& ahead = Decodings();
    if (ahead.pending.count(path) != 0) return;
    ahead.pending[path].pixels = std::async(std::launch::async, Decode, path);
    ++ahead.requested;
}

bool CPicturePrefetch::Take(const std::string& path, Pixels& out) {
    Ahead& ahead = Decodings();
    auto found = ahead.pending.find(path);
    if (found == ahead.pending.end()) return false;
    out = found->second.pixels.get();
    ahead.pending.erase(found);
    ++ahead.taken;
    return true;
}

void CPicturePrefetch::EndOfTick() {
    Ahead& ahead = Decodings();
    for (auto entry = ahead.pending.begin(); entry != ahead.pending.end();) {
        if (++entry->second.age <= kKeepTicks) {
            ++entry;
            continue;
        }
        Pixels pixels = entry->second.pixels.get();
        Free(pixels);
        entry = ahead.pending.erase(entry);
        ++ahead.dropped;
    }
}

int64_t CPicturePrefetch::RequestCount() { return Decodings().requested; }
int64_t CPicturePrefetch::TakenCount() { return Decodings().taken; }
int64_t CPicturePrefetch::DroppedCount() { return Decodings().dropped; }
