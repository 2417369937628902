#pragma once

#include "editor/editor_view.h"
#include "platform/dialogs.h"

#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}
namespace vnovla::platform {
class Icons;
}

namespace vnovla::editor {

// The icon index runs over the whole range of a 16-bit scroll bar.
inline constexpr int kIconIndexMinimum = 0;
inline constexpr int kIconIndexMaximum = 32767;
// The preview box holds a large icon at its own size.
inline constexpr int kPreviewPixels = 32;

inline constexpr std::string_view kBrowseTitle = "登録";

// The file-open dialog of the path: its types as the user reads them, each matched by the
// patterns beside it. "All files" matches every name: Linux programs have no extension.
std::vector<platform::FileFilter> pathFilters();
// The file-open dialog of the icon file: each pattern shown as its own label.
std::vector<platform::FileFilter> iconFileFilters();

struct EditorServices
{
    profile::ProfileStore& store;
    platform::Dialogs& dialogs;
    // The button pictures; none shows every preview blank.
    platform::Icons* icons = nullptr;
    // IconFolder: the program folder and "/icon", set by OK, shared with whoever opens the
    // editor next.
    std::string& iconFolder;
};

// The button editor (FrmEdit) and its icon picker: the four values of one slot's
// registration while the user edits them, and their one write on OK.
class EditorPresenter
{
public:
    EditorPresenter(EditorView& view, EditorServices services);

    // Fills the dialog for a slot of a page, before it is shown: caption, index 0, the stored
    // path and then the stored tooltip (the path's change handling rewrites the tooltip
    // field), the OK rule, the icon file.
    void open(int page, int slot);

    // ---- Events of the dialog, as the user causes them ----
    void TxtPath_Change(std::string text);
    void TxtToll_Change(std::string text);
    void TIcPath_Change(std::string text);
    void ScrIcon_Change(int index);
    void btOpen_Click();
    void BtIcpath_Click();
    // "関連ｱｲｺﾝ": the icon of the path's associated program, in the preview only.
    void Command1_Click();
    // Saves and closes; a refused or failed write keeps the dialog open with its input.
    void BtOK_Click();
    // Cancel, Esc and the close box: nothing is written.
    void btCan_Click();
    // Local files dropped on the dialog: the first one becomes the path. An empty list (a drop
    // that carried no file) empties the path.
    void Form_OLEDragDrop(const std::vector<std::string>& paths);
    // The same on the icon-file frame: the first file becomes the icon file.
    void BtIcpath_OLEDragDrop(const std::vector<std::string>& paths);

    // The fields as they stand.
    const std::string& path() const { return path_; }
    const std::string& tooltip() const { return tooltip_; }
    const std::string& iconFile() const { return iconFile_; }
    int iconIndex() const { return iconIndex_; }
    bool okEnabled() const { return okEnabled_; }
    const std::string& caption() const { return caption_; }

private:
    void setPath(std::string text);
    void setTooltip(std::string text);
    void setIconFile(std::string text);
    void setIconIndex(int index);
    void pathChanged();
    void TollFromPath();
    void applyOkRule();
    void DIcon();
    void AppIcon(const std::string& path);
    // Why the values cannot be stored so that they read back as typed; empty when they can.
    std::string refusal();
    bool save();

    EditorView& view_;
    EditorServices services_;
    int page_ = 0;
    int slot_ = 0;
    std::string caption_;
    std::string path_;
    std::string tooltip_;
    std::string iconFile_;
    int iconIndex_ = 0;
    bool okEnabled_ = false;
};

} // namespace vnovla::editor
