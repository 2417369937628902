// What OK writes: the four values of the slot's registration, each file replaced once.

#include "editor/editor_presenter.h"

#include "pages/launcher_presenter.h"
#include "pages/page_face.h"
#include "profile/encoding.h"
#include "profile/profile_store.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::editor {

namespace {

// The bytes value takes in a file of this encoding. A value CP932 cannot hold turns a CP932
// file into UTF-8, so it counts in UTF-8.
std::size_t storedBytes(std::string_view value, profile::TextEncoding encoding)
{
    switch (encoding) {
    case profile::TextEncoding::Cp932:
        if (const auto cp932 = profile::utf8ToCp932(value))
            return cp932->size();
        return value.size();
    case profile::TextEncoding::Utf16Le:
    case profile::TextEncoding::Utf16Be:
        return profile::utf8ToUtf16(value, encoding).size();
    case profile::TextEncoding::Utf8:
    case profile::TextEncoding::Utf8Bom:
        return value.size();
    }
    return value.size();
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

std::string EditorPresenter::refusal()
{
    struct Field
    {
        std::string_view name;
        const std::string& value;
        profile::TextEncoding encoding;
    };
    const std::array<Field, 3> fields{{
        {"登録するパス", path_, services_.store.settingsFile().encoding()},
        {"オンマウスで表示するテキスト", tooltip_, services_.store.settingsFile().encoding()},
        {"アイコンファイルのパス", iconFile_, services_.store.iconFile().encoding()},
    }};
    for (const Field& field : fields) {
        if (hasLineBreak(field.value))
            return "「" + std::string(field.name) +
                   "」に改行が含まれているため保存できません。改行を取り除いてください。";
        // A longer value would be stored but read back cut short: the button would launch
        // something else than what was typed.
        if (storedBytes(field.value, field.encoding) > profile::kMaxValueBytes)
            return "「" + std::string(field.name) + "」が長すぎるため保存できません（" +
                   std::to_string(profile::kMaxValueBytes) + "バイトまで）。";
    }
    return {};
}

bool EditorPresenter::save()
{
    const auto tell = [this](const std::string& text) {
        services_.dialogs.message(text, std::string(pages::kApplicationTitle),
                                  platform::DialogIcon::Critical);
    };
    if (const std::string refused = refusal(); !refused.empty()) {
        tell(refused);
        return false;
    }
    const std::string key = pages::entryKey(page_, slot_);
    const std::vector<profile::ProfileWrite> previous = {
        {"Path", key, services_.store.ReadSetting("Path", key)},
        {"PopUp", key, services_.store.ReadSetting("PopUp", key)},
        {"Icon", key, services_.store.ReadSetting("Icon", key)},
    };
    const std::vector<profile::ProfileWrite> writes = {
        {"Path", key, path_},
        {"PopUp", key, tooltip_},
        {"Icon", key, std::to_string(iconIndex_)},
    };
    const auto backup =
        previous.front().value.empty() ? profile::Backup::No : profile::Backup::First;
    if (const auto status = services_.store.WriteSettings(writes, backup); !status) {
        tell(status.message());
        return false;
    }
    // Written also when empty, so that an emptied field drops the icon file registered before.
    if (const auto status = services_.store.WriteIconSetting("IconPath", key, iconFile_); !status) {
        // The registration is all or nothing: without its icon file the button would show
        // a picture the user did not choose.
        (void)services_.store.WriteSettings(previous);
        tell(status.message());
        return false;
    }
    services_.iconFolder = (services_.store.programFolder() / "icon").string();
    return true;
}

} // namespace vnovla::editor
