#pragma once
#include <string>

// One learner's lock, held while a save reads the profile on disk, adds
// this session's gains and writes it back: two computers on one shared
// folder then take turns and neither writes over the other's points. It
// is an flock on "<profile file>.lock" beside the profile, which stays
// there (removing it would let two holders lock two different files); the
// system lets go of it when its holder dies, so a crash never leaves a
// learner locked out.
class CProfileLock {
public:
    enum Result {
        LOCK_HELD,
        LOCK_BUSY,    // another process kept it for the whole wait
        LOCK_FAILED,  // the lock file cannot be made or opened
    };

    CProfileLock() = default;
    ~CProfileLock() { Release(); }
    CProfileLock(const CProfileLock&) = delete;
    CProfileLock& operator=(const CProfileLock&) = delete;

    static std::string FileNameFor(const std::string& profileFileName);
    // Takes the lock, waiting at most that many seconds for it.
    Result Acquire(const std::string& path, double seconds);
    void Release();
    bool Held() const { return fd >= 0; }

private:
    int fd = -1;
};
