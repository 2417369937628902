#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

namespace vnovla::ui {

// The launcher's layout is drawn in twips (1/1440 inch), so it keeps its proportions on any
// screen: at the usual 96 logical dots per inch a twip is a fifteenth of a pixel.
inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// Converts the edges rather than the width, so that neighbours that touch in twips still
// touch in pixels after rounding.
inline QRect twipsToPixels(double left, double top, double width, double height, double logicalDpi)
{
    const int x = twipsToPixels(left, logicalDpi);
    const int y = twipsToPixels(top, logicalDpi);
    return QRect(x, y, twipsToPixels(left + width, logicalDpi) - x,
                 twipsToPixels(top + height, logicalDpi) - y);
}

} // namespace vnovla::ui
