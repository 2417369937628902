// vnovla: the launcher window.

#include "pages/icon_cache.h"
#include "pages/launcher_presenter.h"
#include "platform/linux/bookmark_recent_documents.h"
#include "platform/linux/gio_icons.h"
#include "platform/linux/gio_shell.h"
#include "platform/linux/linux_desktop_actions.h"
#include "platform/linux/qt_dialogs.h"
#include "platform/linux/qt_screen_geometry.h"
#include "platform/linux/steady_clock.h"
#include "platform/linux/unix_signals.h"
#include "profile/profile_store.h"
#include "profile/program_folder.h"
#include "settings/options.h"
#include "ui/dialog_windows.h"
#include "ui/first_paint_exit.h"
#include "ui/launcher_window.h"
#include "utilities/system_commands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLibraryInfo>
#include <QLockFile>
#include <QSessionManager>
#include <QString>
#include <QTranslator>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
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

// VNOVLA_EXIT_AFTER_FIRST_FRAME=1 is for start-up benchmarks (bench/startup.sh): the program
// ends as soon as the window has painted for the first time, saves nothing and prints the
// milliseconds since main() began on standard error. Repeated runs leave the profile as it was.
bool exitAfterFirstFrame()
{
    const char* value = std::getenv("VNOVLA_EXIT_AFTER_FIRST_FRAME");
    return value != nullptr && std::string_view(value) == "1";
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veska-novla"));
    // Bare window managers (openbox) name no icon theme, which leaves hicolor with hardly a
    // folder or program icon; Adwaita is the theme GTK itself falls back to.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    // kill, Ctrl+C in a terminal, a closed terminal. Caught from here on, before the lock file
    // appears: a signal that arrives while the window is still being built waits in the pipe
    // and ends the program through the window's unload once the event loop runs.
    linux_desktop::UnixSignals terminationSignals({SIGTERM, SIGINT, SIGHUP});

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
    linux_desktop::BookmarkRecentDocuments recentDocuments;
    linux_desktop::LinuxDesktopActions desktopActions;
    linux_desktop::GioIcons desktopIcons;
    vnovla::pages::IconCache icons(desktopIcons);

    vnovla::profile::ProfileStore store(folder);
    store.removeStaleTemporaryFiles();
    vnovla::settings::Options options;
    const int highestPage = vnovla::settings::readWindowSettings(store).page;
    vnovla::settings::LoadSettings(store, options, {0, highestPage});

    vnovla::ui::DialogWindows dialogWindows({store, options, dialogs, &icons});
    const char* sessions = std::getenv("XDG_CURRENT_DESKTOP");
    vnovla::utilities::SystemCommands systemCommands(
        vnovla::utilities::currentDesktops(sessions ? sessions : ""),
        {dialogs, desktopActions, recentDocuments});
    vnovla::ui::LauncherWindow window(
        store, options,
        vnovla::pages::LauncherServices{shell, dialogs, clock, screens, recentDocuments,
                                        &dialogWindows, &systemCommands});
    dialogs.setParent(&window);
    desktopActions.setParent(&window);
    dialogWindows.setParent(&window);
    window.setIcons(&icons);

    const bool benchmarkRun = exitAfterFirstFrame();
    // Every way the program ends unloads the window, which saves the window state; the
    // window's own guard makes that happen once however many of these arrive.
    const auto unload = [&window, benchmarkRun] {
        if (!benchmarkRun)
            window.close();
    };
    QObject::connect(&terminationSignals, &linux_desktop::UnixSignals::received, &app, [&unload] {
        unload();
        QApplication::quit();
    });
    // The desktop session ends (log out, shut down).
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&unload](QSessionManager&) { unload(); });
    // Anything else that ends the event loop.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, unload);

    vnovla::ui::FirstPaintExit firstFrameExit(sinceStart);
    if (benchmarkRun)
        window.installEventFilter(&firstFrameExit);

    window.load();
    return QApplication::exec();
}
