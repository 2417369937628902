#pragma once

#include "platform/icons.h"

#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace vnovla::icons {

// Larger icons do not exist in practice; anything claiming more is damaged or hostile and
// would only make the launcher allocate.
inline constexpr int kMaxIconSide = 1024;

// An icon image stored as PNG (Windows Vista and later store 256 × 256 images that way). Core
// has no PNG decoder: the platform decodes these bytes. The size in its header is checked.
struct PngImage
{
    std::vector<std::uint8_t> bytes;
};

using IconImage = std::variant<platform::Picture, PngImage>;

// One image as an .ico entry or an RT_ICON resource stores it: PNG bytes, or a device
// independent bitmap (BITMAPINFOHEADER, colours, AND mask) decoded to premultiplied ARGB.
// Nothing when the bytes are not a well-formed image of a sane size.
std::optional<IconImage> decodeIconImage(std::span<const std::uint8_t> bytes);

// One directory entry of an .ico file or of an icon group, as far as choosing among them goes.
struct IconEntryInfo
{
    int side = 0;     // 0 in the directory means 256
    int bitCount = 0; // 0 when the directory does not say
};

// The bit depth the image's own header states (32 for PNG), 0 when it has none; for
// directories that leave their bit count 0, as many icon editors do.
int storedBitCount(std::span<const std::uint8_t> bytes);

// The order in which to try the entries of one icon for a picture of wantedSide pixels: the
// closest size first, a larger one before an equally close smaller one (shrinking looks
// better than growing), then more colours.
std::vector<std::size_t> preferenceOrder(std::span<const IconEntryInfo> entries, int wantedSide);

} // namespace vnovla::icons
