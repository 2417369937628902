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
#include <vector>

namespace {

using namespace vnovla::pages;

void check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "icon_cache_fuzz: %s\n", what);
    std::abort();
}

void checkDecoded(std::span<const std::uint8_t> bytes)
{
    const auto contents = decodeIconCache(bytes);
    if (!contents)
        return;
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
}

} // namespace

// Every input is read twice: as it is, and sealed with a valid checksum, which lets the fuzzer
// reach the entries behind it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 256 * 1024)
        return -1;
    const std::span<const std::uint8_t> bytes(data, size);
    checkDecoded(bytes);
    std::vector<std::uint8_t> sealed(bytes.begin(), bytes.end());
    appendIconCacheChecksum(sealed);
    checkDecoded(sealed);
    return 0;
}
