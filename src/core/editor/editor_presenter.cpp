#include "editor/editor_presenter.h"

#include "editor/file_title.h"
#include "pages/page_face.h"
#include "platform/icons.h"
#include "profile/profile_store.h"

#include <algorithm>
#include <utility>

namespace vnovla::editor {

std::vector<platform::FileFilter> pathFilters()
{
    return {
        {"実行ﾌｧｲﾙ(*.exe)", {"*.exe"}},
        {"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", {"*.txt"}},
        {"すべてのﾌｧｲﾙ(*.*)", {"*"}},
    };
}

std::vector<platform::FileFilter> iconFileFilters()
{
    return {
        {"*.dll", {"*.dll"}},
        {"*.exe", {"*.exe"}},
        {"*.ico", {"*.ico"}},
        {"*.bmp", {"*.bmp"}},
    };
}

EditorPresenter::EditorPresenter(EditorView& view, EditorServices services)
    : view_(view), services_(services)
{}

void EditorPresenter::open(int page, int slot)
{
    page_ = page;
    slot_ = slot;
    caption_ = "Page " + std::to_string(page) + " : " + " ボタンNo. " + std::to_string(slot);
    view_.setCaption(caption_);
    // The stored index is not loaded: the editor always opens at index 0.
    setIconIndex(0);
    const std::string key = pages::entryKey(page, slot);
    // The path first: its change handling overwrites the tooltip field with the file title,
    // and the stored tooltip must win.
    setPath(services_.store.ReadSetting("Path", key));
    setTooltip(services_.store.ReadSetting("PopUp", key));
    setIconFile(services_.store.ReadIconSetting("IconPath", key));
}

void EditorPresenter::TxtPath_Change(std::string text)
{
    if (text == path_)
        return;
    path_ = std::move(text);
    pathChanged();
}

void EditorPresenter::TxtToll_Change(std::string text)
{
    tooltip_ = std::move(text);
    applyOkRule();
}

void EditorPresenter::TIcPath_Change(std::string text)
{
    if (text == iconFile_)
        return;
    iconFile_ = std::move(text);
    DIcon();
}

void EditorPresenter::ScrIcon_Change(int index)
{
    index = std::clamp(index, kIconIndexMinimum, kIconIndexMaximum);
    if (index == iconIndex_)
        return;
    iconIndex_ = index;
    DIcon();
}

void EditorPresenter::btOpen_Click()
{
    const auto chosen = services_.dialogs.openFile(
        {std::string(kBrowseTitle), pathFilters(), path_.empty() ? std::string() : path_});
    if (chosen) {
        setPath(*chosen);
        TollFromPath();
        setIconIndex(0);
    }
    view_.focusDialog();
}

void EditorPresenter::BtIcpath_Click()
{
    const std::string& start = iconFile_.empty() ? path_ : iconFile_;
    const auto chosen =
        services_.dialogs.openFile({std::string(kBrowseTitle), iconFileFilters(), start});
    if (chosen) {
        setIconFile(*chosen);
        // Choosing an icon file puts the path's own title back into the tooltip field.
        TollFromPath();
        setIconIndex(0);
    }
    view_.focusDialog();
}

void EditorPresenter::Command1_Click()
{
    AppIcon(path_);
}

void EditorPresenter::btCan_Click()
{
    view_.finish(EditorOutcome::Cancelled);
}

void EditorPresenter::Form_OLEDragDrop(const std::vector<std::string>& paths)
{
    setPath(paths.empty() ? std::string() : paths.front());
    TollFromPath();
}

void EditorPresenter::BtIcpath_OLEDragDrop(const std::vector<std::string>& paths)
{
    // Unlike browsing, a dropped icon file keeps the index and the tooltip.
    setIconFile(paths.empty() ? std::string() : paths.front());
}

void EditorPresenter::setPath(std::string text)
{
    if (text == path_)
        return;
    path_ = std::move(text);
    view_.showPath(path_);
    pathChanged();
}

void EditorPresenter::setTooltip(std::string text)
{
    tooltip_ = std::move(text);
    view_.showTooltip(tooltip_);
    applyOkRule();
}

void EditorPresenter::setIconFile(std::string text)
{
    if (text == iconFile_)
        return;
    iconFile_ = std::move(text);
    view_.showIconFile(iconFile_);
    DIcon();
}

void EditorPresenter::setIconIndex(int index)
{
    view_.showIconIndex(index);
    if (index == iconIndex_)
        return;
    iconIndex_ = index;
    DIcon();
}

void EditorPresenter::pathChanged()
{
    DIcon();
    TollFromPath();
    applyOkRule();
}

void EditorPresenter::TollFromPath()
{
    setTooltip(fileTitle(path_));
}

void EditorPresenter::applyOkRule()
{
    okEnabled_ = !path_.empty() && !tooltip_.empty();
    view_.setOkEnabled(okEnabled_);
}

void EditorPresenter::DIcon()
{
    const std::string& source = iconFile_.empty() ? path_ : iconFile_;
    if (source.empty() || !services_.icons) {
        view_.showPreview({});
        return;
    }
    // The preview shows icon N of the source itself, never the associated program: that one
    // is what "関連ｱｲｺﾝ" is for.
    const pages::IconRequest request{iconFile_.empty() ? pages::IconSource::RegisteredItem
                                                       : pages::IconSource::IconFile,
                                     source, iconIndex_};
    view_.showPreview(services_.icons->picture(request, kPreviewPixels));
}

void EditorPresenter::AppIcon(const std::string& path)
{
    if (path.empty() || !services_.icons) {
        view_.showPreview({});
        return;
    }
    view_.showPreview(
        services_.icons->picture({pages::IconSource::AssociatedProgram, path, 0}, kPreviewPixels));
}

void EditorPresenter::BtOK_Click()
{
    // Enter reaches OK even when the rule has it disabled in a front end that does not check.
    if (!okEnabled_)
        return;
    if (!save())
        return;
    view_.finish(EditorOutcome::Saved);
}

} // namespace vnovla::editor
