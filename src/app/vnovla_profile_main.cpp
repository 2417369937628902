// vnovla-profile: reads and writes the launcher's profile files from scripts, with exactly
// the rules the launcher itself uses.

#include "exchange/profile_json.h"
#include "profile/profile_backup.h"
#include "profile/profile_file.h"
#include "remote/hot_key.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vnovla::profile::ProfileFile;

constexpr std::string_view kUsage = "usage: vnovla-profile get [--raw] FILE SECTION KEY\n"
                                    "       vnovla-profile set FILE SECTION KEY VALUE\n"
                                    "       vnovla-profile list FILE [SECTION]\n"
                                    "       vnovla-profile backups FILE\n"
                                    "       vnovla-profile restore BACKUP\n"
                                    "       vnovla-profile export --json FILE\n"
                                    "       vnovla-profile import --json FILE [INPUT|-]\n"
                                    "status: 0 done, 1 not written or not printed, 2 wrong "
                                    "arguments or a FILE that cannot be read\n";

int usage()
{
    std::cerr << kUsage;
    return 2;
}

// A file that exists but cannot be read prints the same empty text as a missing key; the
// status and the message tell a script which of the two it met.
int readStatus(const ProfileFile& file, bool printed)
{
    if (!printed)
        return 1;
    if (!file.unreadable())
        return 0;
    std::cerr << "vnovla-profile: 「" << file.path().string() << "」を読み込めません（"
              << file.unreadableReason() << "）。\n";
    return 2;
}

int get(const std::vector<std::string_view>& args)
{
    bool raw = false;
    std::vector<std::string_view> rest;
    for (const std::string_view arg : args) {
        if (arg == "--raw" && !raw && rest.empty())
            raw = true;
        else
            rest.push_back(arg);
    }
    if (rest.size() != 3)
        return usage();
    ProfileFile file{std::string(rest[0])};
    const std::string value = raw ? file.readRaw(rest[1], rest[2]) : file.read(rest[1], rest[2]);
    std::fwrite(value.data(), 1, value.size(), stdout);
    std::fputc('\n', stdout);
    return readStatus(file, std::fflush(stdout) == 0);
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

int set(const std::vector<std::string_view>& args)
{
    if (args.size() != 4)
        return usage();
    // The launcher would fall back to its default combination without a word; the script
    // that wrote a wrong one hears of it here instead, and nothing is written.
    if (sameName(args[1], "Window") && sameName(args[2], "HotKey")) {
        if (const std::string error = vnovla::remote::hotKeyError(args[3]); !error.empty()) {
            std::cerr << "vnovla-profile: " << error << '\n';
            return 1;
        }
    }
    ProfileFile file{std::string(args[0])};
    const auto status = file.write(args[1], args[2], args[3]);
    if (!status) {
        std::cerr << "vnovla-profile: " << status.message() << '\n';
        return 1;
    }
    return 0;
}

int list(const std::vector<std::string_view>& args)
{
    if (args.empty() || args.size() > 2)
        return usage();
    ProfileFile file{std::string(args[0])};
    const auto names = args.size() == 1 ? file.sectionNames() : file.keyNames(args[1]);
    for (const std::string& name : names)
        std::cout << name << '\n';
    return readStatus(file, static_cast<bool>(std::cout.flush()));
}

int backups(const std::vector<std::string_view>& args)
{
    if (args.size() != 1)
        return usage();
    for (const auto& backup : vnovla::profile::listBackups(std::string(args[0])))
        std::cout << backup.string() << '\n';
    return std::cout.flush() ? 0 : 1;
}

// Reads at most `limit` + 1 bytes, so that an endless input is refused without holding it.
bool readLimited(std::istream& in, std::size_t limit, std::string& out)
{
    out.clear();
    char buffer[65536];
    while (out.size() <= limit && in.read(buffer, sizeof buffer).gcount() > 0)
        out.append(buffer, static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

int restore(const std::vector<std::string_view>& args)
{
    if (args.size() != 1)
        return usage();
    const std::filesystem::path backup{std::string(args[0])};
    const std::filesystem::path original = vnovla::profile::originalOf(backup);
    std::ifstream in(backup, std::ios::binary);
    // Read whole, whatever its size: a backup cut short would lose what it was kept for.
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::error_code error;
    if (original.empty() || !std::filesystem::is_regular_file(backup, error) || !in) {
        std::cerr << "vnovla-profile: 「" << backup.string()
                  << "」はバックアップとして読み込めません。\n";
        return 2;
    }
    ProfileFile file{original};
    if (const auto status = file.replaceContents(bytes); !status) {
        std::cerr << "vnovla-profile: " << status.message() << '\n';
        return 1;
    }
    std::cout << original.string() << '\n';
    return 0;
}

int exportJson(const std::vector<std::string_view>& args)
{
    if (args.size() != 2 || args[0] != "--json")
        return usage();
    ProfileFile file{std::string(args[1])};
    const std::string text = vnovla::exchange::exportJson(file);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return readStatus(file, std::fflush(stdout) == 0);
}

int importJson(const std::vector<std::string_view>& args)
{
    if (args.size() < 2 || args.size() > 3 || args[0] != "--json")
        return usage();
    std::string input;
    bool read = false;
    if (args.size() == 2 || args[2] == "-") {
        read = readLimited(std::cin, vnovla::exchange::kMaxImportBytes, input);
    } else {
        std::ifstream in{std::string(args[2]), std::ios::binary};
        read = in && readLimited(in, vnovla::exchange::kMaxImportBytes, input);
    }
    if (!read) {
        std::cerr << "vnovla-profile: 取り込む JSON を読み込めません。\n";
        return 2;
    }
    ProfileFile file{std::string(args[1])};
    if (const auto status = vnovla::exchange::importJson(input, file); !status) {
        std::cerr << "vnovla-profile: " << status.message() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string_view command = argv[1];
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    if (command == "get")
        return get(args);
    if (command == "set")
        return set(args);
    if (command == "list")
        return list(args);
    if (command == "backups")
        return backups(args);
    if (command == "restore")
        return restore(args);
    if (command == "export")
        return exportJson(args);
    if (command == "import")
        return importJson(args);
    return usage();
}
