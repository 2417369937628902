#include "pages/path_procedures.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vnovla::pages {
namespace {

struct PathCase
{
    std::string_view path;
    std::string_view extension;
    std::string_view fileName;
    std::string_view folder;
};

void expectAll(const PathCase& c, PathFlavour flavour)
{
    EXPECT_EQ(GetExtension(c.path, flavour), c.extension) << "extension of " << c.path;
    EXPECT_EQ(GetFileName(c.path, flavour), c.fileName) << "file name of " << c.path;
    EXPECT_EQ(GetFolder(c.path, flavour), c.folder) << "folder of " << c.path;
}

TEST(PathProceduresTest, WindowsPaths)
{
    const PathCase cases[] = {
        {"C:\\Tools\\app.EXE", "EXE", "app.EXE", "C:\\Tools\\"},
        {"C:\\Docs\\readme.txt", "txt", "readme.txt", "C:\\Docs\\"},
        {"C:\\Users\\Desk\\link.lnk", "lnk", "link.lnk", "C:\\Users\\Desk\\"},
        {"C:\\Windows\\", "", "C:\\Windows\\", "C:\\Windows\\"},
        {"C:\\Windows", "", "Windows", "C:\\"},
        {"C:\\Tools\\makefile", "", "makefile", "C:\\Tools\\"},
        {"C:\\Home\\.profile", "", ".profile", "C:\\Home\\"},
        {"C:\\Home\\..profile", "profile", "..profile", "C:\\Home\\"},
        {"C:\\Home\\name.", "", "name.", "C:\\Home\\"},
        {"C:\\Data.d\\archive.tar.gz", "gz", "archive.tar.gz", "C:\\Data.d\\"},
        // The dot of a folder is not the file's extension.
        {"C:\\Data.d\\makefile", "", "makefile", "C:\\Data.d\\"},
        {"C:/Mixed\\dir/notes.md", "md", "notes.md", "C:/Mixed\\dir/"},
        {"app.exe", "exe", "app.exe", ""},
        {".profile", "", ".profile", ""},
        {"", "", "", ""},
        // CP932 would put a backslash inside "ソ"; in UTF-8 no byte of it can match.
        {"C:\\ソフト\\表示.txt", "txt", "表示.txt", "C:\\ソフト\\"},
    };
    for (const auto& c : cases)
        expectAll(c, PathFlavour::Windows);
}

TEST(PathProceduresTest, PosixPathsUseOnlySlash)
{
    const PathCase cases[] = {
        {"/usr/bin/gimp", "", "gimp", "/usr/bin/"},
        {"/home/user/readme.txt", "txt", "readme.txt", "/home/user/"},
        {"/home/user/", "", "/home/user/", "/home/user/"},
        {"/home/user", "", "user", "/home/"},
        {"/home/user/.profile", "", ".profile", "/home/user/"},
        {"/home/user/name.", "", "name.", "/home/user/"},
        {"/home/my.dir/Makefile", "", "Makefile", "/home/my.dir/"},
        {"/", "", "/", "/"},
        {"/ドキュメント/議事録.テキスト", "テキスト", "議事録.テキスト", "/ドキュメント/"},
        // A backslash is an ordinary character of a Linux file name.
        {"/tmp/a\\b.txt", "txt", "a\\b.txt", "/tmp/"},
        {"C:\\Windows\\", "", "C:\\Windows\\", ""},
        {"C:\\Tools\\app.exe", "exe", "C:\\Tools\\app.exe", ""},
    };
    for (const auto& c : cases)
        expectAll(c, PathFlavour::Posix);
}

} // namespace
} // namespace vnovla::pages
