#include "remote/remote_request.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vnovla {
namespace {

using remote::Request;

TEST(RemoteCommandLine, raiseAndPageOptions)
{
    struct Row
    {
        std::vector<std::string_view> args;
        std::optional<Request> request;
        bool error = false;
    };
    const std::vector<Row> rows = {
        {{}, std::nullopt},
        // Options of the toolkit and others pass by untouched.
        {{"-platform", "xcb", "--lang", "en"}, std::nullopt},
        {{"--raise"}, Request{}},
        {{"--page", "3"}, Request{3}},
        {{"--page=12"}, Request{12}},
        {{"--raise", "--page", "0"}, Request{0}},
        {{"--page", "2", "--raise"}, Request{2}},
        {{"--page", "1000"}, Request{1000}},
        {{"--page"}, std::nullopt, true},
        {{"--page", "-1"}, std::nullopt, true},
        {{"--page", "two"}, std::nullopt, true},
        {{"--page", "3x"}, std::nullopt, true},
        {{"--page", "10000"}, std::nullopt, true},
        {{"--page="}, std::nullopt, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const remote::CommandLine line = remote::parseCommandLine(row.args);
        EXPECT_EQ(line.error.empty(), !row.error) << line.error;
        if (!row.error) {
            EXPECT_EQ(line.request, row.request);
        }
    }
}

TEST(RemoteRequest, linesOnTheSocket)
{
    struct Row
    {
        std::string bytes;
        std::optional<Request> request;
        bool complete;
    };
    const std::vector<Row> rows = {
        {"raise\n", Request{}, true},
        {"page 7\n", Request{7}, true},
        {"rai", std::nullopt, false},
        {"", std::nullopt, false},
        {"raise", std::nullopt, false},
        {"raise\r\n", std::nullopt, true},
        {"raise\nraise\n", std::nullopt, true},
        {"page\n", std::nullopt, true},
        {"page -1\n", std::nullopt, true},
        {"page 12345\n", std::nullopt, true},
        {"page 1 \n", std::nullopt, true},
        {std::string("rai\0se\n", 7), std::nullopt, true},
        {"\xff\xfe\n", std::nullopt, true},
        // A sender that never ends its line is cut off once no request could be that long.
        {std::string(remote::kMaximumRequestBytes, 'x'), std::nullopt, false},
        {std::string(remote::kMaximumRequestBytes + 1, 'x'), std::nullopt, true},
        {std::string(100000, 'x') + "\n", std::nullopt, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.bytes.substr(0, 20)));
        EXPECT_EQ(remote::decodeRequest(row.bytes), row.request);
        EXPECT_EQ(remote::requestComplete(row.bytes), row.complete);
    }
    for (const Request& request : {Request{}, Request{0}, Request{1000}})
        EXPECT_EQ(remote::decodeRequest(remote::encodeRequest(request)), request);
}

} // namespace
} // namespace vnovla
