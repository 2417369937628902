#include "ui/gauge_widget.h"

#include "monitors/gauge_rules.h"

#include <QMouseEvent>
#include <QPainter>

namespace vnovla::ui {

GaugeWidget::GaugeWidget(const QColor& barColour, const QColor& backgroundColour, QWidget* parent)
    : QWidget(parent), barColour_(barColour), backgroundColour_(backgroundColour)
{
    // Every paint covers the whole box.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int GaugeWidget::barPixels() const
{
    return monitors::barWidth(width(), percent_);
}

void GaugeWidget::setColours(const QColor& barColour, const QColor& backgroundColour)
{
    barColour_ = barColour;
    backgroundColour_ = backgroundColour;
    update();
}

void GaugeWidget::setBar(std::int32_t percent, const QColor& backgroundColour)
{
    const int shownPixels = barPixels();
    percent_ = percent;
    // A new reading that covers the same pixels looks the same: no repaint.
    if (barPixels() == shownPixels && backgroundColour == backgroundColour_)
        return;
    backgroundColour_ = backgroundColour;
    update();
}

void GaugeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour_);
    painter.fillRect(QRect(0, 0, barPixels(), height()), barColour_);
}

void GaugeWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Q_EMIT doubleClicked();
}

} // namespace vnovla::ui
