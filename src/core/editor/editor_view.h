#pragma once

#include <string>

namespace vnovla::platform {
struct Picture;
}

namespace vnovla::editor {

// How the button editor ends.
enum class EditorOutcome {
    Saved,
    Cancelled,
};

// What the button editor window shows. The presenter decides; the window only renders, and
// setting a field from here does not report it back as a change by the user.
class EditorView
{
public:
    virtual ~EditorView() = default;

    virtual void setCaption(const std::string& caption) = 0;
    virtual void showPath(const std::string& text) = 0;             // TxtPath
    virtual void showTooltip(const std::string& text) = 0;          // TxtToll
    virtual void showIconFile(const std::string& text) = 0;         // TIcPath
    virtual void showIconIndex(int index) = 0;                      // ScrIcon
    virtual void setOkEnabled(bool enabled) = 0;                    // BtOK
    virtual void showPreview(const platform::Picture& picture) = 0; // PicIcon; empty clears it
    // Gives the keyboard focus back to the dialog after a file dialog closed.
    virtual void focusDialog() = 0;
    // Ends the modal dialog.
    virtual void finish(EditorOutcome outcome) = 0;
};

} // namespace vnovla::editor
