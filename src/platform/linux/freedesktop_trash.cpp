#include "platform/linux/freedesktop_trash.h"

#include <gio/gio.h>
#include <gio/gunixmounts.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

namespace vnovla::platform::linux_desktop {

namespace {

template <typename T> struct GObjectDeleter
{
    void operator()(T* object) const
    {
        if (object)
            g_object_unref(object);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, GObjectDeleter<T>>;

struct ErrorDeleter
{
    void operator()(GError* error) const { g_error_free(error); }
};

constexpr auto kNoFollow = G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS;
constexpr int kProgressEvery = 64;

GPtr<GFile> fileAt(const std::string& path)
{
    return GPtr<GFile>(g_file_new_for_path(path.c_str()));
}

std::string pathOf(GFile* file)
{
    char* path = g_file_get_path(file);
    std::string result = path ? path : "";
    g_free(path);
    return result;
}

bool isRealDirectory(GFile* file)
{
    return g_file_query_file_type(file, kNoFollow, nullptr) == G_FILE_TYPE_DIRECTORY;
}

class Emptier
{
public:
    explicit Emptier(const std::function<void(int)>& progress) : progress_(progress) {}

    // Deletes the entries inside folder; the folder stays.
    void emptyFolder(GFile* folder)
    {
        forEachChild(folder, [this](GFile* child) { deleteTree(child); });
    }

    // Deletes files/<name> and then its info/<name>.trashinfo, so that an entry that cannot
    // be deleted keeps the record that lets the trash list and restore it.
    void emptyFilesWithInfo(GFile* files, GFile* info)
    {
        forEachChild(files, [&](GFile* child) {
            if (!deleteTree(child) || !info)
                return;
            char* name = g_file_get_basename(child);
            const std::string infoName = std::string(name) + ".trashinfo";
            g_free(name);
            GPtr<GFile> record(g_file_get_child(info, infoName.c_str()));
            g_file_delete(record.get(), nullptr, nullptr);
        });
        // Records whose file is gone already.
        if (info)
            emptyFolder(info);
    }

    TrashReport report;

private:
    template <typename Visit> void forEachChild(GFile* folder, Visit&& visit)
    {
        GError* raw = nullptr;
        GPtr<GFileEnumerator> entries(g_file_enumerate_children(
            folder, G_FILE_ATTRIBUTE_STANDARD_NAME, kNoFollow, nullptr, &raw));
        if (!entries) {
            fail(folder, raw);
            return;
        }
        for (;;) {
            GFileInfo* info = nullptr;
            GFile* child = nullptr;
            if (!g_file_enumerator_iterate(entries.get(), &info, &child, nullptr, &raw)) {
                fail(folder, raw);
                return;
            }
            if (!info)
                return;
            visit(child);
        }
    }

    // A folder without write or search permission for its owner keeps its entries: give
    // them back to the owner, who is the user emptying the trash.
    static void makeOwnerAccessible(GFile* folder)
    {
        GPtr<GFileInfo> info(
            g_file_query_info(folder, G_FILE_ATTRIBUTE_UNIX_MODE, kNoFollow, nullptr, nullptr));
        if (!info)
            return;
        const guint32 mode =
            g_file_info_get_attribute_uint32(info.get(), G_FILE_ATTRIBUTE_UNIX_MODE);
        if ((mode & S_IRWXU) == S_IRWXU)
            return;
        g_file_set_attribute_uint32(folder, G_FILE_ATTRIBUTE_UNIX_MODE, mode | S_IRWXU, kNoFollow,
                                    nullptr, nullptr);
    }

    bool deleteTree(GFile* file)
    {
        if (isRealDirectory(file)) {
            makeOwnerAccessible(file);
            forEachChild(file, [this](GFile* child) { deleteTree(child); });
        }
        GError* raw = nullptr;
        if (!g_file_delete(file, nullptr, &raw)) {
            fail(file, raw);
            return false;
        }
        if (++report.deleted % kProgressEvery == 0 && progress_)
            progress_(report.deleted);
        return true;
    }

    void fail(GFile* file, GError* raw)
    {
        std::unique_ptr<GError, ErrorDeleter> error(raw);
        report.failures.push_back(pathOf(file) + ": " + (error ? error->message : "?"));
    }

    const std::function<void(int)>& progress_;
};

bool ownedBy(GFile* file, unsigned uid)
{
    GPtr<GFileInfo> info(
        g_file_query_info(file, G_FILE_ATTRIBUTE_UNIX_UID, kNoFollow, nullptr, nullptr));
    return info && g_file_info_get_attribute_uint32(info.get(), G_FILE_ATTRIBUTE_UNIX_UID) == uid;
}

bool sticky(GFile* file)
{
    GPtr<GFileInfo> info(
        g_file_query_info(file, G_FILE_ATTRIBUTE_UNIX_MODE, kNoFollow, nullptr, nullptr));
    return info &&
           (g_file_info_get_attribute_uint32(info.get(), G_FILE_ATTRIBUTE_UNIX_MODE) & S_ISVTX);
}

} // namespace

std::vector<std::string> volumeTrashFolders(const std::vector<std::string>& mountPoints,
                                            unsigned uid)
{
    std::vector<std::string> folders;
    const std::string user = std::to_string(uid);
    for (const std::string& top : mountPoints) {
        GPtr<GFile> shared = fileAt(top + "/.Trash");
        if (isRealDirectory(shared.get()) && sticky(shared.get())) {
            GPtr<GFile> mine(g_file_get_child(shared.get(), user.c_str()));
            if (isRealDirectory(mine.get()) && ownedBy(mine.get(), uid))
                folders.push_back(pathOf(mine.get()));
        }
        GPtr<GFile> own = fileAt(top + "/.Trash-" + user);
        if (isRealDirectory(own.get()) && ownedBy(own.get(), uid))
            folders.push_back(pathOf(own.get()));
    }
    return folders;
}

std::vector<std::string> userTrashFolders()
{
    std::vector<std::string> folders{std::string(g_get_user_data_dir()) + "/Trash"};
    std::vector<std::string> mountPoints;
    GList* mounts = g_unix_mounts_get(nullptr);
    for (GList* entry = mounts; entry; entry = entry->next) {
        auto* mount = static_cast<GUnixMountEntry*>(entry->data);
        if (!g_unix_mount_is_system_internal(mount))
            mountPoints.emplace_back(g_unix_mount_get_mount_path(mount));
    }
    g_list_free_full(mounts, reinterpret_cast<GDestroyNotify>(g_unix_mount_free));
    for (std::string& folder : volumeTrashFolders(mountPoints, getuid())) {
        if (folder != folders.front())
            folders.push_back(std::move(folder));
    }
    return folders;
}

TrashReport emptyTrashFolders(const std::vector<std::string>& trashFolders,
                              const std::function<void(int)>& progress)
{
    Emptier emptier(progress);
    for (const std::string& path : trashFolders) {
        GPtr<GFile> trash = fileAt(path);
        if (!isRealDirectory(trash.get()))
            continue;
        GPtr<GFile> files(g_file_get_child(trash.get(), "files"));
        GPtr<GFile> info(g_file_get_child(trash.get(), "info"));
        GPtr<GFile> expunged(g_file_get_child(trash.get(), "expunged"));
        const bool infoUsable = isRealDirectory(info.get());
        // A part that is a link or a file is not the trash's own: it is left alone.
        if (isRealDirectory(files.get()))
            emptier.emptyFilesWithInfo(files.get(), infoUsable ? info.get() : nullptr);
        else if (g_file_query_exists(files.get(), nullptr))
            emptier.report.failures.push_back(pathOf(files.get()) + ": not a folder");
        if (infoUsable && !isRealDirectory(files.get()))
            emptier.emptyFolder(info.get());
        if (isRealDirectory(expunged.get()))
            emptier.emptyFolder(expunged.get());
        // The folder-size cache describes entries that are gone now.
        GPtr<GFile> sizes(g_file_get_child(trash.get(), "directorysizes"));
        g_file_delete(sizes.get(), nullptr, nullptr);
    }
    return emptier.report;
}

} // namespace vnovla::platform::linux_desktop
