#include "core/CProfileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

std::string CProfileLock::FileNameFor(const std::string& profileFileName) { return profileFileName + ".lock"; }

CProfileLock::Result CProfileLock::Acquire(const std::string& path, double seconds) {
    Release();
    // Read-only is enough to lock, and opens a lock file another user of a
    // shared folder made.
    const int file = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return LOCK_FAILED;
    const double deadline = Now() + seconds;
    for (;;) {
        if (flock(file, LOCK_EX | LOCK_NB) == 0) {
            fd = file;
            return LOCK_HELD;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (Now() >= deadline) {
            close(file);
            return LOCK_BUSY;
        }
        // Another save holds it for a few milliseconds: look again soon.
        const timespec pause{0, 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
    close(file);
    return LOCK_FAILED;
}

void CProfileLock::Release() {
    if (fd < 0) return;
    flock(fd, LOCK_UN);
    close(fd);
    fd = -1;
}
