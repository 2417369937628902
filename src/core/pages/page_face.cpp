#include "pages/page_face.h"

#include "pages/item_kind.h"
#include "profile/profile_store.h"
#include "settings/value_conversion.h"

#include <optional>
#include <utility>

namespace vnovla::pages {

namespace {

std::string asciiLower(std::string text)
{
    for (char& character : text) {
        if (character >= 'A' && character <= 'Z')
            character = static_cast<char>(character - 'A' + 'a');
    }
    return text;
}

std::optional<int> iconIndex(const std::string& text)
{
    const auto value = settings::toInt16(text);
    if (!value)
        return std::nullopt;
    return *value;
}

IconRequest iconRequest(const std::string& path, const std::string& indexText,
                        const std::string& iconFile)
{
    if (!iconFile.empty()) {
        // An icon file names its icons from 0, so an empty index is not taken as 0 here.
        const auto index = iconIndex(indexText);
        if (!index)
            return {};
        return {IconSource::IconFile, iconFile, *index};
    }
    const auto index = iconIndex(indexText.empty() ? std::string("0") : indexText);
    if (!index)
        return {};
    if (*index == 0)
        return {IconSource::AssociatedProgram, path, 0};
    return {IconSource::RegisteredItem, path, *index};
}

std::string kindText(const std::string& extension)
{
    if (extension == "lnk")
        return "Scut";
    if (extension.empty())
        return "DIR";
    return extension;
}

} // namespace

std::string entryKey(int page, int slot)
{
    return std::to_string(page) + std::to_string(slot);
}

ButtonFace buttonFace(const std::string& tooltip, const std::string& path,
                      const std::string& iconIndexText, const std::string& iconFile)
{
    ButtonFace face;
    face.tooltip = tooltip.empty() ? std::string(kUnregisteredTooltip) : tooltip;
    if (path.empty()) {
        face.caption = kEmptyCaption;
        face.font = ButtonFont::Regular7pt;
        return face;
    }
    face.icon = iconRequest(path, iconIndexText, iconFile);
    const std::string extension = kindExtension(path);
    // A program shows its own icon, which says enough.
    if (asciiLower(extension) == "exe")
        return face;
    // Built in a fresh string: GCC 12 at -O3 reports a false -Wrestrict for `"\r" + text` and
    // for assigning a literal to the caption, which breaks the Release build.
    std::string caption(1, '\r');
    caption += kindText(extension);
    face.caption = std::move(caption);
    face.font = ButtonFont::Bold9pt;
    return face;
}

PageFace readPageFace(profile::ProfileStore& store, int page)
{
    // One page is drawn from one version of the files.
    const profile::ProfileStore::ReadScope scope(store);
    PageFace face;
    face.pageNumber = std::to_string(page);
    face.title = store.ReadSetting("Title", face.pageNumber);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string key = entryKey(page, slot);
        const std::string path = store.ReadSetting("Path", key);
        // The icon values matter only for a registered item; an empty slot skips their reads.
        std::string index;
        std::string iconFile;
        if (!path.empty()) {
            index = store.ReadSetting("Icon", key);
            iconFile = store.ReadIconSetting("IconPath", key);
        }
        face.buttons[static_cast<std::size_t>(slot)] =
            buttonFace(store.ReadSetting("PopUp", key), path, index, iconFile);
    }
    return face;
}

} // namespace vnovla::pages
