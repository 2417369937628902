// Fuzz target for the icon cache file reader.
//
// Besides never crashing, hanging or leaking, whatever the reader accepts must be sane (each
// picture's pixel count matches its size, within the bounds) and must come back the same when
// written and read again, so that an accepted file never turns into another one on the next save.

#include "pages/icon_cache_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

using namespace vnovla::pages;

void check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "icon_cache_fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto contents = decodeIconCache(std::span<const std::uint8_t>(data, size));
    if (!contents)
        return 0;
    check(contents->icons.size() <= kMaxStoredIcons, "entry count");
    for (const StoredIcon& icon : contents->icons) {
        const auto& picture = icon.picture;
        check(picture.width >= 0 && picture.width <= kMaxStoredSide, "picture width");
        check(picture.height >= 0 && picture.height <= kMaxStoredSide, "picture height");
        check(picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                           static_cast<std::size_t>(picture.height),
              "pixel count");
    }
    const auto again = decodeIconCache(encodeIconCache(*contents));
    check(again.has_value(), "a written file reads back");
    check(encodeIconCache(*again) == encodeIconCache(*contents), "round trip");
    return 0;
}
