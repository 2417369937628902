#include "platform/linux/gio_icons.h"

#include "pages/page_face.h"
#include "support/temp_dir.h"

#include "core/icons/icon_builders.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QStandardPaths>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace vnovla {
namespace {

namespace fs = std::filesystem;
using pages::IconRequest;
using pages::IconSource;
using platform::Picture;
using platform::linux_desktop::GioIcons;

constexpr int kSize = 32;

QString toQString(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

void writeImage(const fs::path& file, int size, QColor colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(toQString(file)));
}

QRgb centre(const Picture& picture)
{
    const auto index =
        static_cast<std::size_t>(picture.height / 2 * picture.width + picture.width / 2);
    return static_cast<QRgb>(picture.pixels.at(index));
}

// GIO reads the desktop's applications and default-application choices from the XDG folders
// once, on first use. Pointing them at a temporary folder before anything runs gives the
// tests a desktop of their own: one text editor, the default for text/plain, whose icon is a
// green image. Nothing of the user's or the machine's settings takes part.
class IsolatedDesktop
{
public:
    IsolatedDesktop()
    {
        fs::create_directories(dir_ / "data/applications");
        fs::create_directories(dir_ / "config");
        editorIcon_ = dir_ / "editor-icon.png";
        editorEntry_ = dir_ / "data/applications/vnovla-test-editor.desktop";
        test::writeBytes(editorEntry_, "[Desktop Entry]\nType=Application\nName=Test Editor\n"
                                       "Exec=true %f\nMimeType=text/plain;\nIcon=" +
                                           editorIcon_.string() + "\n");
        test::writeBytes(dir_ / "config/mimeapps.list",
                         "[Default Applications]\ntext/plain=vnovla-test-editor.desktop\n");
        setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    }
    const fs::path& editorIcon() const { return editorIcon_; }
    const fs::path& editorEntry() const { return editorEntry_; }

private:
    test::TempDir dir_;
    fs::path editorIcon_;
    fs::path editorEntry_;
};

IsolatedDesktop& desktop()
{
    static IsolatedDesktop instance;
    return instance;
}
// Before main(): no GIO call may come first.
[[maybe_unused]] const IsolatedDesktop& isolatedBeforeMain = desktop();

class GioIconsTest : public ::testing::Test
{
protected:
    void SetUp() override { writeImage(desktop().editorIcon(), 24, Qt::green); }

