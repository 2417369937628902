// Fuzz target for the Windows icon readers.
//
// Every input goes to both readers as a whole file. Besides never crashing, hanging or
// leaking, every image they give must be sane: a picture's pixel count matches its size,
// both within the icon size cap, and every pixel is premultiplied (no channel above alpha).

#include "icons/ico_reader.h"
#include "icons/pe_icon_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <variant>

namespace {

using namespace vnovla::icons;

void check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "icon_fuzz: %s\n", what);
    std::abort();
}

void checkImage(const std::optional<IconImage>& image)
{
    if (!image)
        return;
    if (const auto* png = std::get_if<PngImage>(&*image)) {
        check(png->bytes.size() >= 24, "PNG image without a header");
        return;
    }
    const auto& picture = std::get<vnovla::platform::Picture>(*image);
    check(picture.width > 0 && picture.width <= kMaxIconSide, "picture width");
    check(picture.height > 0 && picture.height <= kMaxIconSide, "picture height");
    check(picture.pixels.size() ==
              static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height),
          "pixel count");
    for (const std::uint32_t pixel : picture.pixels) {
        const std::uint32_t alpha = pixel >> 24;
        check(((pixel >> 16) & 0xFF) <= alpha && ((pixel >> 8) & 0xFF) <= alpha &&
                  (pixel & 0xFF) <= alpha,
              "pixel not premultiplied");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 256 * 1024)
        return -1;
    const std::span<const std::uint8_t> bytes(data, size);

    const IcoReader ico(bytes);
    // Every image index is tried, a few past the end too; the count is at most 65535.
    for (int index = -1; index <= ico.iconCount() && index < 64; ++index)
        checkImage(ico.image(index));
    checkImage(ico.bestImage(32));
    checkImage(ico.bestImage(256));

    const PeIconReader pe(bytes);
    for (int index = -1; index <= pe.iconCount() && index < 16; ++index) {
        checkImage(pe.image(index, 32));
        checkImage(pe.image(index, 16));
    }
    return 0;
}
