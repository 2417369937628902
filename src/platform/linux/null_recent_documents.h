#pragma once

#include "platform/recent_documents.h"

namespace vnovla::platform::linux_desktop {

// TODO: clear the freedesktop recent-files list (~/.local/share/recently-used.xbel) the way
// GtkRecentManager::purge_items does. Until then the option to clear it at exit does nothing.
class NullRecentDocuments : public RecentDocuments
{
public:
    ActionResult clear() override { return {}; }
};

} // namespace vnovla::platform::linux_desktop
