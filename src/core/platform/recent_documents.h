#pragma once

#include "platform/desktop_actions.h"

namespace vnovla::platform {

// The desktop's list of recently used files.
class RecentDocuments
{
public:
    virtual ~RecentDocuments() = default;

    // Empties the list. A desktop without such a list has nothing to clear.
    virtual ActionResult clear() = 0;
};

} // namespace vnovla::platform
