#include "icons/icon_image.h"

#include "icons/byte_view.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vnovla::icons {

namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(const ByteView& bytes, std::size_t offset)
{
    return (static_cast<std::uint32_t>(bytes.at(offset)) << 24) |
           (static_cast<std::uint32_t>(bytes.at(offset + 1)) << 16) |
           (static_cast<std::uint32_t>(bytes.at(offset + 2)) << 8) |
           static_cast<std::uint32_t>(bytes.at(offset + 3));
}

bool isPng(const ByteView& bytes)
{
    if (!bytes.has(0, kPngSignature.size()))
        return false;
    return std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.bytes().begin());
}

// The platform's decoder allocates whatever the header claims, so the header is checked here.
std::optional<IconImage> pngImage(const ByteView& bytes)
{
    constexpr std::size_t headerEnd = 24;
    if (!bytes.has(0, headerEnd))
        return std::nullopt;
    const bool ihdr =
        bytes.at(12) == 'I' && bytes.at(13) == 'H' && bytes.at(14) == 'D' && bytes.at(15) == 'R';
    const std::uint32_t width = bigEndian32(bytes, 16);
    const std::uint32_t height = bigEndian32(bytes, 20);
    if (!ihdr || width == 0 || height == 0 || width > kMaxIconSide || height > kMaxIconSide)
        return std::nullopt;
    return PngImage{{bytes.bytes().begin(), bytes.bytes().end()}};
}

std::uint32_t premultiplied(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                            std::uint32_t blue)
{
    const auto scale = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
    return (alpha << 24) | (scale(red) << 16) | (scale(green) << 8) | scale(blue);
}

