#pragma once

#include "options/colour_scheme.h"
#include "settings/options.h"
#include "utilities/help.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::platform {
class Dialogs;
class Shell;
} // namespace vnovla::platform

namespace vnovla::options {

// The tabs of the options dialog, in order.
enum class OptionsTab {
    Settings1,
    Settings2,
    Alarm,
    Colour,
    Version,
};
inline constexpr int kTabCount = 5;
inline constexpr std::array<std::string_view, kTabCount> kTabCaptions{"設定1", "設定2", "ｱﾗｰﾑ",
                                                                      "ｶﾗｰ", "ﾊﾞｰｼﾞｮﾝ情報"};

inline constexpr std::string_view kSoundPickerTitle = "サウンドの登録";
inline constexpr std::string_view kSoundFilterLabel = "wavﾌｧｲﾙ(*.wav)";

// What the launcher hands the options dialog when it opens it.
struct OptionsRequest
{
    OptionsTab tab = OptionsTab::Settings1;
    // The launcher's page range, 0 to highestPage: the fixed start page can name no other.
    int highestPage = settings::kDefaultHighestPage;
    // The colours the launcher shows now; the swatches start from them.
    ColourSlots shownColours = kDesignColours;
    // The user guide the version tab points at.
    std::filesystem::path readme;
    // Opens that guide; none leaves the address inert.
    platform::Shell* shell = nullptr;
};

// The check boxes of the dialog's pages.
enum class OptionCheck {
    ChkWait,
    ChkEnd,
    ChkMin,
    ChkStartMin,
    ChkTray,
    ChkEndTop,
    ChkEndSaikin,
    ChkShow,
    ChkAlarmSoundOn,
};

// The option-button pairs of the dialog's pages.
enum class OptionGroup {
    Option3, // what a drop on a button does
    Option2, // how the alarm sounds
};

// What the version tab shows.
struct VersionFace
{
    std::string version; // LblVer
    std::filesystem::path readme;
};

// The options dialog as the presenter drives it. The Qt dialog implements it; it reports the
// user's edits back and decides nothing.
class OptionsView
{
public:
    virtual ~OptionsView() = default;

    // Every control of the settings pages, TxtAll and TxtEndPG included. Showing does not
    // report the controls' changes back.
    virtual void showSettings(const settings::Options& options) = 0;
    virtual void showSwatches(const ColourSlots& swatches) = 0;
    virtual void showSchemes(const std::vector<std::string>& names) = 0;
    virtual void showVersion(const VersionFace& face) = 0;
    virtual void selectTab(OptionsTab tab) = 0;
    // Closes the dialog; the presenter has already done what closing means.
    virtual void closeDialog() = 0;
    // The desktop's colour for a system colour role, 0x00BBGGRR.
    virtual std::uint32_t systemColour(SystemColourRole role) const = 0;
};

// The rules of the options dialog. It edits the launcher's live options directly, so every
// part of the launcher sees an edit at once, as when it reads a control of the open dialog;
// closing the dialog in any way reloads them from the settings file, so only what OK wrote
// stays.
class OptionsPresenter
{
public:
    OptionsPresenter(profile::ProfileStore& store, settings::Options& live, OptionsView& view,
                     platform::Dialogs& dialogs, OptionsRequest request,
                     utilities::ProgramVersion version);

    // Loads the options from the settings file and shows every page.
    void Form_Load();

    void setCheck(OptionCheck check, settings::CheckState state);
    void setChoice(OptionGroup group, int index);
    void ScrAll_Change(int wait);
    void ScrEndPG_Change(int page);
    void TxtSoundPath_Change(std::string path);
    // Picks the alarm's wave file.
    void BtSound_Click();

    // Puts a ready-made scheme on the swatches; nothing is stored until OK.
    void CmbCol_Click(int index);
    // Edits one swatch with the colour chooser.
    void LblCol_Click(int index);
    const ColourSlots& swatches() const { return swatches_; }

    // Opens the user guide the version tab points at.
    void TxtAdd_Click();

    // Writes every option and the twenty colours as one replacement of the settings file and
    // closes the dialog. When the file cannot be written, the user is told why and the
    // dialog stays open with their choices.
    void BtOK_Click();
    // Closes the dialog, writing nothing.
    void BtCancel_Click();
    // The dialog is closing by its close box (or after OK or Cancel): the live options go back
    // to what the file holds.
    void Form_QueryUnload();

    // Whether OK stored the options; the launcher then applies the new colours.
    bool confirmed() const { return confirmed_; }

private:
    void reloadLiveOptions();
    std::uint32_t shownColour(ColourValue value) const;

    profile::ProfileStore& store_;
    settings::Options& live_;
    OptionsView& view_;
    platform::Dialogs& dialogs_;
    OptionsRequest request_;
    utilities::ProgramVersion version_;
    ColourSlots swatches_;
    bool confirmed_ = false;
};

} // namespace vnovla::options
