#pragma once

#include "icons/byte_view.h"
#include "icons/icon_image.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace vnovla::icons {

// The icons of a Windows program or library (.exe, .dll, .cpl, .icl; 32- and 64-bit): its
// RT_GROUP_ICON resources, numbered as Windows numbers them for an icon index, in the order
// of the resource directory (named groups first, then numbered ones).
//
// Works on bytes the caller keeps alive; the headers are read once, icons when asked for.
class PeIconReader
{
public:
    explicit PeIconReader(std::span<const std::uint8_t> bytes);

    // 0 when the bytes are not a PE file or it has no icon groups.
    int iconCount() const { return static_cast<int>(groups_.size()); }

    // The image of icon group index that suits a picture of wantedSide pixels best, or nothing
    // when there is no such group or none of its images can be read.
    std::optional<IconImage> image(int index, int wantedSide) const;

private:
    struct Section
    {
        std::uint32_t virtualAddress = 0;
        std::uint32_t rawOffset = 0;
        std::uint32_t rawSize = 0;
    };

    std::optional<ByteView> atRva(std::uint32_t rva, std::uint32_t size) const;
    std::optional<ByteView> dataOfEntry(std::uint32_t entryTarget) const;
    std::optional<ByteView> iconResource(std::uint16_t id) const;

    ByteView bytes_;
    std::vector<Section> sections_;
    // The resource section from the root directory on; directory offsets count from its start.
    ByteView resources_;
    // Per icon group, the target of its name entry: a language directory or a data entry.
    std::vector<std::uint32_t> groups_;
    // The RT_ICON resources by id: the target of each name entry.
    std::map<std::uint16_t, std::uint32_t> icons_;
};

} // namespace vnovla::icons
