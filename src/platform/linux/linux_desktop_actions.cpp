#include "platform/linux/linux_desktop_actions.h"

#include "platform/linux/freedesktop_trash.h"

#include <QApplication>
#include <QProcess>
#include <QProgressDialog>
#include <QString>
#include <QStringList>

#include <gio/gio.h>
#include <glib/gstdio.h>

#include <memory>
#include <string>

namespace vnovla::platform::linux_desktop {

namespace {

// logind answers at once or not at all; the launcher must not hang on a missing service.
constexpr int kBusTimeoutMs = 2000;
// Emptying that takes longer than this shows its progress.
constexpr int kProgressAfterMs = 500;
constexpr std::size_t kFailuresShown = 5;

struct ErrorFree
{
    void operator()(GError* error) const { g_error_free(error); }
};
using ErrorPtr = std::unique_ptr<GError, ErrorFree>;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string homeTrash()
{
    return std::string(g_get_user_data_dir()) + "/Trash";
}

const char* specialDirectory(SpecialFolder folder)
{
    switch (folder) {
    case SpecialFolder::Documents:
        return g_get_user_special_dir(G_USER_DIRECTORY_DOCUMENTS);
    case SpecialFolder::Desktop:
        return g_get_user_special_dir(G_USER_DIRECTORY_DESKTOP);
    case SpecialFolder::Trash:
        break;
    }
    return nullptr;
}

bool trashSchemeSupported()
{
    const gchar* const* schemes = g_vfs_get_supported_uri_schemes(g_vfs_get_default());
    for (; schemes && *schemes; ++schemes) {
        if (std::string(*schemes) == "trash")
            return true;
    }
    return false;
}

ActionResult openUri(const std::string& uri)
{
    GError* raw = nullptr;
    if (g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &raw))
        return {};
    ErrorPtr error(raw);
    return {false, "フォルダを開けませんでした。\n" + uri + ": " + (error ? error->message : "")};
}

ActionResult openPath(const std::string& path)
{
    char* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    if (!uri)
        return {false, "フォルダを開けませんでした。\n" + path};
    const std::string text = uri;
    g_free(uri);
    return openUri(text);
}

GDBusConnection* systemBus()
{
    return g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr);
}

} // namespace

bool LinuxDesktopActions::canRun(const std::string& program) const
{
    gchar* found = g_find_program_in_path(program.c_str());
    g_free(found);
    return found != nullptr;
}

ActionResult LinuxDesktopActions::run(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return {false, "起動するプログラムがありません。"};
    QStringList arguments;
    for (std::size_t index = 1; index < argv.size(); ++index)
        arguments.append(fromUtf8(argv[index]));
    if (QProcess::startDetached(fromUtf8(argv.front()), arguments))
        return {};
    return {false, argv.front() + " を起動できませんでした。"};
}

bool LinuxDesktopActions::hasFolder(SpecialFolder folder) const
{
    if (folder == SpecialFolder::Trash)
        return true;
    const char* path = specialDirectory(folder);
    return path && g_file_test(path, G_FILE_TEST_IS_DIR);
}

ActionResult LinuxDesktopActions::openFolder(SpecialFolder folder)
{
    if (folder != SpecialFolder::Trash) {
        const char* path = specialDirectory(folder);
        if (!path)
            return {false, "フォルダが見つかりません。"};
        return openPath(path);
    }
    // The file manager shows every trash at once where the desktop offers trash:///.
    if (trashSchemeSupported())
        return openUri("trash:///");
    const std::string files = homeTrash() + "/files";
    g_mkdir_with_parents(files.c_str(), 0700);
    return openPath(files);
}

ActionResult LinuxDesktopActions::emptyTrash()
{
    QProgressDialog progress(QStringLiteral("ごみ箱を空にしています..."), QString(), 0, 0, parent_);
    progress.setWindowTitle(QStringLiteral("VESKA NOVLA"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setObjectName(QStringLiteral("TrashProgress"));
    const TrashReport report = emptyTrashFolders(userTrashFolders(), [&progress](int deleted) {
        progress.setLabelText(QStringLiteral("ごみ箱を空にしています... %1").arg(deleted));
        progress.setValue(0);
        QApplication::processEvents();
    });
    progress.reset();
    if (report.failures.empty())
        return {};
    std::string message =
        "ごみ箱の " + std::to_string(report.failures.size()) + " 個の項目を削除できませんでした。";
    for (std::size_t index = 0; index < report.failures.size() && index < kFailuresShown; ++index)
        message += "\n" + report.failures[index];
    return {false, message};
}

bool LinuxDesktopActions::canPowerOff() const
{
    GDBusConnection* bus = systemBus();
    if (!bus)
        return false;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
        "CanPowerOff", nullptr, G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE, kBusTimeoutMs,
        nullptr, nullptr);
    g_object_unref(bus);
    if (!reply)
        return false;
    const gchar* answer = nullptr;
    g_variant_get(reply, "(&s)", &answer);
    const bool can = answer && (std::string(answer) == "yes" || std::string(answer) == "challenge");
    g_variant_unref(reply);
    return can;
}

ActionResult LinuxDesktopActions::powerOff()
{
    GDBusConnection* bus = systemBus();
    if (!bus)
        return {false, "システムのバスに接続できないため、電源を切れませんでした。"};
    GError* raw = nullptr;
    // Interactive: the system may ask for the user's password before it agrees.
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
        "PowerOff", g_variant_new("(b)", TRUE), nullptr,
        G_DBUS_CALL_FLAGS_ALLOW_INTERACTIVE_AUTHORIZATION, -1, nullptr, &raw);
    g_object_unref(bus);
    if (reply) {
        g_variant_unref(reply);
        return {};
    }
    ErrorPtr error(raw);
    return {false, std::string("電源を切れませんでした。\n") + (error ? error->message : "")};
}

} // namespace vnovla::platform::linux_desktop
