#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vnovla::pages {
struct IconRequest;
}

namespace vnovla::platform {

// A button picture as plain pixels, so that the rules and a future native front end need no
// toolkit type. Empty (0 × 0) is the empty surface: a button with no icon found.
struct Picture
{
    int width = 0;
    int height = 0;
    // Row by row, premultiplied 0xAARRGGBB.
    std::vector<std::uint32_t> pixels;

    bool isEmpty() const { return width <= 0 || height <= 0; }
};

// The pictures of launch buttons, as the desktop shows the same files.
class Icons
{
public:
    virtual ~Icons() = default;

    // The program that opens path (a desktop entry, an executable), or an empty text when the
    // desktop has none. A program, and anything else that opens itself, is its own program.
    virtual std::string associatedProgram(const std::string& path) = 0;

    // The picture a button shows for request, sizePixels square at most. A request that cannot
    // be fulfilled (missing file, no icon with that index, no association) gives the empty
    // picture.
    virtual Picture picture(const pages::IconRequest& request, int sizePixels) = 0;
};

} // namespace vnovla::platform
