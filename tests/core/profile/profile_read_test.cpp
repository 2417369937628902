// Reading follows the Windows profile functions byte for byte, so that a file written on
// Windows reads back unchanged here.

#include "profile/profile_file.h"
#include "support/bytes.h"
#include "support/param_name.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vnovla::profile {
namespace {

using test::TempDir;
using test::writeBytes;

class ProfileRead : public ::testing::Test
{
protected:
    std::string readFrom(std::string_view bytes, std::string_view section, std::string_view key)
    {
        writeBytes(file_, bytes);
        ProfileFile profile(file_);
        return profile.read(section, key);
    }

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "Vnovla.ini";
};

struct ReadCase
{
    const char* name;
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::string_view expected;
};

// Each case is a file, a question and the answer Windows gives.
// A failing case is named by its sentence, not dumped as raw bytes.
void PrintTo(const ReadCase& value, std::ostream* out)
{
    *out << value.name;
}

const ReadCase kReadCases[] = {
    {"section and key ignore ASCII case", "[All]\r\nWait=5\r\n", "ALL", "wAIT", "5"},
    {"names asked for are trimmed", "[All]\r\nWait=5\r\n", " \tAll\x1A ", "\vWait\f", "5"},
    {"full-width letters keep their case", "[\x82\x60]\r\nk=1\r\n", "\xef\xbd\x81", "k", ""},
    {"ideographic space is not a blank", "[S]\r\nk=1\r\n", "\xe3\x80\x80S", "k", ""},
    {"value and name are trimmed", "[S]\r\n  key \t=  v a l  \r\n", "S", "key", "v a l"},
    {"LF ends lines", "[S]\nk=1\nj=2\n", "S", "j", "2"},
    {"lone CR ends lines", "[S]\rk=1\rj=2", "S", "j", "2"},
    {"mixed endings and no final newline", "[S]\r\n\n\rk=1\n\r\nj=2", "S", "j", "2"},
    {"line splits at the first equals sign", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
    {"a line without equals is not a key", "[S]\r\nk\r\nk=2\r\n", "S", "k", "2"},
    {"semicolon starts no comment", "[S]\r\n;x=1\r\n", "S", ";x", "1"},
    {"commented key is not the plain key", "[S]\r\n;x=1\r\n", "S", "x", ""},
    {"header ends at the last bracket", "[a]b]\r\nk=1\r\n", "a]b", "k", "1"},
    {"text after the header is ignored", "[ S ] trailing\r\nk=1\r\n", "S", "k", "1"},
    {"bracket without closing is a key line", "[S]\r\n[x=1\r\n", "S", "[x", "1"},
    {"lines before the first header are no section", "k=0\r\n[S]\r\nk=1\r\n", "S", "k", "1"},
    {"first of duplicate sections is searched", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", ""},
    {"first of duplicate keys wins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
    {"double quotes are removed", "[S]\r\nk=\" x \"\r\n", "S", "k", " x "},
    {"single quotes are removed", "[S]\r\nk='x'\r\n", "S", "k", "x"},
    {"mismatched quotes stay", "[S]\r\nk=\"x'\r\n", "S", "k", "\"x'"},
    {"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "\""},
    {"two quotes give empty", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
    {"only one pair is removed", "[S]\r\nk=\"\"x\"\"\r\n", "S", "k", "\"x\""},
    {"a cleared value reads empty", "[S]\r\nk= \r\n", "S", "k", ""},
    {"read stops at NUL", std::string_view("[S]\r\nk=ab\0cd\r\n", 14), "S", "k", "ab"},
    {"missing section", "[S]\r\nk=1\r\n", "T", "k", ""},
    {"missing key", "[S]\r\nk=1\r\n", "S", "j", ""},
    {"empty section name never matches", "[]\r\nk=1\r\n", " ", "k", ""},
    // CP932 characters whose second byte is '\\', ']' or 'A': 表 = 95 5C, ソ = 83 5C,
    // 能 = 94 5C, ア = 83 41 (not to be folded to 83 61 = ヂ).
    {"trail byte 5C at the end of a value", "[S]\r\nk=\x95\x5c\r\n", "S", "k", "表"},
    {"trail byte 5D closes no header", "[S]\r\n[\x83\x5d=1\r\n", "S", "[ゾ", "1"},
    {"trail byte is not folded", "[S]\r\n\x83\x61=1\r\n\x83\x41=2\r\n", "S", "ア", "2"},
    {"Japanese names and values", "[タイトル]\r\n表=ソ能\r\n", "タイトル", "表", "ソ能"},
};

class ProfileReadCases : public ProfileRead, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(ProfileReadCases, answersAsWindowsDoes)
{
    const ReadCase& c = GetParam();
    // Japanese text in the cases is written in UTF-8 for readability; the file is CP932.
    std::string file(c.file);
    if (const auto cp932 = utf8ToCp932(file))
        file = *cp932;
    EXPECT_EQ(readFrom(file, c.section, c.key), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileReadCases, ::testing::ValuesIn(kReadCases),
                         test::NameFromSentence());

TEST_F(ProfileRead, longValuesAreCutAt1023BytesOnACharacterBoundary)
{
    const std::string ascii(1500, 'a');
    EXPECT_EQ(readFrom("[S]\r\nk=" + ascii + "\r\n", "S", "k"), std::string(1023, 'a'));

    // "a" followed by double-byte characters: byte 1023 would split one, so 1022 come back.
    std::string mixed = "a";
    for (int i = 0; i < 600; ++i)
        mixed += "\x95\x5c";
    writeBytes(file_, "[S]\r\nk=" + mixed + "\r\n");
    ProfileFile profile(file_);
    const std::string raw = profile.readRaw("S", "k");
    EXPECT_EQ(raw.size(), 1023u);
    EXPECT_EQ(raw, mixed.substr(0, 1023));

    std::string even;
    for (int i = 0; i < 600; ++i)
        even += "\x95\x5c";
    writeBytes(file_, "[S]\r\nk=" + even + "\r\n");
    EXPECT_EQ(profile.readRaw("S", "k").size(), 1022u);
}

TEST_F(ProfileRead, utf8FilesCountTheLimitInUtf8Bytes)
{
    std::string value;
    for (int i = 0; i < 400; ++i)
        value += "表"; // three bytes each
    writeBytes(file_, "\xEF\xBB\xBF[S]\r\nk=" + value + "\r\n");
    ProfileFile profile(file_);
    EXPECT_EQ(profile.read("S", "k").size(), 1023u);
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf8Bom);
}

TEST_F(ProfileRead, encodingsAreDetected)
{
    ProfileFile profile(file_);
    writeBytes(file_, "[S]\r\nk=\x95\x5c\r\n");
    EXPECT_EQ(profile.read("S", "k"), "表");
    EXPECT_EQ(profile.encoding(), TextEncoding::Cp932);

    writeBytes(file_, "[S]\nk=表示\n");
    EXPECT_EQ(profile.read("S", "k"), "表示");
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf8);

    writeBytes(file_, "\xEF\xBB\xBF[S]\nk=v\n");
    EXPECT_EQ(profile.read("S", "k"), "v");

    writeBytes(file_, test::utf16File(u"[S]\r\nk=表\r\n"));
    EXPECT_EQ(profile.read("S", "k"), "表");
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf16Le);

    writeBytes(file_, test::utf16File(u"[S]\nk=表", test::Endian::Big));
    EXPECT_EQ(profile.read("s", "K"), "表");
    EXPECT_EQ(profile.encoding(), TextEncoding::Utf16Be);
}

TEST_F(ProfileRead, bytesThatDoNotDecodeShowAsReplacementCharacters)
{
    EXPECT_EQ(readFrom("[S]\r\nk=a\x80z\r\n", "S", "k"), "a\xEF\xBF\xBDz");
}

TEST_F(ProfileRead, missingOrUnreadableFilesReadEmptyAndAreNeverCreated)
{
    ProfileFile missing(dir_ / "none.ini");
    EXPECT_EQ(missing.read("Window", "Page"), "");
    EXPECT_TRUE(missing.sectionNames().empty());
    EXPECT_FALSE(std::filesystem::exists(dir_ / "none.ini"));

    std::filesystem::create_directory(dir_ / "folder.ini");
    ProfileFile folder(dir_ / "folder.ini");
    EXPECT_EQ(folder.read("Window", "Page"), "");

    ProfileFile inMissingFolder(dir_ / "no" / "where.ini");
    EXPECT_EQ(inMissingFolder.read("Window", "Page"), "");
}

TEST_F(ProfileRead, handEditsShowAtTheNextRead)
{
    ProfileFile profile(file_);
    writeBytes(file_, "[S]\r\nk=1\r\n");
    EXPECT_EQ(profile.read("S", "k"), "1");
    // Same size, and possibly the same modification second: the identity still differs by
    // inode or nanoseconds, so the new text must show.
    writeBytes(file_, "[S]\r\nk=2\r\n");
    EXPECT_EQ(profile.read("S", "k"), "2");
    std::filesystem::remove(file_);
    EXPECT_EQ(profile.read("S", "k"), "");
    writeBytes(file_, "[S]\r\nk=3\r\n");
    EXPECT_EQ(profile.read("S", "k"), "3");
}

TEST_F(ProfileRead, listsNamesAsSpelledFirstOccurrenceOnly)
{
    writeBytes(file_,
               "x=0\r\n[Window]\r\nTop=1\r\nleft=2\r\nTOP=3\r\nno key\r\n[window]\r\nPage=1\r\n"
               "[Title]\r\n0=\x83\x81\x83\x43\x83\x93\r\n");
    ProfileFile profile(file_);
    EXPECT_EQ(profile.sectionNames(), (std::vector<std::string>{"Window", "Title"}));
    EXPECT_EQ(profile.keyNames("WINDOW"), (std::vector<std::string>{"Top", "left"}));
    EXPECT_EQ(profile.read("Title", "0"), "メイン");
}

TEST(ProfileFixtures, aProfileBroughtFromWindowsReadsAsItWasWritten)
{
    const std::filesystem::path folder = VNOVLA_TEST_DATA_DIR "/profiles/windows";
    ProfileFile settings(folder / "Vnovla.ini");
    ProfileFile icons(folder / "icon.ini");
    EXPECT_EQ(settings.read("Path", "01"), "C:\\My Documents\\予定表.txt");
    EXPECT_EQ(settings.read("Path", "10"), "D:\\ソース\\表示.exe");
    EXPECT_EQ(settings.read("Alarm", "Path"), "C:\\WINDOWS\\Media\\表示音.wav");
    EXPECT_EQ(settings.read("ALL", "Wait"), "1000");
    EXPECT_EQ(settings.read("Col", "5"), "-2147483643");
    EXPECT_EQ(settings.read("Title", "5"), "");
    EXPECT_EQ(settings.read("PopUp", "29"), "");
    EXPECT_EQ(settings.read("Icon", "23"), "");
    EXPECT_EQ(icons.read("IconPath", "29"), "C:\\icons\\ソフト.ico");
    // Entry keys and page keys share their text across sections without interfering.
    EXPECT_EQ(settings.read("Title", "1"), "ソフト開発");
    EXPECT_EQ(settings.read("PopUp", "10"), "表示");
}

} // namespace
} // namespace vnovla::profile
