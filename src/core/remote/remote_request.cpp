#include "remote/remote_request.h"

#include <charconv>

namespace vnovla::remote {

namespace {

// Pages are numbered 0..1000 at most; a longer number is no page of any profile.
std::optional<int> pageNumber(std::string_view text)
{
    int page = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), page);
    if (text.empty() || text.size() > 4 || error != std::errc() ||
        end != text.data() + text.size() || page < 0)
        return std::nullopt;
    return page;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& args)
{
    CommandLine line;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string_view arg = args[index];
        if (arg == "--raise") {
            if (!line.request)
                line.request = Request{};
            continue;
        }
        std::optional<std::string_view> value;
        if (arg == "--page") {
            if (index + 1 < args.size())
                value = args[++index];
            else
                value = std::string_view();
        } else if (arg.substr(0, 7) == "--page=") {
            value = arg.substr(7);
        }
        if (!value)
            continue;
        const auto page = pageNumber(*value);
        if (!page) {
            line.error = "vnovla: --page にはページ番号（0〜1000）を指定してください: 「" +
                         std::string(*value) + "」";
            return line;
        }
        line.request = Request{page};
    }
    return line;
}

std::string encodeRequest(const Request& request)
{
    if (request.page)
        return "page " + std::to_string(*request.page) + "\n";
    return "raise\n";
}

bool requestComplete(std::string_view bytes)
{
    return bytes.find('\n') != std::string_view::npos || bytes.size() > kMaximumRequestBytes;
}

std::optional<Request> decodeRequest(std::string_view bytes)
{
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos || end > kMaximumRequestBytes || end + 1 != bytes.size())
        return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    if (line == "raise")
        return Request{};
    if (line.substr(0, 5) == "page ")
        if (const auto page = pageNumber(line.substr(5)))
            return Request{page};
    return std::nullopt;
}

} // namespace vnovla::remote
