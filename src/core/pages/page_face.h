#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::pages {

inline constexpr int kSlotCount = 10;

// The tooltip of a slot without a tooltip text.
inline constexpr std::string_view kUnregisteredTooltip = "未登録";
// The caption of a slot without a registered item.
inline constexpr std::string_view kEmptyCaption = "EMPTY";

enum class ButtonFont {
    Regular7pt, // the "EMPTY" caption
    Bold9pt,    // the kind text under the picture
};

// Where a button's picture comes from. The Icons service turns this into a picture; a request
// it cannot fulfil (missing file, index out of range) gives an empty picture.
enum class IconSource {
    None,              // no picture at all
    IconFile,          // icon number `index` of the registered icon file (`path`)
    RegisteredItem,    // icon number `index` of the registered item itself (`path`)
    AssociatedProgram, // the first icon of the program that opens `path`; an executable is its
                       // own program
};

struct IconRequest
{
    IconSource source = IconSource::None;
    std::string path;
    int index = 0;
    bool operator==(const IconRequest&) const = default;
};

struct ButtonFace
{
    std::string tooltip;
    // Empty, "EMPTY", or a carriage return followed by the kind text, which puts the kind on
    // the line under the picture.
    std::string caption;
    ButtonFont font = ButtonFont::Regular7pt;
    IconRequest icon;
    bool operator==(const ButtonFace&) const = default;
};

struct PageFace
{
    std::string pageNumber; // LblNo: the decimal page number, the page part of entry keys
    std::string title;      // LblTitle
    std::array<ButtonFace, kSlotCount> buttons;
    bool operator==(const PageFace&) const = default;
};

// The entry key of a slot: the page number followed by the slot digit ("04", "123").
std::string entryKey(int page, int slot);

// How one page looks, read afresh from the profile files: nothing is cached, so every change
// of button or page data shows as soon as the page is drawn again.
PageFace readPageFace(profile::ProfileStore& store, int page);

// One button's face from its four registration values.
ButtonFace buttonFace(const std::string& tooltip, const std::string& path,
                      const std::string& iconIndex, const std::string& iconFile);

} // namespace vnovla::pages
