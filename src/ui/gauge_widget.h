#pragma once

#include <QColor>
#include <QWidget>

namespace vnovla::ui {

// One of the small gauges under the button row: a reading as a horizontal bar over the full
// height of the box. Mouse events pass through to the window, which treats the gauge row as
// part of its body.
class GaugeWidget : public QWidget
{
    Q_OBJECT

public:
    GaugeWidget(const QColor& barColour, const QColor& backgroundColour, QWidget* parent = nullptr);

    QColor barColour() const { return barColour_; }
    QColor backgroundColour() const { return backgroundColour_; }
    int percent() const { return percent_; }

    void setColours(const QColor& barColour, const QColor& backgroundColour);
    void setPercent(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor barColour_;
    QColor backgroundColour_;
    int percent_ = 0;
};

} // namespace vnovla::ui
