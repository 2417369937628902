#pragma once

#include <string>

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

// Modal message boxes. Each call blocks until the user answers, so a test can answer from a
// script and the caller's code reads top to bottom.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual Answer ask(const std::string& text, const std::string& caption, DialogButtons buttons,
                       DialogIcon icon, DefaultButton defaultButton) = 0;

    virtual void message(const std::string& text, const std::string& caption, DialogIcon icon) = 0;
};

} // namespace vnovla::platform
