// vnovla: the launcher window.

#include "pages/icon_cache.h"
#include "pages/launcher_presenter.h"
#include "platform/linux/bookmark_recent_documents.h"
#include "platform/linux/canberra_sound.h"
#include "platform/linux/gio_icons.h"
#include "platform/linux/gio_shell.h"
#include "platform/linux/linux_desktop_actions.h"
#include "platform/linux/linux_readings.h"
#include "platform/linux/local_wall_clock.h"
#include "platform/linux/qt_dialogs.h"
#include "platform/linux/qt_screen_geometry.h"
#include "platform/linux/remote_socket.h"
#include "platform/linux/steady_clock.h"
#include "platform/linux/unix_signals.h"
#include "platform/linux/x11_hot_key.h"
#include "profile/profile_store.h"
#include "profile/program_folder.h"
#include "remote/display_platform.h"
#include "remote/hot_key.h"
#include "remote/remote_request.h"
#include "settings/interface_language.h"
#include "settings/options.h"
#include "ui/dialog_windows.h"
#include "ui/first_paint_exit.h"
#include "ui/icon_theme_watch.h"
#include "ui/launcher_window.h"
#include "ui/translation.h"
#include "utilities/help.h"
#include "utilities/system_commands.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLockFile>
#include <QSessionManager>
#include <QStandardPaths>
#include <QString>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

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

vnovla::remote::DisplayChoice chooseDisplay()
{
    const auto text = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    };
    return vnovla::remote::chooseDisplay({text("QT_QPA_PLATFORM"), text("VNOVLA_PLATFORM"),
                                          text("DISPLAY"), text("WAYLAND_DISPLAY")});
}

// The program's folder without a QCoreApplication, which a request to a running copy does
// not wait to build; the same path QCoreApplication::applicationDirPath() gives.
fs::path executableFolder()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path programFolder()
{
    vnovla::profile::ProgramFolderInputs inputs;
    inputs.vnovlaHome = environmentPath("VNOVLA_HOME");
    inputs.executableFolder = executableFolder();
    inputs.xdgConfigHome = environmentPath("XDG_CONFIG_HOME");
    inputs.home = environmentPath("HOME");
    const fs::path folder = vnovla::profile::resolveProgramFolder(inputs);
    // A first start has no configuration folder yet; the profile files are made on save.
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

// The single-copy lock of a profile folder, and the socket the running copy takes requests
// on: in the user's runtime folder, which can always be written, named after the folder itself
// (a hash of its canonical path), so that a read-only profile folder still starts and two
// profile folders run a copy each. Empty without a runtime folder.
QString runtimeFilePath(const fs::path& folder, const char* extension)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(folder, error);
    if (error)
        canonical = folder;
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(canonical.string()),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return runtime + QStringLiteral("/vnovla-") + QString::fromLatin1(hash) +
           QLatin1String(extension);
}

// Hands a request to the copy running on the profile folder. True when that copy answered
// (the request is then done here, well or not); false when none listens.
bool handOver(const QString& socketPath, const vnovla::remote::Request& request, int& status)
{
    if (socketPath.isEmpty())
        return false;
    const auto reply = linux_desktop::sendRemoteRequest(socketPath, request, 2000);
    if (!reply)
        return false;
    status = 0;
    if (*reply == vnovla::remote::kReplyNoPage) {
        std::fprintf(stderr, "vnovla: ページ %d はありません。\n", request.page.value_or(0));
        status = 1;
    } else if (*reply == vnovla::remote::kReplyDialogOpen) {
        std::fprintf(stderr,
                     "vnovla: ダイアログが開いているため、ページは切り替えませんでした。\n");
        status = 1;
    } else if (*reply != vnovla::remote::kReplyDone) {
        std::fprintf(stderr, "vnovla: 起動中の vnovla が要求を受け付けませんでした。\n");
        status = 1;
    }
    return true;
}

// The button pictures of a profile folder between runs ($XDG_CACHE_HOME/veska-novla/), one file
// per profile folder so that two launchers never spoil each other's pictures.
fs::path iconCachePath(const fs::path& folder)
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return vnovla::pages::iconCacheFileFor(QFile::encodeName(cache).toStdString(), folder);
}

// What decides how a themed picture looks besides its file: the theme and its fallback.
std::string iconThemeName()
{
    return QString(QIcon::themeName() + QLatin1Char('|') + QIcon::fallbackThemeName())
        .toStdString();
}

enum class SingleCopy { Only, AnotherRuns, Unchecked };

