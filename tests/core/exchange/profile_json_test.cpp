// Pages, titles and buttons as one JSON document: what an export gives and what an import
// takes or refuses.

#include "exchange/profile_json.h"
#include "profile/profile_backup.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vnovla {
namespace {

using profile::ProfileFile;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

class ProfileJsonTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::filesystem::path path = dir / "Vnovla.ini";
};

TEST_F(ProfileJsonTest, anExportImportedElsewhereGivesTheSameExport)
{
    writeBytes(path, "[Window]\r\nPage=2\r\n[Title]\r\n0=ツール\r\n2=\"Games\"\r\n"
                     "[Path]\r\n00=/usr/bin/foot\r\n29=C:\\Program Files\\a.exe\r\n"
                     "[PopUp]\r\n00=端末\r\n[Icon]\r\n29=3\r\n");
    ProfileFile source{path};
    const std::string exported = exchange::exportJson(source);
    EXPECT_NE(exported.find("\"title\": \"Games\""), std::string::npos) << exported;
    EXPECT_NE(exported.find("\"path\": \"C:\\\\Program Files\\\\a.exe\""), std::string::npos);

    ProfileFile target{dir / "other.ini"};
    ASSERT_TRUE(exchange::importJson(exported, target));
    EXPECT_EQ(exchange::exportJson(target), exported);
}

TEST_F(ProfileJsonTest, aListedPageIsReplacedWholeAndOthersStayAsTheyWere)
{
    writeBytes(path, "[Window]\r\nPage=3\r\n[Title]\r\n1=Old\r\n2=Kept\r\n"
                     "[Path]\r\n10=/bin/old\r\n11=/bin/gone\r\n20=/bin/kept\r\n");
    ProfileFile file{path};
    ASSERT_TRUE(exchange::importJson(
        R"({"pages": [{"page": 1, "buttons": [{"slot": 0, "path": "/bin/new", "icon": 2}]}]})",
        file));
    EXPECT_EQ(file.read("Path", "10"), "/bin/new");
    EXPECT_EQ(file.read("Icon", "10"), "2");
    EXPECT_EQ(file.read("Path", "11"), "") << "a slot the page leaves out becomes free";
    EXPECT_EQ(file.read("Title", "1"), "");
    EXPECT_EQ(file.read("Path", "20"), "/bin/kept");
    EXPECT_EQ(file.read("Title", "2"), "Kept");
    EXPECT_EQ(file.read("Window", "Page"), "3") << "no highestPage: the pages stay";
    EXPECT_EQ(profile::listBackups(path).size(), 1u);
    // Free slots that held nothing are not added to the file.
    EXPECT_EQ(readBytes(path).find("12="), std::string::npos) << readBytes(path);

    ASSERT_TRUE(exchange::importJson(R"({"pages": [{"page": 7}]})", file));
    EXPECT_EQ(file.read("Window", "Page"), "7") << "a page beyond the last one adds pages";
}

TEST_F(ProfileJsonTest, anyInvalidEntryRefusesTheWholeImportNamingEntryAndReason)
{
    struct Row
    {
        const char* name;
        std::string json;
        const char* entry;
    };
    std::string huge = R"({"pages": [{"page": 0, "title": ")";
    huge.append(100 * 1024 * 1024, 'x');
    huge += "\"}]}";
    std::string deep(64, '[');
    deep += std::string(64, ']');
    const Row rows[] = {
        {"page 1002", R"({"pages": [{"page": 0}, {"page": 1002}]})", "pages[1].page: "},
        {"negative page", R"({"pages": [{"page": -1}]})", "pages[0].page: "},
        {"fractional page", R"({"pages": [{"page": 1.5}]})", "pages[0].page: "},
        {"slot 10", R"({"pages": [{"page": 0, "buttons": [{"slot": 10}]}]})",
         "pages[0].buttons[0].slot: "},
        {"path with a newline",
         R"({"pages": [{"page": 0, "buttons": [{"slot": 1, "path": "/bin/a\nb"}]}]})",
         "pages[0].buttons[0].path: "},
        {"duplicate key", R"({"pages": [{"page": 0, "title": "a", "title": "b"}]})",
         "pages[0].title: "},
        {"duplicate key at the top", R"({"pages": [], "pages": []})", "pages: "},
        {"page listed twice", R"({"pages": [{"page": 4}, {"page": 4}]})", "pages[1].page: "},
        {"slot listed twice", R"({"pages": [{"page": 0, "buttons": [{"slot": 2}, {"slot": 2}]}]})",
         "pages[0].buttons[1].slot: "},
        {"unknown field", R"({"pages": [{"page": 0, "titel": "x"}]})", "pages[0].titel: "},
        {"page beyond highestPage", R"({"highestPage": 3, "pages": [{"page": 4}]})",
         "pages[0].page: "},
        {"icon that is no index",
         R"({"pages": [{"page": 0, "buttons": [{"slot": 0, "icon": "x"}]}]})",
         "pages[0].buttons[0].icon: "},
        {"value too long to read back",
         R"({"pages": [{"page": 0, "title": ")" + std::string(1024, 'a') + "\"}]}",
         "pages[0].title: "},
        {"no pages", R"({"version": 1})", "pages: "},
        {"other version", R"({"version": 2, "pages": []})", "version: "},
        {"not JSON", "{\"pages\": [", "(文書): "},
        {"invalid UTF-8", "{\"pages\": [{\"page\": 0, \"title\": \"\xff\"}]}", "(文書): "},
        {"nested too deeply", deep, ": "},
        {"100 MB of input", huge, "(文書): "},
    };
    const std::string before = "[Path]\r\n00=/bin/kept\r\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(path, before);
        ProfileFile file{path};
        const profile::WriteStatus status = exchange::importJson(row.json, file);
        EXPECT_FALSE(status);
        EXPECT_NE(status.message().find(row.entry), std::string::npos) << status.message();
        EXPECT_EQ(readBytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(dir / "backup"));
    }
}

} // namespace
} // namespace vnovla
