#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::platform {

enum class DialogButtons {
    Ok,
    YesNo,
};

enum class DialogIcon {
    None,
    Question,
    Information,
    Warning,
    Critical,
};

// Which button Enter presses: confirmations default to the harmless answer.
enum class DefaultButton {
    First,  // Ok, or Yes
    Second, // No
};

enum class Answer {
    Ok,
    Yes,
    No,
};

// One choice of a file dialog's type list: a label and the name patterns it shows ("*.exe").
struct FileFilter
{
    std::string label;
    std::vector<std::string> patterns;
    bool operator==(const FileFilter&) const = default;
};

// What a file-open dialog asks for. Only existing files can be chosen.
struct OpenFileRequest
{
    std::string title;
    std::vector<FileFilter> filters;
    std::string startFolder; // empty: where the dialog was left last time
    bool operator==(const OpenFileRequest&) const = default;
};

// Modal message boxes. Each call blocks until the user answers, so a test can answer from a
// script and the caller's code reads top to bottom.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual Answer ask(const std::string& text, const std::string& caption, DialogButtons buttons,
                       DialogIcon icon, DefaultButton defaultButton) = 0;

    virtual void message(const std::string& text, const std::string& caption, DialogIcon icon) = 0;

    // A line of text typed by the user; nothing when the user cancels.
    virtual std::optional<std::string> inputBox(const std::string& prompt,
                                                const std::string& caption,
                                                const std::string& initialText) = 0;

    // The platform's file-open dialog; nothing when the user cancels.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;

    // The platform's folder chooser; nothing when the user cancels.
    virtual std::optional<std::string> browseFolder(const std::string& title) = 0;

    // The platform's colour chooser, opened on initial (0x00BBGGRR); nothing when the user
    // cancels.
    virtual std::optional<std::uint32_t> pickColour(std::uint32_t initial) = 0;
};

} // namespace vnovla::platform
