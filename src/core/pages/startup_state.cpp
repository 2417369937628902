#include "pages/startup_state.h"

#include "profile/profile_store.h"
#include "settings/options.h"
#include "settings/value_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vnovla::pages {

namespace {

// Far beyond any desktop, yet small enough that window arithmetic cannot overflow an int.
constexpr double kPixelLimit = 1'000'000.0;

int toPixel(float twips)
{
    if (!std::isfinite(twips))
        return 0;
    const double pixels = std::round(static_cast<double>(twips) / kTwipsPerPixel);
    return static_cast<int>(std::clamp(pixels, -kPixelLimit, kPixelLimit));
}

bool overlaps(const platform::PixelRect& window, const platform::PixelRect& screen)
{
    return std::int64_t{window.x} < std::int64_t{screen.x} + screen.width &&
           std::int64_t{screen.x} < std::int64_t{window.x} + window.width &&
           std::int64_t{window.y} < std::int64_t{screen.y} + screen.height &&
           std::int64_t{screen.y} < std::int64_t{window.y} + window.height;
}

// The start of a window of the given length moved the least distance to lie inside the
// screen's span; a window longer than the screen starts at the screen's start.
int moveInside(int start, int length, int screenStart, int screenLength)
{
    const int lastStart = screenStart + std::max(0, screenLength - length);
    return std::clamp(start, screenStart, lastStart);
}

} // namespace

StartupState readStartupState(profile::ProfileStore& store)
{
    const settings::WindowSettings window = settings::readWindowSettings(store);
    StartupState state;
    // A position needs both edges; half a position would put the window somewhere the user
    // never saw it.
    if (window.top && window.left)
        state.position = TwipPosition{*window.top, *window.left};
    state.highestPage = window.page;
    state.startPage = window.endTop ? window.endTopNo : window.now;
    state.clock = window.clock;
    state.alwaysOnTop = window.alwaysOnTop;
    state.startMinimised = window.startMinimised;
    return state;
}

platform::PixelPoint toPixels(const TwipPosition& position)
{
    return {toPixel(position.left), toPixel(position.top)};
}

TwipPosition toTwips(platform::PixelPoint position)
{
    return {static_cast<float>(position.y) * kTwipsPerPixel,
            static_cast<float>(position.x) * kTwipsPerPixel};
}

platform::PixelPoint keepOnScreen(platform::PixelRect window,
                                  std::span<const platform::PixelRect> screens)
{
    const platform::PixelPoint unchanged{window.x, window.y};
    if (screens.empty())
        return unchanged;
    if (std::any_of(screens.begin(), screens.end(),
                    [&](const auto& screen) { return overlaps(window, screen); }))
        return unchanged;
    // The primary screen is the one the user surely sees; another screen may be switched off
    // or turned away even while the desktop still counts it.
    const platform::PixelRect& primary = screens.front();
    return {moveInside(window.x, window.width, primary.x, primary.width),
            moveInside(window.y, window.height, primary.y, primary.height)};
}

std::string screenArrangement(std::span<const platform::PixelRect> screens)
{
    std::string key;
    for (const platform::PixelRect& screen : screens) {
        if (!key.empty())
            key += '_';
        key += std::to_string(screen.width) + "x" + std::to_string(screen.height) +
               (screen.x < 0 ? "" : "+") + std::to_string(screen.x) + (screen.y < 0 ? "" : "+") +
               std::to_string(screen.y);
    }
    return key;
}

std::optional<TwipPosition> readArrangementPosition(profile::ProfileStore& store,
                                                    std::span<const platform::PixelRect> screens)
{
    if (screens.empty())
        return std::nullopt;
    const std::string value = store.ReadSetting(kScreensSection, screenArrangement(screens));
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    const auto top = settings::toSingle(std::string_view(value).substr(0, comma));
    const auto left = settings::toSingle(std::string_view(value).substr(comma + 1));
    if (!top || !left)
        return std::nullopt;
    return TwipPosition{*top, *left};
}

std::optional<profile::ProfileWrite> arrangementWrite(const TwipPosition& position,
                                                      std::span<const platform::PixelRect> screens)
{
    if (screens.empty())
        return std::nullopt;
    return profile::ProfileWrite{std::string(kScreensSection), screenArrangement(screens),
                                 realText(position.top) + "," + realText(position.left)};
}

std::string realText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::string(buffer, result.ptr);
}

std::vector<profile::ProfileWrite> shutdownWrites(const ShutdownState& state)
{
    const auto truth = [](bool value) { return std::string(value ? "True" : "False"); };
    const int now = state.fixedStartPage == FixedStartPage::On ? 0 : state.currentPage;
    return {
        {"Window", "Top", realText(state.position.top)},
        {"Window", "Left", realText(state.position.left)},
        {"Window", "Page", std::to_string(state.highestPage)},
        {"Window", "Now", std::to_string(now)},
        {"Window", "Time", truth(state.clock)},
        {"Window", "Temae", truth(state.alwaysOnTop)},
    };
}

void NormalWindowPosition::update(const WindowPlacement& now)
{
    using State = WindowPlacement::State;
    if (now.state == State::Normal) {
        if (!last_ || last_->frame != now.frame) {
            beforeLast_ = last_;
            last_ = Seen{now.frame, now.frame != now.client};
        }
    } else if (now.state == State::FillingTheScreen && state_ == State::Normal) {
        // Some window managers move the window to the screen's corner, without its frame,
        // before they report it full screen: that move was no normal window's.
        if (last_ && !last_->framed && beforeLast_ && beforeLast_->framed)
            last_ = beforeLast_;
    }
    state_ = now.state;
}

platform::PixelPoint NormalWindowPosition::position(const WindowPlacement& now) const
{
    if (now.state == WindowPlacement::State::Normal || !last_)
        return now.frame;
    return last_->frame;
}

} // namespace vnovla::pages
