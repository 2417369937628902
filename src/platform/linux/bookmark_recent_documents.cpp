#include "platform/linux/bookmark_recent_documents.h"

#include <glib.h>

#include <memory>

namespace vnovla::platform::linux_desktop {

BookmarkRecentDocuments::BookmarkRecentDocuments()
    : path_(std::string(g_get_user_data_dir()) + "/recently-used.xbel")
{}

ActionResult BookmarkRecentDocuments::clear()
{
    if (!g_file_test(path_.c_str(), G_FILE_TEST_EXISTS))
        return {};
    const std::unique_ptr<GBookmarkFile, decltype(&g_bookmark_file_free)> empty(
        g_bookmark_file_new(), &g_bookmark_file_free);
    GError* error = nullptr;
    // Written to a temporary file and renamed over the list: never half a list.
    if (g_bookmark_file_to_file(empty.get(), path_.c_str(), &error))
        return {};
    ActionResult result{false, "最近使ったファイルのリストを削除できませんでした。\n" + path_ +
                                   ": " + (error ? error->message : "")};
    if (error)
        g_error_free(error);
    return result;
}

} // namespace vnovla::platform::linux_desktop
