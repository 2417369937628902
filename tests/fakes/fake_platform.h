#pragma once

#include "platform/recent_documents.h"
#include "platform/screen_geometry.h"

#include <vector>

namespace vnovla::test {

class FakeScreenGeometry : public platform::ScreenGeometry
{
public:
    std::vector<platform::PixelRect> availableScreens() const override { return screens; }

    std::vector<platform::PixelRect> screens{{0, 0, 1920, 1040}};
};

class FakeRecentDocuments : public platform::RecentDocuments
{
public:
    platform::ActionResult clear() override
    {
        ++clearCount;
        return result;
    }

    int clearCount = 0;
    platform::ActionResult result;
};

} // namespace vnovla::test
