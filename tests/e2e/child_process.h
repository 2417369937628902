#pragma once

// Real programs started by the end-to-end tests: an X server, a window manager, the launcher
// and the X tools that drive it. Every process lives in a ChildProcess, which ends it (and
// its process group) when it goes away, so a failing assertion leaves nothing running.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace vnovla::test {

using namespace std::chrono_literals;

// Polls condition until it holds or the limit passes; true if it held. Every wait on another
// process is bounded, so a launcher that never reacts fails the test instead of hanging it.
template <typename Condition> bool waitUntil(Condition condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(25ms);
    }
}

// The test's own environment with some variables replaced or removed.
class ProcessEnvironment
{
public:
    ProcessEnvironment()
    {
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string text = *entry;
            const auto equals = text.find('=');
            if (equals != std::string::npos)
                variables_[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }

    void set(const std::string& name, const std::string& value) { variables_[name] = value; }
    void remove(const std::string& name) { variables_.erase(name); }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> result;
        for (const auto& [name, value] : variables_)
            result.push_back(name + "=" + value);
        return result;
    }

private:
    std::map<std::string, std::string> variables_;
};

inline std::optional<std::filesystem::path> findInPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

class ChildProcess
{
public:
    // Starts argv[0] (searched in PATH) with the arguments as they are, no shell involved.
    // Standard output and error go to the given files, or nowhere.
    ChildProcess(const std::vector<std::string>& argv, const ProcessEnvironment& environment,
                 const std::filesystem::path& outputFile = "/dev/null",
                 const std::filesystem::path& errorFile = "/dev/null")
    {
        // Everything the child needs is prepared before fork: it may only make system calls.
        std::vector<char*> arguments;
        for (const std::string& argument : argv)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        const std::vector<std::string> entries = environment.entries();
        std::vector<char*> variables;
        for (const std::string& entry : entries)
            variables.push_back(const_cast<char*>(entry.c_str()));
        variables.push_back(nullptr);
        const std::string output = outputFile.string();
        const std::string error = errorFile.string();
        const pid_t parent = getpid();

        pid_ = fork();
        if (pid_ != 0)
            return;
        // Dies with the test program even when that is killed outright, and gets a process
        // group of its own, so that stop() also reaches whatever it started.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        setpgid(0, 0);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(error.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0)
            _exit(127);
        execvpe(arguments[0], arguments.data(), variables.data());
        _exit(127);
    }

    ~ChildProcess() { stop(); }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }

    // Signals the process alone, not its group: as a desktop session or `kill` would.
    void sendSignal(int signalNumber)
    {
        if (pid_ > 0 && !exitCode())
            kill(pid_, signalNumber);
    }

    // The exit status once the process has ended (128 + signal for a killed one).
    std::optional<int> exitCode()
    {
        reap(WNOHANG);
        return exitCode_;
    }

    std::optional<int> waitForExit(std::chrono::milliseconds limit)
    {
        waitUntil([this] { return exitCode().has_value(); }, limit);
        return exitCode_;
    }

    // Asks politely, then kills: a process that ignores SIGTERM must not outlive the test.
    void stop()
    {
        if (pid_ <= 0)
            return;
        if (!exitCode())
            kill(-pid_, SIGTERM);
        if (!waitForExit(2s)) {
            kill(-pid_, SIGKILL);
            reap(0);
        }
        // Children left in the group (a window manager's helpers) go as well.
        kill(-pid_, SIGKILL);
        pid_ = -1;
    }

private:
    void reap(int options)
    {
        if (pid_ <= 0 || exitCode_)
            return;
        int status = 0;
        pid_t result = 0;
        do {
            result = waitpid(pid_, &status, options);
        } while (result < 0 && errno == EINTR);
        if (result != pid_)
            return;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

} // namespace vnovla::test
