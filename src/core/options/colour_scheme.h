#pragma once

#include "profile/profile_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::options {

// A colour as the settings file stores it: 0x00BBGGRR, red in the low byte. A value with the
// top bit set names one of the Windows system colours by its low byte, so a file written on
// Windows keeps its meaning here and is written back unchanged.
using ColourValue = std::int32_t;

// The twenty colour slots of section "Col", in pairs of text-or-bar colour (even key) and
// background (odd key): LblNo, LblTitle, the button numbers, then the seven gauges.
inline constexpr int kColourSlotCount = 20;
using ColourSlots = std::array<ColourValue, kColourSlotCount>;

inline constexpr int kGaugeCount = 7;
// The first slot of the gauges' pairs; gauge g uses slots kFirstGaugeSlot + 2g and + 2g + 1.
inline constexpr int kFirstGaugeSlot = 6;

// Windows names the colour of a window's background as system colour 5.
inline constexpr ColourValue kSystemWindowColour = static_cast<ColourValue>(0x80000005u);

struct ColourScheme
{
    std::string_view name;
    ColourSlots slots;
};

inline constexpr int kSchemeCount = 5;
inline constexpr std::array<ColourScheme, kSchemeCount> kColourSchemes{{
    {"標準", {65535,    0,        65535,    0,     0,        kSystemWindowColour,
              16761024, 12582912, 12648384, 32768, 16761087, 16512,
              12632256, 0,        12632319, 16512, 16777152, 8421376,
              12648447, 32896}},
    {"グリーン調",
     {8454016, 0,       8454016, 0,       8454016, 0,       8454016, 8421440, 8454016, 8421440,
      8454016, 8421440, 8454016, 8421440, 8454016, 8421440, 8454016, 8421440, 8454016, 8421440}},
    {"ブルー調", {16777088, 10485760, 16777088, 10485760, 16777088, 10485760, 16777088,
                  10485760, 16777088, 10485760, 16777088, 10485760, 16777088, 10485760,
                  16777088, 10485760, 16777088, 10485760, 16777088, 10485760}},
    {"レッド調", {8388863,  16777215, 8388863,  16777215, 8388863,  16777215, 16744703,
                  4194432,  16744703, 4194432,  16744703, 4194432,  16744703, 4194432,
                  16744703, 4194432,  16744703, 4194432,  16744703, 4194432}},
    {"VESKA", {8453888,  0,        8453888,  0,        12632256, 0,        16756834,
               10485760, 16759671, 10485760, 16761478, 10485760, 16763799, 10485760,
               16766378, 10485760, 16768443, 10485760, 16771280, 10485760}},
}};

// The colours the launcher window is built with, before any stored colour is applied: the
// standard scheme.
inline constexpr ColourSlots kDesignColours = kColourSchemes[0].slots;

// What a gauge falls back to when its stored background is empty, in gauge order (PicCpu,
// PicButuri, PicKasou, PicSys, PicGdi, PicUser, PicDrive).
inline constexpr std::array<ColourValue, kGaugeCount> kGaugeDefaultBackgrounds{
    12582912, 32768, 16512, 0, 16512, 8421376, 32896};

// The roles of the desktop's palette that stand for the Windows system colours.
enum class SystemColourRole {
    Window,
    WindowText,
    Base,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    Light,
    Midlight,
    Mid,
    Dark,
    Shadow,
    ToolTipBase,
    ToolTipText,
    Link,
    PlaceholderText,
};

inline bool isSystemColour(ColourValue value)
{
    return value < 0;
}

// The palette role with the meaning of a system colour; nothing for an index Windows does
// not define, or for a plain colour.
std::optional<SystemColourRole> systemColourRole(ColourValue value);

// Whether an element can take the value: a plain colour up to 0x00FFFFFF, or a system colour
// whose index has a meaning.
bool isValidColour(ColourValue value);

// A stored colour text as a value; nothing when it is not a number or not a valid colour.
std::optional<ColourValue> readColour(std::string_view text);

// The signed decimal text the settings file keeps a colour as.
std::string colourText(ColourValue value);

// The colours the launcher shows after the stored slots are applied over shown: a slot whose
// stored text is missing or unreadable keeps its colour, except a gauge background, which an
// empty text sets to the gauge's default.
ColourSlots appliedColours(profile::ProfileStore& store, const ColourSlots& shown);

// The writes of the twenty slots, keys "0" to "19" in order.
std::vector<profile::ProfileWrite> colourWrites(const ColourSlots& slots);

} // namespace vnovla::options
