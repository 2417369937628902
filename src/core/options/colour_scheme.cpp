#include "options/colour_scheme.h"

#include "profile/profile_store.h"
#include "settings/value_conversion.h"

#include <cstddef>

namespace vnovla::options {

namespace {

constexpr std::string_view kColourSection = "Col";
constexpr std::uint32_t kSystemColourFlag = 0x80000000u;
constexpr ColourValue kLargestPlainColour = 0x00FFFFFF;

using Role = SystemColourRole;
// Indexed by the Windows system colour index; index 25 is not defined. The launcher draws
// its body in the palette's window colour, so Windows' "window background" (5) maps there:
// the standard scheme's button numbers then sit on the body as they do before any colour is
// applied.
constexpr std::array<std::optional<Role>, 31> kSystemColourRoles{{
    Role::Midlight,        // 0 scroll bar
    Role::Dark,            // 1 desktop
    Role::Highlight,       // 2 active caption
    Role::Mid,             // 3 inactive caption
    Role::Window,          // 4 menu
    Role::Window,          // 5 window background
    Role::Shadow,          // 6 window frame
    Role::WindowText,      // 7 menu text
    Role::WindowText,      // 8 window text
    Role::HighlightedText, // 9 caption text
    Role::Window,          // 10 active border
    Role::Window,          // 11 inactive border
    Role::Dark,            // 12 application workspace
    Role::Highlight,       // 13 highlight
    Role::HighlightedText, // 14 highlighted text
    Role::Button,          // 15 button face
    Role::Dark,            // 16 button shadow
    Role::PlaceholderText, // 17 grey text
    Role::ButtonText,      // 18 button text
    Role::WindowText,      // 19 inactive caption text
    Role::Light,           // 20 button highlight
    Role::Shadow,          // 21 3-D dark shadow
    Role::Midlight,        // 22 3-D light
    Role::ToolTipText,     // 23 tooltip text
    Role::ToolTipBase,     // 24 tooltip background
    std::nullopt,          // 25
    Role::Link,            // 26 hot-tracked item
    Role::Highlight,       // 27 active caption gradient
    Role::Mid,             // 28 inactive caption gradient
    Role::Highlight,       // 29 menu highlight
    Role::Window,          // 30 menu bar
}};

} // namespace

std::optional<SystemColourRole> systemColourRole(ColourValue value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    // Only the low byte names the colour; anything else besides the flag is not a colour.
    if ((bits & 0xFFFFFF00u) != kSystemColourFlag)
        return std::nullopt;
    const std::size_t index = bits & 0xFFu;
    if (index >= kSystemColourRoles.size())
        return std::nullopt;
    return kSystemColourRoles[index];
}

bool isValidColour(ColourValue value)
{
    if (isSystemColour(value))
        return systemColourRole(value).has_value();
    return value <= kLargestPlainColour;
}

std::optional<ColourValue> readColour(std::string_view text)
{
    const auto value = settings::toInt32(text);
    if (!value || !isValidColour(*value))
        return std::nullopt;
    return *value;
}

std::string colourText(ColourValue value)
{
    return std::to_string(value);
}

ColourSlots appliedColours(profile::ProfileStore& store, const ColourSlots& shown)
{
    ColourSlots result = shown;
    const profile::ProfileStore::ReadScope scope(store);
    for (int slot = 0; slot < kColourSlotCount; ++slot) {
        const std::string text = store.ReadSetting(kColourSection, std::to_string(slot));
        const auto index = static_cast<std::size_t>(slot);
        const bool gaugeBackground = slot >= kFirstGaugeSlot && slot % 2 == 1;
        if (gaugeBackground && text.empty()) {
            result[index] =
                kGaugeDefaultBackgrounds[static_cast<std::size_t>((slot - kFirstGaugeSlot) / 2)];
            continue;
        }
        if (const auto value = readColour(text))
            result[index] = *value;
    }
    return result;
}

std::vector<profile::ProfileWrite> colourWrites(const ColourSlots& slots)
{
    std::vector<profile::ProfileWrite> writes;
    writes.reserve(slots.size());
    for (int slot = 0; slot < kColourSlotCount; ++slot)
        writes.push_back({std::string(kColourSection), std::to_string(slot),
                          colourText(slots[static_cast<std::size_t>(slot)])});
    return writes;
}

} // namespace vnovla::options
