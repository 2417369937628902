#pragma once

#include "platform/recent_documents.h"

#include <string>

namespace vnovla::platform::linux_desktop {

// The freedesktop list of recently used files (recently-used.xbel), shared by the desktop's
// applications and file chooser.
class BookmarkRecentDocuments : public RecentDocuments
{
public:
    // The list in the user's data folder.
    BookmarkRecentDocuments();
    explicit BookmarkRecentDocuments(std::string path) : path_(std::move(path)) {}

    // Replaces the list with a valid empty one in one step. Its old content is never read,
    // so a damaged or huge list is cleared all the same. A missing list stays missing.
    ActionResult clear() override;

private:
    std::string path_;
};

} // namespace vnovla::platform::linux_desktop