SingleCopy lockSingleCopy(QLockFile& lock, const QString& path)
{
    if (!path.isEmpty() && lock.tryLock(0))
        return SingleCopy::Only;
    if (!path.isEmpty() && lock.error() == QLockFile::LockFailedError)
        return SingleCopy::AnotherRuns;
    // Failing to make the lock says nothing about another copy. Refusing to start would keep
    // the user from a launcher that can at least read its profile; the profile's own write
    // lock keeps two copies from losing each other's saves.
    const QByteArray shown =
        path.isEmpty() ? QByteArray("(実行時フォルダがありません)") : QFile::encodeName(path);
    std::fprintf(stderr,
                 "vnovla: 二重起動を防ぐロックファイル %s を作れないため、確認せずに起動します。\n",
                 shown.constData());
    return SingleCopy::Unchecked;
}

// VNOVLA_EXIT_AFTER_FIRST_FRAME=1 is for start-up benchmarks (bench/startup.sh): the program
// ends as soon as the window has painted for the first time, saves nothing and prints the
// milliseconds since main() began on standard error. Repeated runs leave the profile as it was.
bool exitAfterFirstFrame()
{
    const char* value = std::getenv("VNOVLA_EXIT_AFTER_FIRST_FRAME");
    return value != nullptr && std::string_view(value) == "1";
}

