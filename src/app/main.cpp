// vnovla: the launcher window.

#include "pages/launcher_presenter.h"
#include "platform/linux/gio_shell.h"
#include "platform/linux/null_recent_documents.h"
#include "platform/linux/qt_dialogs.h"
#include "platform/linux/qt_screen_geometry.h"
#include "platform/linux/steady_clock.h"
#include "profile/profile_store.h"
#include "profile/program_folder.h"
#include "settings/options.h"
#include "ui/launcher_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLockFile>
#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

namespace fs = std::filesystem;
namespace linux_desktop = vnovla::platform::linux_desktop;

std::optional<fs::path> environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return fs::path(value);
}

// The launcher places its window at stored coordinates and keeps it on top, which Wayland
// does not allow a client to do; X11 (or XWayland) does.
void preferX11()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && environmentPath("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "xcb", 0);
}

fs::path programFolder()
{
    vnovla::profile::ProgramFolderInputs inputs;
    inputs.vnovlaHome = environmentPath("VNOVLA_HOME");
    inputs.executableFolder = QApplication::applicationDirPath().toStdString();
    inputs.xdgConfigHome = environmentPath("XDG_CONFIG_HOME");
    inputs.home = environmentPath("HOME");
    const fs::path folder = vnovla::profile::resolveProgramFolder(inputs);
    // A first start has no configuration folder yet; the profile files are made on save.
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

QString fromPath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

int main(int argc, char* argv[])
{
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veska-novla"));

    const fs::path folder = programFolder();
    // One copy at a time: a second start ends silently, touching no profile file.
    QLockFile lock(fromPath(folder / "vnovla.lock"));
    if (!lock.tryLock(0))
        return 0;

    QTranslator qtTranslations;
    if (qtTranslations.load(QStringLiteral("qtbase_ja"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    linux_desktop::GioShell shell;
    linux_desktop::QtDialogs dialogs;
    linux_desktop::SteadyClock clock;
    linux_desktop::QtScreenGeometry screens;
    linux_desktop::NullRecentDocuments recentDocuments;

    vnovla::profile::ProfileStore store(folder);
    vnovla::settings::Options options;
    const int highestPage = vnovla::settings::readWindowSettings(store).page;
    vnovla::settings::LoadSettings(store, options, {0, highestPage});

    vnovla::ui::LauncherWindow window(
        store, options,
        vnovla::pages::LauncherServices{shell, dialogs, clock, screens, recentDocuments});
    dialogs.setParent(&window);
    window.load();
    return QApplication::exec();
}