    test::TempDir dir_;
    GioIcons icons_;
};

TEST_F(GioIconsTest, documentShowsTheIconOfItsDefaultApplication)
{
    const fs::path document = dir_ / "notes.txt";
    test::writeBytes(document, "plain text\n");

    const std::string program = icons_.associatedProgram(document.string());
    if (program.empty())
        GTEST_SKIP() << "GIO found no default application for text/plain even in the test's "
                        "own XDG folders; is shared-mime-info installed?";
    EXPECT_EQ(program, desktop().editorEntry().string());

    const Picture picture =
        icons_.picture({IconSource::AssociatedProgram, document.string(), 0}, kSize);
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(picture.width, 24) << "an icon smaller than the button keeps its own size";
    EXPECT_EQ(centre(picture), QColor(Qt::green).rgba());
}

TEST_F(GioIconsTest, imageFileAsIconFileShowsItselfOnlyAsItsFirstIcon)
{
    const fs::path small = dir_ / "small.png";
    const fs::path large = dir_ / "large.png";
    writeImage(small, 16, Qt::red);
    writeImage(large, 64, Qt::blue);

    const Picture own = icons_.picture({IconSource::IconFile, small.string(), 0}, kSize);
    ASSERT_EQ(own.width, 16);
    ASSERT_EQ(own.height, 16);
    EXPECT_EQ(centre(own), QColor(Qt::red).rgba());

    const Picture shrunk = icons_.picture({IconSource::IconFile, large.string(), 0}, kSize);
    EXPECT_EQ(shrunk.width, kSize) << "a larger image is shrunk to the button's picture area";
    EXPECT_EQ(centre(shrunk), QColor(Qt::blue).rgba());

    EXPECT_TRUE(icons_.picture({IconSource::IconFile, small.string(), 1}, kSize).isEmpty())
        << "an image holds one picture: icon 1 does not exist";
}

TEST_F(GioIconsTest, missingFileHasNoPictureAndNoProgram)
{
    const std::string missing = (dir_ / "gone.txt").string();
    EXPECT_EQ(icons_.associatedProgram(missing), "");
    for (const IconSource source :
         {IconSource::IconFile, IconSource::RegisteredItem, IconSource::AssociatedProgram}) {
        EXPECT_TRUE(icons_.picture({source, missing, 0}, kSize).isEmpty())
            << "source " << static_cast<int>(source);
    }
    EXPECT_TRUE(icons_.picture({IconSource::AssociatedProgram, "", 0}, kSize).isEmpty());
}

TEST_F(GioIconsTest, desktopEntryIsItsOwnProgramAndShowsItsIcon)
{
    const fs::path entry = dir_ / "tool.desktop";
    test::writeBytes(entry, "[Desktop Entry]\nType=Application\nName=Tool\nExec=true\nIcon=" +
                                desktop().editorIcon().string() + "\n");
    // Desktop entries on the desktop folder carry the execute bit; they still are entries.
    fs::permissions(entry, fs::perms::owner_exec, fs::perm_options::add);

    EXPECT_EQ(icons_.associatedProgram(entry.string()), entry.string());
    const Picture picture =
        icons_.picture({IconSource::AssociatedProgram, entry.string(), 0}, kSize);
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(centre(picture), QColor(Qt::green).rgba());
}

TEST_F(GioIconsTest, desktopEntryWithThemeIconShowsTheThemesPicture)
{
    const QString name = QStringLiteral("folder");
    // Without a desktop session (offscreen, bare Xvfb) Qt picks no theme and, offscreen, not
    // even the system's icon folders; use the common theme from the usual places.
    if (!QIcon::hasThemeIcon(name)) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    if (!QIcon::hasThemeIcon(name))
        GTEST_SKIP() << "the icon theme '" << QIcon::themeName().toStdString()
                     << "' has no icon named folder";
    const fs::path entry = dir_ / "files.desktop";
    test::writeBytes(entry, "[Desktop Entry]\nType=Application\nName=Files\nExec=true\n"
                            "Icon=folder\n");

    const Picture picture = icons_.picture({IconSource::RegisteredItem, entry.string(), 0}, kSize);
    const QImage expected = QIcon::fromTheme(name)
                                .pixmap(QSize(kSize, kSize), 1.0)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(picture.width, expected.width());
    ASSERT_EQ(picture.height, expected.height());
    EXPECT_EQ(centre(picture), expected.pixel(expected.width() / 2, expected.height() / 2));
}

TEST_F(GioIconsTest, programsAndFoldersShowAPictureOfTheirOwn)
{
    const fs::path program = dir_ / "my-tool";
    test::writeBytes(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);

    for (const fs::path& item : {program, dir_.path()}) {
        EXPECT_EQ(icons_.associatedProgram(item.string()), item.string()) << item;
        EXPECT_FALSE(
            icons_.picture({IconSource::AssociatedProgram, item.string(), 0}, kSize).isEmpty())
            << item;
        EXPECT_TRUE(icons_.picture({IconSource::RegisteredItem, item.string(), 2}, kSize).isEmpty())
            << item << ": a Linux program or folder has no icon 2";
    }
}

TEST_F(GioIconsTest, windowsIconFilesAndProgramsShowTheirNumberedIcons)
{
    using test::dib32;
    using test::icoFile;
    using test::iconGroup;
    using test::kRtGroupIcon;
    using test::kRtIcon;
    const auto save = [this](const char* name, const test::Bytes& bytes) {
        const fs::path path = dir_ / name;
        test::writeBytes(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        return path.string();
    };
    const std::string ico = save("three.ico", icoFile({{16, 32, dib32(16, 0xFFFF0000)},
                                                       {16, 32, dib32(16, 0xFF00FF00)},
                                                       {16, 32, dib32(16, 0xFF0000FF)}}));
    EXPECT_EQ(centre(icons_.picture({IconSource::IconFile, ico, 1}, kSize)),
              QColor(Qt::green).rgba());
    EXPECT_EQ(centre(icons_.picture({IconSource::IconFile, ico, 2}, kSize)),
              QColor(Qt::blue).rgba());
    EXPECT_TRUE(icons_.picture({IconSource::IconFile, ico, 3}, kSize).isEmpty());

    // A registered Windows program with "Icon" = 1 shows its second icon group.
    const std::string exe =
        save("tool.EXE", test::peFile({{kRtIcon, {}, 1, dib32(16, 0xFFFF0000)},
                                       {kRtIcon, {}, 2, dib32(16, 0xFF0000FF)},
                                       {kRtGroupIcon, {}, 1, iconGroup({{16, 32, {}}}, {1})},
                                       {kRtGroupIcon, {}, 2, iconGroup({{16, 32, {}}}, {2})}})
                             .bytes);
    EXPECT_EQ(centre(icons_.picture({IconSource::RegisteredItem, exe, 1}, kSize)),
              QColor(Qt::blue).rgba());
    EXPECT_TRUE(icons_.picture({IconSource::RegisteredItem, exe, 2}, kSize).isEmpty());

    // Not an icon file at all: no picture, and no hang on a folder named like one.
    EXPECT_TRUE(
        icons_.picture({IconSource::IconFile, save("text.ico", {'h', 'i'}), 0}, kSize).isEmpty());
    fs::create_directory(dir_ / "folder.exe");
    EXPECT_TRUE(
        icons_.picture({IconSource::RegisteredItem, (dir_ / "folder.exe").string(), 1}, kSize)
            .isEmpty());
}

} // namespace
} // namespace vnovla
