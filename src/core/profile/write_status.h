#pragma once

#include <string>
#include <utility>

namespace vnovla::profile {

// The outcome of a profile write. A failed write names what could not be stored and why,
// in a sentence the caller can show to the user as it is.
class [[nodiscard]] WriteStatus
{
public:
    enum class Code {
        Ok,
        InvalidName,   // a section or key that cannot be stored as one line of the file
        InvalidValue,  // a value that cannot be stored as one line of the file
        Unconvertible, // the file holds bytes that cannot be re-encoded without loss
        Io,            // the file could not be read or replaced
        Busy,          // another writer kept the file locked for longer than a write waits
    };

    WriteStatus() = default;
    static WriteStatus failure(Code code, std::string message)
    {
        WriteStatus status;
        status.code_ = code;
        status.message_ = std::move(message);
        return status;
    }

    bool ok() const { return code_ == Code::Ok; }
    explicit operator bool() const { return ok(); }
    Code code() const { return code_; }
    const std::string& message() const { return message_; }

private:
    Code code_ = Code::Ok;
    std::string message_;
};

} // namespace vnovla::profile
