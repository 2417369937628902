#include "settings/options.h"

#include "profile/profile_store.h"
#include "settings/value_conversion.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace vnovla::settings {

namespace {

// The ALL options are read under "ALL" but written under "All"; section names ignore letter
// case, so both spellings name one section.
constexpr std::string_view kAllRead = "ALL";
constexpr std::string_view kAll = "All";
constexpr std::string_view kWindow = "Window";
constexpr std::string_view kAlarm = "Alarm";
constexpr std::string_view kLha = "LHA";

std::optional<int> readInteger(profile::ProfileStore& store, std::string_view section,
                               std::string_view key)
{
    const auto value = toInt16(store.ReadSetting(section, key));
    if (!value)
        return std::nullopt;
    return *value;
}

std::optional<int> readIntegerIn(profile::ProfileStore& store, std::string_view section,
                                 std::string_view key, int minimum, int maximum)
{
    const auto value = readInteger(store, section, key);
    if (!value || *value < minimum || *value > maximum)
        return std::nullopt;
    return value;
}

void loadCheck(profile::ProfileStore& store, std::string_view section, std::string_view key,
               CheckState& target)
{
    const auto value = readIntegerIn(store, section, key, 0, 2);
    if (value)
        target = static_cast<CheckState>(*value);
}

void loadScrollValue(profile::ProfileStore& store, std::string_view section, std::string_view key,
                     int minimum, int maximum, int& target)
{
    const auto value = readIntegerIn(store, section, key, minimum, maximum);
    if (value)
        target = *value;
}

// Every option group of the dialog has two members, indexes 0 and 1.
template <typename Choice>
void loadChoice(profile::ProfileStore& store, std::string_view section, std::string_view key,
                Choice& target)
{
    const auto value = readIntegerIn(store, section, key, 0, 1);
    if (value)
        target = static_cast<Choice>(*value);
}

std::string checkText(CheckState state)
{
    return std::to_string(static_cast<int>(state));
}

template <typename Choice> std::string choiceText(Choice choice)
{
    return std::to_string(static_cast<int>(choice));
}

} // namespace

void setEndTopNoRange(Options& options, PageRange range)
{
    range.maximum = std::max(range.minimum, range.maximum);
    options.endTopNoRange = range;
    options.endTopNo = std::clamp(options.endTopNo, range.minimum, range.maximum);
}

void LoadSettings(profile::ProfileStore& store, Options& options, PageRange launcherPages)
{
    loadCheck(store, kAllRead, "WaitCheck", options.waitCheck);
    loadScrollValue(store, kAllRead, "Wait", kMinimumWait, kMaximumWait, options.wait);
    loadCheck(store, kAllRead, "EndCheck", options.endCheck);
    loadCheck(store, kAllRead, "Min", options.minimiseAfterLaunch);
    loadChoice(store, kAll, "Drop", options.drop);

    loadCheck(store, kWindow, "Tray", options.tray);
    loadCheck(store, kWindow, "StartMin", options.startMinimised);
    loadCheck(store, kWindow, "EndTop", options.endTop);
    // The fixed start page can only name a page the launcher has.
    setEndTopNoRange(options, launcherPages);
    loadScrollValue(store, kWindow, "EndTopNo", options.endTopNoRange.minimum,
                    options.endTopNoRange.maximum, options.endTopNo);
    loadCheck(store, kWindow, "EndSaikin", options.endSaikin);

    loadCheck(store, kAlarm, "Show", options.alarmShow);
    loadCheck(store, kAlarm, "SoundOn", options.alarmSoundOn);
    options.soundPath = store.ReadSetting(kAlarm, "Path");
    loadChoice(store, kAlarm, "Sound", options.sound);

    loadChoice(store, kLha, "Path", options.extractTo);
    loadCheck(store, kLha, "Open", options.openAfterExtract);
    options.extractFolder = store.ReadSetting(kLha, "Folder");

    // The colour swatches are no option of this model: the options dialog starts them from
    // the colours the launcher shows.
}

std::vector<profile::ProfileWrite> optionWrites(const Options& options)
{
    std::vector<profile::ProfileWrite> writes = {
        {std::string(kAll), "WaitCheck", checkText(options.waitCheck)},
        {std::string(kAll), "Wait", options.waitText()},
        {std::string(kAll), "EndCheck", checkText(options.endCheck)},
        {std::string(kAll), "Min", checkText(options.minimiseAfterLaunch)},
        {std::string(kWindow), "StartMin", checkText(options.startMinimised)},
        {std::string(kWindow), "Tray", checkText(options.tray)},
        {std::string(kWindow), "EndTop", checkText(options.endTop)},
        {std::string(kWindow), "EndTopNo", std::to_string(options.endTopNo)},
        {std::string(kWindow), "EndSaikin", checkText(options.endSaikin)},
        {std::string(kAll), "Drop", choiceText(options.drop)},
        {std::string(kAlarm), "Show", checkText(options.alarmShow)},
        {std::string(kAlarm), "SoundOn", checkText(options.alarmSoundOn)},
        {std::string(kAlarm), "Path", options.soundPath},
        {std::string(kAlarm), "Sound", choiceText(options.sound)},
    };
    // Un-ticking "Open" is never stored: its page is not shown, so the box only changes when
    // the file does.
    if (options.openAfterExtract == CheckState::Checked)
        writes.push_back({std::string(kLha), "Open", "1"});
    writes.push_back({std::string(kLha), "Folder", options.extractFolder});
    writes.push_back({std::string(kLha), "Path", choiceText(options.extractTo)});
    // The options dialog's OK adds the twenty "Col" keys to the same replacement.
    return writes;
}

WindowSettings readWindowSettings(profile::ProfileStore& store)
{
    WindowSettings settings;
    settings.top = toSingle(store.ReadSetting(kWindow, "Top"));
    settings.left = toSingle(store.ReadSetting(kWindow, "Left"));
    // A hand-edited page count above the limit keeps the pages up to the limit reachable,
    // rather than falling back to 16 pages and hiding (then saving away) the rest.
    if (const auto page = readIntegerIn(store, kWindow, "Page", 0, INT16_MAX))
        settings.page = std::min(*page, kMaximumHighestPage);
    // A start page outside the pages that exist leaves the launcher on page 0.
    if (const auto now = readIntegerIn(store, kWindow, "Now", 0, settings.page))
        settings.now = *now;
    settings.endTop = readInteger(store, kWindow, "EndTop") == 1;
    if (const auto endTopNo = readIntegerIn(store, kWindow, "EndTopNo", 0, settings.page))
        settings.endTopNo = *endTopNo;
    settings.startMinimised = readInteger(store, kWindow, "StartMin") == 1;
    if (const auto clock = toBoolean(store.ReadSetting(kWindow, "Time")))
        settings.clock = *clock;
    if (const auto alwaysOnTop = toBoolean(store.ReadSetting(kWindow, "Temae")))
        settings.alwaysOnTop = *alwaysOnTop;
    return settings;
}

} // namespace vnovla::settings