// The application icon at every size drawn for it, built into the program so that a portable
// copy has it too; dialogs without an icon of their own show it.
QIcon applicationIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"), QStringLiteral("veska-novla-*.png"));
    for (const QString& name : sizes.entryList())
        icon.addFile(sizes.filePath(name));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const vnovla::remote::CommandLine commandLine = vnovla::remote::parseCommandLine(args);
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "%s\n", commandLine.error.c_str());
        return 2;
    }
    const vnovla::remote::DisplayChoice display = chooseDisplay();
    for (const std::string_view arg : args)
        if (arg == "--version") {
            std::printf("vnovla %s\n表示: %s\n", VNOVLA_VERSION_TEXT, display.description.c_str());
            return 0;
        }
    if (display.qtPlatform)
        setenv("QT_QPA_PLATFORM", display.qtPlatform->c_str(), 1);

    const fs::path folder = programFolder();
    const QString socketPath = runtimeFilePath(folder, ".socket");
    // A request goes to the running copy before anything of a window is built, which keeps a
    // shortcut's answer quick.
    int handOverStatus = 0;
    if (commandLine.request && handOver(socketPath, *commandLine.request, handOverStatus))
        return handOverStatus;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veska-novla"));
    QApplication::setDesktopFileName(QStringLiteral("veska-novla"));
    QApplication::setWindowIcon(applicationIcon());
    // Bare window managers (openbox) name no icon theme, which leaves hicolor with hardly a
    // folder or program icon; Adwaita is the theme GTK itself falls back to.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    // kill, Ctrl+C in a terminal, a closed terminal. Caught from here on, before the lock file
    // appears: a signal that arrives while the window is still being built waits in the pipe
    // and ends the program through the window's unload once the event loop runs.
    linux_desktop::UnixSignals terminationSignals({SIGTERM, SIGINT, SIGHUP});

    // One copy per profile folder at a time: a second start ends silently, touching no file.
    const QString lockPath = runtimeFilePath(folder, ".lock");
    QLockFile lock(lockPath);
    const SingleCopy singleCopy = lockSingleCopy(lock, lockPath);
    if (singleCopy == SingleCopy::AnotherRuns) {
        // A copy that is still starting holds the lock before it listens.
        if (commandLine.request) {
            std::fprintf(stderr, "vnovla: 起動中の vnovla が応答しません。\n");
            return 1;
        }
        return 0;
    }

    linux_desktop::GioShell shell(folder.string());
    linux_desktop::QtDialogs dialogs;
    linux_desktop::SteadyClock clock;
    linux_desktop::QtScreenGeometry screens;
    linux_desktop::BookmarkRecentDocuments recentDocuments;
    linux_desktop::LinuxDesktopActions desktopActions;
    linux_desktop::GioIcons desktopIcons;
    vnovla::pages::IconCache icons(desktopIcons);
    linux_desktop::LinuxReadings readings;
    linux_desktop::CanberraSound sound;
    linux_desktop::LocalWallClock wallClock;
    icons.setTheme(iconThemeName());
    icons.useCacheFile(iconCachePath(folder));

    vnovla::profile::ProfileStore store(folder);
    store.removeStaleTemporaryFiles();

    // Japanese whatever the desktop's locale; English on request ("Lang" in "Window", --lang).
    const auto language = vnovla::settings::chooseInterfaceLanguage(
        std::vector<std::string>(argv, argv + argc), store);
    QTranslator qtTranslations;
    if (language == vnovla::settings::InterfaceLanguage::Japanese &&
        qtTranslations.load(QStringLiteral("qtbase_ja"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);
    if (!vnovla::ui::installInterfaceLanguage(language))
        std::fprintf(stderr, "vnovla: 英語の翻訳を読み込めないため、日本語で表示します。\n");

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
                                        &dialogWindows, &systemCommands, &readings, &sound,
                                        &wallClock});
    dialogs.setParent(&window);
    desktopActions.setParent(&window);
    dialogWindows.setParent(&window);
    window.setIcons(&icons);
    window.presenter().setHelpFolders({QApplication::applicationDirPath().toStdString(),
                                       vnovla::utilities::installedDocumentationFolder()});

    const bool benchmarkRun = exitAfterFirstFrame();
    // Every way the program ends unloads the window, which saves the window state; the
    // window's own guard makes that happen once however many of these arrive.
    const auto unload = [&window, benchmarkRun] {
        if (!benchmarkRun)
            window.close();
    };
    // An exit the user did not ask for in the window may have nobody to answer a message box
    // (a shutdown would wait for it): a failed save is reported on standard error instead.
    QObject::connect(&terminationSignals, &linux_desktop::UnixSignals::received, &app,
                     [&unload, &dialogs] {
                         dialogs.setUnattended();
                         unload();
                         QApplication::quit();
                     });
    // The desktop session ends (log out, shut down).
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&unload, &dialogs](QSessionManager&) {
                         dialogs.setUnattended();
                         unload();
                     });
    // Anything else that ends the event loop.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, unload);
    // The pictures made at this start serve the next one; kept soon in case this run is killed,
    // and again at the end for the pages shown meanwhile. A cache folder that cannot be written
    // only costs the next start its speed.
    const auto saveIcons = [&icons] { icons.save(); };
    QTimer::singleShot(3000, &app, saveIcons);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, saveIcons);

    vnovla::ui::IconThemeWatch iconThemeWatch(icons, iconThemeName);
    window.installEventFilter(&iconThemeWatch);

    vnovla::ui::FirstPaintExit firstFrameExit(sinceStart);
    if (benchmarkRun)
        window.installEventFilter(&firstFrameExit);

    // Requests from second starts, desktop shortcuts and scripts. The socket is only made
    // while this copy holds the lock: otherwise another copy may own it.
    linux_desktop::RemoteServer remoteServer(
        [&window](const vnovla::remote::Request& request) -> std::string_view {
            switch (window.presenter().Remote_Raise(request.page)) {
            case vnovla::pages::RaiseResult::NoSuchPage:
                return vnovla::remote::kReplyNoPage;
            case vnovla::pages::RaiseResult::DialogOpen:
                return vnovla::remote::kReplyDialogOpen;
            case vnovla::pages::RaiseResult::Done:
                break;
            }
            return vnovla::remote::kReplyDone;
        });
    if (singleCopy == SingleCopy::Only && !socketPath.isEmpty() && !remoteServer.listen(socketPath))
        std::fprintf(stderr, "vnovla: 要求を受け付けるソケット %s を作れません（%s）。\n",
                     QFile::encodeName(socketPath).constData(),
                     remoteServer.errorString().toLocal8Bit().constData());

    const std::unique_ptr<linux_desktop::X11HotKey> hotKey = linux_desktop::X11HotKey::create();
    if (hotKey) {
        const vnovla::remote::HotKey combination = vnovla::remote::readHotKey(store);
        QObject::connect(hotKey.get(), &linux_desktop::X11HotKey::pressed, &window,
                         [&window, &hotKey] {
                             if (window.presenter().HotKey_Press(window.isActiveWindow()) ==
                                 vnovla::pages::HotKeyAnswer::ReturnFocus)
                                 hotKey->returnFocus();
                         });
        if (!hotKey->grab(combination)) {
            // Said once, where the user looks: the launcher works on without it.
            const QString text =
                QStringLiteral("ホットキー %1 を登録できません（他のプログラムが使っているか、"
                               "このキーボードにないキーです）。")
                    .arg(QString::fromStdString(vnovla::remote::formatHotKey(combination)));
            window.setToolTip(text);
            std::fprintf(stderr, "vnovla: %s\n", text.toLocal8Bit().constData());
        }
    }

    window.load();
    if (commandLine.request && commandLine.request->page)
        window.presenter().Remote_Raise(commandLine.request->page);
    return QApplication::exec();
}
