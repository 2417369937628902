#pragma once

#include "platform/clock.h"
#include "platform/shell.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::test {

// Records what would have been started, and when by the given clock (if any).
class FakeShell : public platform::Shell
{
public:
    enum class Kind {
        Open,
        StartWithArgument,
    };
    struct Call
    {
        Kind kind = Kind::Open;
        std::string path;   // the item opened, or the program started
        std::string second; // the working folder, or the argument
        std::int64_t atMilliseconds = 0;
        bool operator==(const Call&) const = default;
    };

    explicit FakeShell(const platform::Clock* clock = nullptr) : clock_(clock) {}

    void open(const std::string& path, const std::string& workingFolder) override
    {
        calls.push_back({Kind::Open, path, workingFolder, now()});
    }
    void startWithArgument(const std::string& program, const std::string& argument) override
    {
        calls.push_back({Kind::StartWithArgument, program, argument, now()});
    }

    std::vector<std::string> openedPaths() const
    {
        std::vector<std::string> paths;
        for (const auto& call : calls)
            paths.push_back(call.path);
        return paths;
    }

    std::vector<Call> calls;

private:
    std::int64_t now() const { return clock_ ? clock_->nowMilliseconds() : 0; }

    const platform::Clock* clock_;
};

} // namespace vnovla::test
