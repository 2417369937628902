#include "remote/display_platform.h"

namespace vnovla::remote {

namespace {

bool present(const std::optional<std::string>& value)
{
    return value && !value->empty();
}

} // namespace

DisplayChoice chooseDisplay(const DisplayEnvironment& environment)
{
    if (environment.vnovlaPlatform == "wayland")
        return {"wayland", "Wayland（ネイティブ。位置の復元・常に手前・ホットキーは使えません）"};
    if (present(environment.qtPlatform))
        return {std::nullopt, "QT_QPA_PLATFORM=" + *environment.qtPlatform};
    if (present(environment.display)) {
        if (present(environment.waylandDisplay))
            return {"xcb", "X11（Wayland セッションの XWayland 経由）"};
        return {"xcb", "X11"};
    }
    if (present(environment.waylandDisplay))
        return {std::nullopt, "Wayland（XWayland がないためネイティブ）"};
    return {std::nullopt, "Qt の既定"};
}

} // namespace vnovla::remote
