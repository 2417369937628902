#pragma once

#include "profile/profile_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::settings {

// The three states of an options check box; the stored flag is the state's number. Only
// Checked switches an option on: a greyed box counts as off everywhere it is read.
enum class CheckState : std::uint8_t {
    Unchecked = 0,
    Checked = 1,
    Greyed = 2,
};

// What a file dropped on a registered button does ("All"/"Drop").
enum class DropMode : std::uint8_t {
    PassToProgram = 0, // start the registered program with the dropped file
    Register = 1,      // register the dropped file on the button
};

// How the alarm sounds ("Alarm"/"Sound").
enum class AlarmSound : std::uint8_t {
    Beep = 0,
    WaveFile = 1,
};

// Where archives are extracted ("LHA"/"Path").
enum class ExtractTo : std::uint8_t {
    ArchiveFolder = 0,
    ChosenFolder = 1,
};

// An inclusive range of page numbers, as the launcher's page scroll bar offers them.
struct PageRange
{
    int minimum = 0;
    int maximum = 15;
    bool operator==(const PageRange&) const = default;
};

// The pause after each button of an ALL run, in milliseconds (scroll bar and its text).
inline constexpr int kMinimumWait = 0;
inline constexpr int kMaximumWait = 5000;

// The user's options as the options dialog shows them and every other part of the launcher
// reads them. A default-constructed value holds each option's built-in default, which is
// what a missing settings file gives.
struct Options
{
    // Section "All" (read as "ALL"): the ALL button and launching.
    CheckState waitCheck = CheckState::Unchecked; // "WaitCheck", ChkWait
    int wait = 0;                                 // "Wait", ScrAll, kMinimumWait..kMaximumWait
    CheckState endCheck = CheckState::Unchecked;  // "EndCheck", ChkEnd
    CheckState minimiseAfterLaunch = CheckState::Unchecked; // "Min", ChkMin
    DropMode drop = DropMode::PassToProgram;                // "Drop", Option3

    // Section "Window".
    CheckState tray = CheckState::Unchecked;           // "Tray", ChkTray
    CheckState startMinimised = CheckState::Unchecked; // "StartMin", ChkStartMin
    CheckState endTop = CheckState::Unchecked;         // "EndTop", ChkEndTop
    int endTopNo = 0;                                  // "EndTopNo", ScrEndPG
    PageRange endTopNoRange;                           // the range ScrEndPG offers
    CheckState endSaikin = CheckState::Unchecked;      // "EndSaikin", ChkEndSaikin

    // Section "Alarm".
    CheckState alarmShow = CheckState::Checked;    // "Show", ChkShow
    CheckState alarmSoundOn = CheckState::Checked; // "SoundOn", ChkAlarmSoundOn
    std::string soundPath;                         // "Path", TxtSoundPath
    AlarmSound sound = AlarmSound::Beep;           // "Sound", Option2

    // Section "LHA": archive extraction, kept and saved but used nowhere else.
    ExtractTo extractTo = ExtractTo::ArchiveFolder;    // "Path", Option1
    CheckState openAfterExtract = CheckState::Checked; // "Open", Check1
    std::string extractFolder;                         // "Folder", TxtPath

    // The pause text (TxtAll) that the ALL run reads: always the decimal value of the pause.
    std::string waitText() const { return std::to_string(wait); }

    bool operator==(const Options&) const = default;
};

// Gives the fixed-start-page scroll bar a new range. Like a scroll bar, it pulls the current
// value into the range; a range whose maximum lies below its minimum is taken as the single
// page of its minimum.
void setEndTopNoRange(Options& options, PageRange range);

// Loads every option from the settings file into options, each on its own: a value that is
// missing, not a number, or not allowed for its control (a check state other than 0, 1 or 2,
// a pause outside 0..5000, a page outside the range, an option index with no option) leaves
// that option as it was. Text options take the stored text as it is, missing giving the empty
// text. The fixed start page first takes launcherPages as its range.
void LoadSettings(profile::ProfileStore& store, Options& options, PageRange launcherPages);

// The writes the options dialog's OK makes, in its order. A check box writes its state's
// number; the extraction "Open" flag is written, as "1", only while it is checked.
std::vector<profile::ProfileWrite> optionWrites(const Options& options);

// The start-up settings the launcher window reads straight from the settings file.
inline constexpr int kDefaultHighestPage = 15;
inline constexpr int kMaximumHighestPage = 1000;

struct WindowSettings
{
    std::optional<float> top;       // "Top", twips; nothing: the window system places the window
    std::optional<float> left;      // "Left", twips
    int page = kDefaultHighestPage; // "Page", the highest page number, 0..kMaximumHighestPage
    int now = 0;                    // "Now", the page shown at the last exit
    bool endTop = false;            // "EndTop" reads as the number 1: start at endTopNo
    int endTopNo = 0;               // "EndTopNo", the fixed start page
    bool startMinimised = false;    // "StartMin" reads as the number 1
    bool clock = true;              // "Time", the title-bar clock
    bool alwaysOnTop = true;        // "Temae"

    bool operator==(const WindowSettings&) const = default;
};

// Reads the start-up settings; each unreadable or out-of-range value keeps its default. The
// pages "Now" and "EndTopNo" must lie between 0 and the highest page read here.
WindowSettings readWindowSettings(profile::ProfileStore& store);

} // namespace vnovla::settings
