#pragma once

#include <optional>
#include <string>

namespace vnovla::remote {

// The environment that decides which window system the launcher talks to.
struct DisplayEnvironment
{
    std::optional<std::string> qtPlatform;     // QT_QPA_PLATFORM, the user's own choice
    std::optional<std::string> vnovlaPlatform; // VNOVLA_PLATFORM
    std::optional<std::string> display;        // DISPLAY: an X server or XWayland
    std::optional<std::string> waylandDisplay; // WAYLAND_DISPLAY
};

struct DisplayChoice
{
    // The QT_QPA_PLATFORM to set before Qt starts; nothing leaves the environment as it is.
    std::optional<std::string> qtPlatform;
    // For --version: how the window will be shown, in words for the user.
    std::string description;
};

// The launcher places its window at stored coordinates, keeps it on top and grabs a global
// hot-key, which Wayland does not let a client do and X11 does. In a Wayland session with
// XWayland (DISPLAY set) it therefore runs through XWayland, unless VNOVLA_PLATFORM=wayland
// asks for the native Wayland window; QT_QPA_PLATFORM set by the user is kept.
DisplayChoice chooseDisplay(const DisplayEnvironment& environment);

} // namespace vnovla::remote
