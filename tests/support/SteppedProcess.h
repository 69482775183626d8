#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

// A helper program run as a process of its own that tells each step it
// reaches as a byte on its fd 3 and waits there for a byte on its fd 4: a
// test follows it step by step, lets it go on, or kills it where it waits.
// No step depends on how fast the machine is.
class SteppedProcess {
public:
    SteppedProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~SteppedProcess();
    SteppedProcess(const SteppedProcess&) = delete;
    SteppedProcess& operator=(const SteppedProcess&) = delete;

    bool Started() const { return pid > 0; }
    pid_t Pid() const { return pid; }
    // The next step the process reached (it waits there); -1 if it ended.
    int NextStep();
    bool GoOn();
    // Kills it where it waits; true when the kill is what ended it.
    bool KillHere();
    // Waits for it to end by itself; its exit status, or -1 if it did not exit.
    int Wait();

private:
    pid_t pid = -1;
    int fromChild = -1;
    int toChild = -1;
};
