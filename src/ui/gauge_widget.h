#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

namespace vnovla::ui {

// One of the small gauges under the button row: a reading as a horizontal bar over the full
// height of the box. Mouse events pass through to the window, which treats the gauge row as
// part of its body; a double-click with the left button is reported instead.
class GaugeWidget : public QWidget
{
    Q_OBJECT

public:
    GaugeWidget(const QColor& barColour, const QColor& backgroundColour, QWidget* parent = nullptr);

    QColor barColour() const { return barColour_; }
    QColor backgroundColour() const { return backgroundColour_; }
    std::int32_t percent() const { return percent_; }
    // The pixels the bar covers at the current size.
    int barPixels() const;

    void setColours(const QColor& barColour, const QColor& backgroundColour);
    // A new reading: the background and the bar of percent, redrawn at once when it looks
    // different. A percent outside 0..100 (the processor load is not clamped) is clipped to
    // the box.
    void setBar(std::int32_t percent, const QColor& backgroundColour);

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor barColour_;
    QColor backgroundColour_;
    std::int32_t percent_ = 0;
};

} // namespace vnovla::ui
