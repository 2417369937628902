#pragma once

#include "platform/dialogs.h"

#include <cstdint>
#include <deque>
#include <optional>
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

    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& initialText) override
    {
        inputPrompts.push_back({prompt, caption, initialText});
        return next(inputAnswers);
    }

    std::optional<std::string> openFile(const platform::OpenFileRequest& request) override
    {
        fileRequests.push_back(request);
        return next(fileAnswers);
    }

    std::optional<std::string> browseFolder(const std::string& title) override
    {
        folderTitles.push_back(title);
        return next(folderAnswers);
    }

    std::optional<std::uint32_t> pickColour(std::uint32_t initial) override
    {
        colourStarts.push_back(initial);
        return next(colourAnswers);
    }

    struct InputPrompt
    {
        std::string prompt;
        std::string caption;
        std::string initialText;
    };

    std::vector<Question> questions;
    std::vector<Message> messages;
    std::vector<InputPrompt> inputPrompts;
    std::vector<platform::OpenFileRequest> fileRequests;
    std::vector<std::string> folderTitles;
    std::vector<std::uint32_t> colourStarts;
    // Scripted answers of the pickers, taken in order; nothing (a cancel) once they run out.
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::uint32_t>> colourAnswers;

private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<platform::Answer> answers_;
};

} // namespace vnovla::test
