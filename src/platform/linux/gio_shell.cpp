#include "platform/linux/gio_shell.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtDebug>

#include <filesystem>
#include <utility>

namespace vnovla::platform::linux_desktop {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isUri(const std::string& path)
{
    // A scheme followed by "://" ("https://", "trash:///"); an ordinary path never has one.
    const auto colon = path.find("://");
    if (colon == std::string::npos || colon == 0)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char ch = path[i];
        const bool schemeChar = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                                (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.';
        if (!schemeChar)
            return false;
    }
    return true;
}

bool isDesktopEntry(const QFileInfo& info)
{
    return info.isFile() &&
           info.suffix().compare(QStringLiteral("desktop"), Qt::CaseInsensitive) == 0;
}

bool isProgram(const QFileInfo& info)
{
    return info.isFile() && info.isExecutable();
}

// The desktop reports its own failures (a missing file, no application for the type); the
// launcher adds no message of its own, but a log line helps whoever debugs the setup.
void logFailure(const char* what, const std::string& item, GError* error)
{
    qWarning("%s %s: %s", what, item.c_str(), error ? error->message : "unknown error");
    if (error)
        g_error_free(error);
}

void openUriInDefaultApplication(const std::string& uri)
{
    GError* error = nullptr;
    if (!g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error))
        logFailure("cannot open", uri, error);
}

void openFileInDefaultApplication(const std::string& path)
{
    GFile* file = g_file_new_for_path(path.c_str());
    char* uri = g_file_get_uri(file);
    openUriInDefaultApplication(uri);
    g_free(uri);
    g_object_unref(file);
}

// Launches a desktop entry, handing it files (none, or one dropped file).
void launchDesktopEntry(const std::string& entryPath, GList* files)
{
    GDesktopAppInfo* entry = g_desktop_app_info_new_from_filename(entryPath.c_str());
    if (!entry) {
        logFailure("not a usable desktop entry", entryPath, nullptr);
        return;
    }
    GError* error = nullptr;
    // GDesktopAppInfo is a GAppInfo; this is the upcast GLib's own G_APP_INFO macro makes.
    if (!g_app_info_launch(reinterpret_cast<GAppInfo*>(entry), files, nullptr, &error))
        logFailure("cannot launch", entryPath, error);
    g_object_unref(entry);
}

bool startProgram(const std::string& program, const QStringList& arguments,
                  const std::string& workingFolder)
{
    if (QProcess::startDetached(fromUtf8(program), arguments, fromUtf8(workingFolder)))
        return true;
    logFailure("cannot start", program, nullptr);
    return false;
}

// The program a bare name (no separator: "firefox") stands for, looked up on PATH as execvp
// would, without a shell; empty for a path with a separator and for a name PATH does not have.
std::string programOnPath(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return {};
    char* found = g_find_program_in_path(name.c_str());
    if (!found)
        return {};
    std::string program(found);
    g_free(found);
    return program;
}

} // namespace

GioShell::GioShell(std::string programFolder) : programFolder_(std::move(programFolder)) {}

std::string GioShell::fromProgramFolder(const std::string& relative) const
{
    if (relative.empty() || relative.front() == '/' || programFolder_.empty())
        return relative;
    return (std::filesystem::path(programFolder_) / relative).string();
}

void GioShell::open(const std::string& registered, const std::string& registeredFolder)
{
    if (registered.empty())
        return;
    if (isUri(registered)) {
        openUriInDefaultApplication(registered);
        return;
    }
    const std::string workingFolder = fromProgramFolder(registeredFolder);
    // What a bare name finds on PATH is a program: it is started and never opened as a
    // document, even when it is a script.
    if (const std::string program = programOnPath(registered); !program.empty()) {
        startProgram(program, {}, workingFolder);
        return;
    }
    const std::string path = fromProgramFolder(registered);
    const QFileInfo info(fromUtf8(path));
    // Before the executable test: desktop entries in ~/Desktop often carry the execute bit.
    if (isDesktopEntry(info)) {
        launchDesktopEntry(path, nullptr);
        return;
    }
    // Files on FAT or NTFS drives all carry the execute bit, and a script may lack its "#!"
    // line: what cannot be started as a program opens as a document, as a file manager does.
    if (isProgram(info) && startProgram(path, {}, workingFolder))
        return;
    // Folders, documents, and missing paths alike: GIO picks the file manager or the default
    // application, and a missing path fails there with a logged error instead of a crash.
    // The working folder cannot be handed to an application GIO starts; documents open with
    // their full path, so nothing depends on it.
    openFileInDefaultApplication(path);
}

std::string GioShell::resolve(const std::string& registered) const
{
    std::string program = programOnPath(registered);
    return program.empty() ? fromProgramFolder(registered) : program;
}

void GioShell::startWithArgument(const std::string& registered, const std::string& argument)
{
    const std::string program = resolve(registered);
    const QFileInfo info(fromUtf8(program));
    if (isDesktopEntry(info)) {
        GFile* file = g_file_new_for_commandline_arg(argument.c_str());
        GList* files = g_list_append(nullptr, file);
        launchDesktopEntry(program, files);
        g_list_free(files);
        g_object_unref(file);
        return;
    }
    startProgram(program, {fromUtf8(argument)}, info.absolutePath().toStdString());
}

} // namespace vnovla::platform::linux_desktop
