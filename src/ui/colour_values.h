#pragma once

#include "options/colour_scheme.h"

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace vnovla::ui {

// The palette role standing for a Windows system colour.
QPalette::ColorRole paletteRole(options::SystemColourRole role);

// A stored colour as Qt draws it; a system colour takes its role's colour from palette.
QColor toQColor(options::ColourValue value, const QPalette& palette);

// A Qt colour as 0x00BBGGRR.
std::uint32_t toColourValue(const QColor& colour);

} // namespace vnovla::ui
