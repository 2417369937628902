#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::remote {

// What a second start (or a desktop shortcut, a script) asks of the running launcher: come
// up, and with a page, show that page.
struct Request
{
    std::optional<int> page;
    bool operator==(const Request&) const = default;
};

// The options of the launcher's command line this module knows. Other arguments are left to
// whoever else reads the command line.
struct CommandLine
{
    std::optional<Request> request; // nothing: neither --raise nor --page was given
    std::string error;              // a message for standard error; the program should stop
};

CommandLine parseCommandLine(const std::vector<std::string_view>& args);

// The bytes of a request on the local socket: one line, "raise" or "page N".
std::string encodeRequest(const Request& request);

// The most bytes a request line may take; a sender of more is cut off.
inline constexpr std::size_t kMaximumRequestBytes = 64;

// Reads the bytes received so far. Nothing while no line has ended yet (see complete), or
// when the line is not a request.
std::optional<Request> decodeRequest(std::string_view bytes);
// Whether bytes hold a whole line, or more bytes than any request needs: the receiver stops
// reading then.
bool requestComplete(std::string_view bytes);

// The running launcher's one-line answers.
inline constexpr std::string_view kReplyDone = "ok\n";
inline constexpr std::string_view kReplyNoPage = "no-page\n";
inline constexpr std::string_view kReplyDialogOpen = "dialog-open\n";
inline constexpr std::string_view kReplyRefused = "refused\n";

} // namespace vnovla::remote
