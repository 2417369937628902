#pragma once

#include "platform/pixel_geometry.h"
#include "profile/profile_file.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vnovla::profile {
class ProfileStore;
}

namespace vnovla::pages {

// Window coordinates are stored in twips; on the desktop a twip is a fifteenth of a
// device-independent pixel (96 pixels per inch).
inline constexpr int kTwipsPerPixel = 15;
// The launcher window's fixed outer size.
inline constexpr int kWindowWidthTwips = 5700;
inline constexpr int kWindowHeightTwips = 1510;

struct TwipPosition
{
    float top = 0;
    float left = 0;
    bool operator==(const TwipPosition&) const = default;
};

// The launcher window's state at start, from section "Window" of the settings file.
struct StartupState
{
    std::optional<TwipPosition> position; // nothing: the window system places the window
    int highestPage = 15;                 // the maximum of ScrNo, 0..1000
    int startPage = 0;                    // within 0..highestPage
    bool clock = true;                    // mnuTime checked
    bool alwaysOnTop = true;              // MnuTemae checked
    bool startMinimised = false;
    bool operator==(const StartupState&) const = default;
};

// Each value is read on its own; a missing or unreadable one keeps its default.
StartupState readStartupState(profile::ProfileStore& store);

platform::PixelPoint toPixels(const TwipPosition& position);
TwipPosition toTwips(platform::PixelPoint position);

// A window that lies entirely off every screen (a monitor was unplugged, the resolution
// dropped) comes back on the primary screen, the first one, at the edge nearest to where it
// was, as far as needed to show it whole. A window that shows on a screen even in part stays
// where the user put it. No screens: stays.
platform::PixelPoint keepOnScreen(platform::PixelRect window,
                                  std::span<const platform::PixelRect> screens);

// The window's position is also kept for each arrangement of screens, in section "Screens"
// under a key naming the arrangement, so that when a monitor comes back so does the place the
// window had with it. "Top" and "Left" of "Window" keep the last position as before.
inline constexpr std::string_view kScreensSection = "Screens";
// The usable area of each screen as "WxH+X+Y", the primary screen first, joined by "_".
// Empty for no screens.
std::string screenArrangement(std::span<const platform::PixelRect> screens);
// The position kept for this arrangement, if any: "Top,Left" in twips.
std::optional<TwipPosition> readArrangementPosition(profile::ProfileStore& store,
                                                    std::span<const platform::PixelRect> screens);
// The write that keeps the position for this arrangement; nothing for no screens.
std::optional<profile::ProfileWrite> arrangementWrite(const TwipPosition& position,
                                                      std::span<const platform::PixelRect> screens);

// Where the window stands as the window system reports it.
struct WindowPlacement
{
    enum class State {
        Normal,
        Minimised,
        FillingTheScreen, // maximised or full screen
    };
    State state = State::Normal;
    platform::PixelPoint frame;  // the frame's top-left, as window positions are stored
    platform::PixelPoint client; // the client area's top-left
};

// The position saved at exit is that of the normal window, also when the window is minimised,
// maximised or full screen then. The window reports every move and change of state here.
class NormalWindowPosition
{
public:
    void update(const WindowPlacement& now);
    // Where the normal window's frame stands, whatever state the window is in now.
    platform::PixelPoint position(const WindowPlacement& now) const;

private:
    struct Seen
    {
        platform::PixelPoint frame;
        bool framed = false; // the window had a frame around its client area
    };
    std::optional<Seen> last_;
    std::optional<Seen> beforeLast_;
    WindowPlacement::State state_ = WindowPlacement::State::Normal;
};

// The decimal text a window coordinate is stored as: no fraction when it is whole ("1500").
std::string realText(float value);

enum class FixedStartPage {
    Off,
    On,
};

struct ShutdownState
{
    TwipPosition position; // of the normal (not minimised) window
    int highestPage = 15;
    int currentPage = 0;
    FixedStartPage fixedStartPage = FixedStartPage::Off; // ChkEndTop
    bool clock = true;
    bool alwaysOnTop = true;
};

// The writes of section "Window" at exit, in their order. While the fixed start page is on,
// "Now" is stored as "0": the next start takes its page from "EndTopNo" anyway.
std::vector<profile::ProfileWrite> shutdownWrites(const ShutdownState& state);

} // namespace vnovla::pages
