#include "support/SteppedProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

SteppedProcess::SteppedProcess(const std::string& program, const std::vector<std::string>& arguments) {
    int report[2], goAhead[2];
    // Close-on-exec: the process gets only its own two ends, as 3 and 4.
    if (pipe2(report, O_CLOEXEC) != 0) return;
    if (pipe2(goAhead, O_CLOEXEC) != 0) {
        close(report[0]);
        close(report[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 3);
    posix_spawn_file_actions_adddup2(&actions, goAhead[0], 4);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    close(goAhead[0]);
    fromChild = report[0];
    toChild = goAhead[1];
}

SteppedProcess::~SteppedProcess() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(fromChild);
    close(toChild);
}

int SteppedProcess::NextStep() {
    unsigned char step = 0;
    return read(fromChild, &step, 1) == 1 ? step : -1;
}

bool SteppedProcess::GoOn() {
    const unsigned char go = 1;
    return write(toChild, &go, 1) == 1;
}

bool SteppedProcess::KillHere() {
    kill(pid, SIGKILL);
    int status = 0;
    const bool killed = waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    pid = -1;
    return killed;
}

int SteppedProcess::Wait() {
    int status = 0;
    const bool ended = waitpid(pid, &status, 0) == pid;
    pid = -1;
    return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