struct DibLayout
{
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
    std::size_t xorStride = 0;
    std::size_t andStride = 0;
};

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::optional<DibLayout> dibLayout(const ByteView& bytes)
{
    const auto headerSize = bytes.u32(0);
    // Icons always use BITMAPINFOHEADER or a later, longer header; never the OS/2 one.
    if (!headerSize || *headerSize < 40 || !bytes.has(0, *headerSize))
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(*bytes.u32(4));
    // The height covers the colour bitmap and the AND mask below it.
    const auto doubledHeight = static_cast<std::int32_t>(*bytes.u32(8));
    const int bitCount = *bytes.u16(14);
    const std::uint32_t compression = *bytes.u32(16);
    const std::uint32_t coloursUsed = *bytes.u32(32);
    if (width <= 0 || width > kMaxIconSide || doubledHeight < 2 || doubledHeight / 2 > kMaxIconSide)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return std::nullopt;
    // A 32-bit image may name its (always BGRA) channel masks; nothing else is supported.
    if (compression != kBiRgb && !(compression == kBiBitfields && bitCount == 32))
        return std::nullopt;
    if (coloursUsed > 256 || (bitCount <= 8 && coloursUsed > (1U << bitCount)))
        return std::nullopt;

    DibLayout layout;
    layout.width = width;
    layout.height = doubledHeight / 2;
    layout.bitCount = bitCount;
    std::size_t offset = *headerSize;
    if (compression == kBiBitfields && *headerSize == 40)
        offset += 12;
    layout.paletteOffset = offset;
    layout.paletteCount = bitCount <= 8 && coloursUsed == 0 ? (1U << bitCount) : coloursUsed;
    layout.pixelOffset = offset + layout.paletteCount * 4;
    const auto w = static_cast<std::size_t>(width);
    layout.xorStride = (w * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
    layout.andStride = (w + 31) / 32 * 4;
    const auto rows = static_cast<std::size_t>(layout.height);
    if (!bytes.has(layout.pixelOffset, layout.xorStride * rows))
        return std::nullopt;
    return layout;
}

// Colour of one pixel as 0x00RRGGBB, alpha not yet applied.
std::uint32_t dibColour(const ByteView& bytes, const DibLayout& layout, std::size_t row,
                        std::size_t column, std::uint8_t& alpha)
{
    const std::size_t rowStart = layout.pixelOffset + row * layout.xorStride;
    alpha = 255;
    switch (layout.bitCount) {
    case 32: {
        const std::size_t at = rowStart + column * 4;
        alpha = bytes.at(at + 3);
        return (static_cast<std::uint32_t>(bytes.at(at + 2)) << 16) |
               (static_cast<std::uint32_t>(bytes.at(at + 1)) << 8) | bytes.at(at);
    }
    case 24: {
        const std::size_t at = rowStart + column * 3;
        return (static_cast<std::uint32_t>(bytes.at(at + 2)) << 16) |
               (static_cast<std::uint32_t>(bytes.at(at + 1)) << 8) | bytes.at(at);
    }
    case 16: {
        // 5-5-5, each channel widened to 8 bits by repeating its top bits.
        const std::size_t at = rowStart + column * 2;
        const std::uint32_t value =
            bytes.at(at) | (static_cast<std::uint32_t>(bytes.at(at + 1)) << 8);
        const auto widen = [](std::uint32_t five) { return (five << 3) | (five >> 2); };
        return (widen((value >> 10) & 31) << 16) | (widen((value >> 5) & 31) << 8) |
               widen(value & 31);
    }
    default: {
        const auto bits = static_cast<std::size_t>(layout.bitCount);
        const std::size_t bit = column * bits;
        const std::uint8_t packed = bytes.at(rowStart + bit / 8);
        const std::size_t shift = 8 - bits - bit % 8;
        const std::size_t index = (packed >> shift) & ((1U << bits) - 1);
        // A colour the palette does not have is drawn black, as Windows does.
        if (index >= layout.paletteCount)
            return 0;
        const std::size_t at = layout.paletteOffset + index * 4;
        return (static_cast<std::uint32_t>(bytes.at(at + 2)) << 16) |
               (static_cast<std::uint32_t>(bytes.at(at + 1)) << 8) | bytes.at(at);
    }
    }
}

std::optional<IconImage> dibImage(const ByteView& bytes)
{
    const std::optional<DibLayout> layout = dibLayout(bytes);
    if (!layout)
        return std::nullopt;
    const auto width = static_cast<std::size_t>(layout->width);
    const auto height = static_cast<std::size_t>(layout->height);
    const std::size_t andOffset = layout->pixelOffset + layout->xorStride * height;
    // Some writers leave the mask out of 32-bit images; those rely on alpha alone.
    const bool hasMask = bytes.has(andOffset, layout->andStride * height);
    const auto masked = [&](std::size_t row, std::size_t column) {
        if (!hasMask)
            return false;
        const std::uint8_t packed = bytes.at(andOffset + row * layout->andStride + column / 8);
        return ((packed >> (7 - column % 8)) & 1) != 0;
    };

    // Older 32-bit icons leave the alpha byte zero and mean the mask instead.
    bool alphaUsed = false;
    if (layout->bitCount == 32) {
        for (std::size_t row = 0; row < height && !alphaUsed; ++row) {
            for (std::size_t column = 0; column < width && !alphaUsed; ++column)
                alphaUsed =
                    bytes.at(layout->pixelOffset + row * layout->xorStride + column * 4 + 3) != 0;
        }
    }

    platform::Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    picture.pixels.resize(width * height);
    for (std::size_t row = 0; row < height; ++row) {
        // Bottom-up: the first stored row is the picture's last.
        std::uint32_t* out = picture.pixels.data() + (height - 1 - row) * width;
        for (std::size_t column = 0; column < width; ++column) {
            std::uint8_t alpha = 255;
            const std::uint32_t colour = dibColour(bytes, *layout, row, column, alpha);
            if (!alphaUsed)
                alpha = masked(row, column) ? 0 : 255;
            out[column] =
                premultiplied(alpha, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
        }
    }
    return picture;
}

} // namespace

std::optional<IconImage> decodeIconImage(std::span<const std::uint8_t> bytes)
{
    const ByteView view(bytes);
    if (isPng(view))
        return pngImage(view);
    return dibImage(view);
}

int storedBitCount(std::span<const std::uint8_t> bytes)
{
    const ByteView view(bytes);
    if (isPng(view))
        return 32;
    return view.u16(14).value_or(0);
}

std::vector<std::size_t> preferenceOrder(std::span<const IconEntryInfo> entries, int wantedSide)
{
    std::vector<std::size_t> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto side = [](const IconEntryInfo& entry) { return entry.side == 0 ? 256 : entry.side; };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int sideA = side(entries[a]);
        const int sideB = side(entries[b]);
        const int distanceA = std::abs(sideA - wantedSide);
        const int distanceB = std::abs(sideB - wantedSide);
        if (distanceA != distanceB)
            return distanceA < distanceB;
        if (sideA != sideB)
            return sideA > sideB;
        return entries[a].bitCount > entries[b].bitCount;
    });
    return order;
}

} // namespace vnovla::icons
