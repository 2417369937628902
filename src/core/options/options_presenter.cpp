#include "options/options_presenter.h"

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "profile/profile_store.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace vnovla::options {

namespace {

constexpr std::string_view kCaption = "VESKA NOVLA";
constexpr std::uint32_t kPlainColourMask = 0x00FFFFFF;

settings::CheckState& checkOf(settings::Options& options, OptionCheck check)
{
    switch (check) {
    case OptionCheck::ChkWait:
        return options.waitCheck;
    case OptionCheck::ChkEnd:
        return options.endCheck;
    case OptionCheck::ChkMin:
        return options.minimiseAfterLaunch;
    case OptionCheck::ChkStartMin:
        return options.startMinimised;
    case OptionCheck::ChkTray:
        return options.tray;
    case OptionCheck::ChkEndTop:
        return options.endTop;
    case OptionCheck::ChkEndSaikin:
        return options.endSaikin;
    case OptionCheck::ChkShow:
        return options.alarmShow;
    case OptionCheck::ChkAlarmSoundOn:
        break;
    }
    return options.alarmSoundOn;
}

// The folder the wave-file picker starts in: the typed path's own folder, or the path itself
// when it names a folder.
std::string startFolderFor(const std::string& soundPath)
{
    if (soundPath.empty())
        return {};
    const std::filesystem::path path(soundPath);
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return soundPath;
    return path.parent_path().string();
}

} // namespace

OptionsPresenter::OptionsPresenter(profile::ProfileStore& store, settings::Options& live,
                                   OptionsView& view, platform::Dialogs& dialogs,
                                   OptionsRequest request, utilities::ProgramVersion version)
    : store_(store), live_(live), view_(view), dialogs_(dialogs), request_(std::move(request)),
      version_(version), swatches_(request_.shownColours)
{}

void OptionsPresenter::Form_Load()
{
    reloadLiveOptions();
    std::vector<std::string> names;
    for (const ColourScheme& scheme : kColourSchemes)
        names.emplace_back(scheme.name);
    view_.showSchemes(names);
    view_.showSettings(live_);
    view_.showSwatches(swatches_);
    view_.showVersion({utilities::versionLabel(version_), request_.readme});
    view_.selectTab(request_.tab);
}

void OptionsPresenter::setCheck(OptionCheck check, settings::CheckState state)
{
    checkOf(live_, check) = state;
}

void OptionsPresenter::setChoice(OptionGroup group, int index)
{
    if (index != 0 && index != 1)
        return;
    if (group == OptionGroup::Option3)
        live_.drop = static_cast<settings::DropMode>(index);
    else
        live_.sound = static_cast<settings::AlarmSound>(index);
}

void OptionsPresenter::ScrAll_Change(int wait)
{
    live_.wait = std::clamp(wait, settings::kMinimumWait, settings::kMaximumWait);
    view_.showSettings(live_);
}

void OptionsPresenter::ScrEndPG_Change(int page)
{
    live_.endTopNo = std::clamp(page, live_.endTopNoRange.minimum, live_.endTopNoRange.maximum);
    view_.showSettings(live_);
}

void OptionsPresenter::TxtSoundPath_Change(std::string path)
{
    live_.soundPath = std::move(path);
}

void OptionsPresenter::BtSound_Click()
{
    platform::OpenFileRequest request;
    request.title = std::string(kSoundPickerTitle);
    request.filters = {{std::string(kSoundFilterLabel), {"*.wav"}}};
    request.startFolder = startFolderFor(live_.soundPath);
    if (auto chosen = dialogs_.openFile(request)) {
        live_.soundPath = std::move(*chosen);
        view_.showSettings(live_);
    }
}

void OptionsPresenter::CmbCol_Click(int index)
{
    if (index < 0 || index >= kSchemeCount)
        return;
    swatches_ = kColourSchemes[static_cast<std::size_t>(index)].slots;
    view_.showSwatches(swatches_);
}

void OptionsPresenter::LblCol_Click(int index)
{
    if (index < 0 || index >= kColourSlotCount)
        return;
    ColourValue& swatch = swatches_[static_cast<std::size_t>(index)];
    if (const auto chosen = dialogs_.pickColour(shownColour(swatch))) {
        swatch = static_cast<ColourValue>(*chosen & kPlainColourMask);
        view_.showSwatches(swatches_);
    }
}

void OptionsPresenter::TxtAdd_Click()
{
    if (request_.shell && !request_.readme.empty())
        request_.shell->open(request_.readme.string(), request_.readme.parent_path().string());
}

void OptionsPresenter::BtOK_Click()
{
    std::vector<profile::ProfileWrite> writes = settings::optionWrites(live_);
    const std::vector<profile::ProfileWrite> colours = colourWrites(swatches_);
    writes.insert(writes.end(), colours.begin(), colours.end());
    const profile::WriteStatus status = store_.WriteSettings(writes, profile::Backup::First);
    if (!status.ok()) {
        dialogs_.message(status.message(), std::string(kCaption), platform::DialogIcon::Critical);
        return;
    }
    confirmed_ = true;
    reloadLiveOptions();
    view_.closeDialog();
}

void OptionsPresenter::BtCancel_Click()
{
    reloadLiveOptions();
    view_.closeDialog();
}

void OptionsPresenter::Form_QueryUnload()
{
    reloadLiveOptions();
}

void OptionsPresenter::reloadLiveOptions()
{
    // As a freshly loaded dialog would: built-in defaults first, then the file over them.
    live_ = settings::Options{};
    settings::LoadSettings(store_, live_, {0, request_.highestPage});
}

std::uint32_t OptionsPresenter::shownColour(ColourValue value) const
{
    if (const auto role = systemColourRole(value))
        return view_.systemColour(*role);
    return static_cast<std::uint32_t>(value) & kPlainColourMask;
}

} // namespace vnovla::options
