#include "ui/gauge_widget.h"

#include <QPainter>

#include <algorithm>

namespace vnovla::ui {

GaugeWidget::GaugeWidget(const QColor& barColour, const QColor& backgroundColour, QWidget* parent)
    : QWidget(parent), barColour_(barColour), backgroundColour_(backgroundColour)
{}

void GaugeWidget::setColours(const QColor& barColour, const QColor& backgroundColour)
{
    barColour_ = barColour;
    backgroundColour_ = backgroundColour;
    update();
}

void GaugeWidget::setPercent(int percent)
{
    percent_ = percent;
    update();
}

void GaugeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour_);
    // A reading outside 0..100 (the processor load is not clamped) still fits the box.
    const int shown = std::clamp(percent_, 0, 100);
    painter.fillRect(QRect(0, 0, width() * shown / 100, height()), barColour_);
}

} // namespace vnovla::ui
