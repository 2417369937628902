#pragma once

#include "icons/icon_image.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace vnovla::icons {

inline constexpr std::uint32_t kNoImage = 0xDEADBEEF;
inline constexpr std::uint32_t kPngMarker = 0x504E4700;

// The premultiplied pixel at (x, y), kPngMarker for a PNG image, kNoImage for none.
inline std::uint32_t pixelAt(const std::optional<IconImage>& image, int x = 1, int y = 1)
{
    if (!image)
        return kNoImage;
    if (std::holds_alternative<PngImage>(*image))
        return kPngMarker;
    const auto& picture = std::get<platform::Picture>(*image);
    if (x >= picture.width || y >= picture.height)
        return kNoImage;
    return picture.pixels.at(static_cast<std::size_t>(y * picture.width + x));
}

inline int sideOf(const std::optional<IconImage>& image)
{
    if (!image || !std::holds_alternative<platform::Picture>(*image))
        return 0;
    return std::get<platform::Picture>(*image).width;
}

} // namespace vnovla::icons
