#pragma once

#include "icons/icon_image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vnovla::icons {

// The images of an .ico file. The launcher numbers them as they stand in the file's
// directory: icon index N of an .ico file is its N-th image.
//
// Works on bytes the caller keeps alive; nothing is read until an image is asked for.
class IcoReader
{
public:
    explicit IcoReader(std::span<const std::uint8_t> bytes);

    // 0 when the bytes are not an icon file or its directory is cut short.
    int iconCount() const { return static_cast<int>(entries_.size()); }

    // Image index, or nothing when there is no such image or it is damaged.
    std::optional<IconImage> image(int index) const;

    // The image of the whole file that suits a picture of wantedSide pixels best; damaged
    // images are passed over.
    std::optional<IconImage> bestImage(int wantedSide) const;

private:
    struct Entry
    {
        IconEntryInfo info;
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };

    std::span<const std::uint8_t> bytes_;
    std::vector<Entry> entries_;
};

} // namespace vnovla::icons
