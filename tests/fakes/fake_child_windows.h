#pragma once

#include "fakes/fake_launcher_view.h"
#include "pages/child_windows.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vnovla::test {

// Records which dialog was opened, with what, and whether the launcher was still on top then.
class FakeChildWindows : public pages::ChildWindows
{
public:
    explicit FakeChildWindows(const FakeLauncherView& launcher) : launcher_(launcher) {}

    void showEditor(int page, int slot) override
    {
        opened("editor " + std::to_string(page) + " " + std::to_string(slot));
    }
    int showMove(int page, int highestPage) override
    {
        opened("move " + std::to_string(page) + " " + std::to_string(highestPage));
        return highestAfterMove.value_or(highestPage);
    }
    bool showOptions(const options::OptionsRequest& request) override
    {
        opened(request.tab == options::OptionsTab::Version ? "options version" : "options");
        optionsRequests.push_back(request);
        return confirmOptions;
    }

    std::vector<std::string> calls;
    std::vector<std::optional<pages::StayOnTop>> stayOnTopWhileOpen;
    // What the copy/move dialog reports as the highest page when it closes.
    std::optional<int> highestAfterMove;
    // What the options dialog was opened with, and whether its OK is pressed.
    std::vector<options::OptionsRequest> optionsRequests;
    bool confirmOptions = false;
    // Runs while any dialog is open, as events that arrive meanwhile would.
    std::function<void()> whileOpen;

private:
    void opened(std::string call)
    {
        calls.push_back(std::move(call));
        stayOnTopWhileOpen.push_back(launcher_.stayOnTop);
        if (whileOpen)
            whileOpen();
    }

    const FakeLauncherView& launcher_;
};

} // namespace vnovla::test
