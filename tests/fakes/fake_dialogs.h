#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace vnovla::test {

// Answers modal questions from a script, like a user who already knows what will be asked.
// With no scripted answer left, a question gets its default button, as if Enter was pressed.
class FakeDialogs : public platform::Dialogs
{
public:
    struct Question
    {
        std::string text;
        std::string caption;
        platform::DialogButtons buttons = platform::DialogButtons::Ok;
        platform::DialogIcon icon = platform::DialogIcon::None;
        platform::DefaultButton defaultButton = platform::DefaultButton::First;
    };
    struct Message
    {
        std::string text;
        std::string caption;
        platform::DialogIcon icon = platform::DialogIcon::None;
    };

    void setNextAnswer(platform::Answer answer) { answers_.push_back(answer); }

    platform::Answer ask(const std::string& text, const std::string& caption,
                         platform::DialogButtons buttons, platform::DialogIcon icon,
                         platform::DefaultButton defaultButton) override
    {
        questions.push_back({text, caption, buttons, icon, defaultButton});
        if (!answers_.empty()) {
            const platform::Answer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        if (buttons == platform::DialogButtons::Ok)
            return platform::Answer::Ok;
        return defaultButton == platform::DefaultButton::First ? platform::Answer::Yes
                                                               : platform::Answer::No;
    }

    void message(const std::string& text, const std::string& caption,
                 platform::DialogIcon icon) override
    {
        messages.push_back({text, caption, icon});
    }

    std::vector<Question> questions;
    std::vector<Message> messages;

private:
    std::deque<platform::Answer> answers_;
};

} // namespace vnovla::test
