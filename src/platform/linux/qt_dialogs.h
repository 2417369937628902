#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace vnovla::platform::linux_desktop {

// Message boxes with QMessageBox, modal over the given parent (or the whole application).
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // From now on no box is shown, for there may be nobody to answer it (the program is ending
    // by a signal or with the desktop session): messages go to standard error, questions get
    // their default answer and pickers are cancelled.
    void setUnattended() { unattended_ = true; }

    Answer ask(const std::string& text, const std::string& caption, DialogButtons buttons,
               DialogIcon icon, DefaultButton defaultButton) override;
    void message(const std::string& text, const std::string& caption, DialogIcon icon) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& initialText) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
    std::optional<std::string> browseFolder(const std::string& title) override;
    std::optional<std::uint32_t> pickColour(std::uint32_t initial) override;

private:
    // The modal dialog in front, when there is one, so that a question or picker opens over
    // the dialog that asked for it and not behind it; else the given parent.
    QWidget* owner() const;

    QWidget* parent_;
    bool unattended_ = false;
};

} // namespace vnovla::platform::linux_desktop
