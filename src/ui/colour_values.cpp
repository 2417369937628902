#include "ui/colour_values.h"

namespace vnovla::ui {

QPalette::ColorRole paletteRole(options::SystemColourRole role)
{
    using Role = options::SystemColourRole;
    switch (role) {
    case Role::Window:
        return QPalette::Window;
    case Role::WindowText:
        return QPalette::WindowText;
    case Role::Base:
        return QPalette::Base;
    case Role::Text:
        return QPalette::Text;
    case Role::Button:
        return QPalette::Button;
    case Role::ButtonText:
        return QPalette::ButtonText;
    case Role::Highlight:
        return QPalette::Highlight;
    case Role::HighlightedText:
        return QPalette::HighlightedText;
    case Role::Light:
        return QPalette::Light;
    case Role::Midlight:
        return QPalette::Midlight;
    case Role::Mid:
        return QPalette::Mid;
    case Role::Dark:
        return QPalette::Dark;
    case Role::Shadow:
        return QPalette::Shadow;
    case Role::ToolTipBase:
        return QPalette::ToolTipBase;
    case Role::ToolTipText:
        return QPalette::ToolTipText;
    case Role::Link:
        return QPalette::Link;
    case Role::PlaceholderText:
        break;
    }
    return QPalette::PlaceholderText;
}

QColor toQColor(options::ColourValue value, const QPalette& palette)
{
    if (const auto role = options::systemColourRole(value))
        return palette.color(paletteRole(*role));
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::uint32_t toColourValue(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace vnovla::ui
