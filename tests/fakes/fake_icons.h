#pragma once

#include "pages/page_face.h"
#include "platform/icons.h"

#include <map>
#include <string>
#include <vector>

namespace vnovla::test {

// Pictures from a table: a request listed in `available` gets a 1 × 1 picture whose one pixel
// tells which request it answers; anything else gets the empty picture, as a missing file or
// an index past the last icon does.
class FakeIcons : public platform::Icons
{
public:
    std::string associatedProgram(const std::string& path) override
    {
        const auto found = associations.find(path);
        return found == associations.end() ? std::string() : found->second;
    }

    platform::Picture picture(const pages::IconRequest& request, int sizePixels) override
    {
        requests.push_back(request);
        sizes.push_back(sizePixels);
        for (std::size_t row = 0; row < available.size(); ++row) {
            if (available[row] == request)
                return {1, 1, {pixelFor(row)}};
        }
        return {};
    }

    // The pixel of the picture answering available[row].
    static std::uint32_t pixelFor(std::size_t row)
    {
        return 0xFF000000u | static_cast<std::uint32_t>(row + 1);
    }

    std::vector<pages::IconRequest> available;
    std::map<std::string, std::string> associations;
    std::vector<pages::IconRequest> requests;
    std::vector<int> sizes;
};

} // namespace vnovla::test
