#pragma once

#include <QScrollBar>

namespace vnovla::ui {

// The page scroll bar (ScrNo). Its arrow keys follow the pages as the bar's own arrow buttons
// and Page Up/Down do: Right and Down show the next page, Left and Up the previous one. A plain
// horizontal QScrollBar turns Left and Right round, and the bar holds the keyboard focus after
// almost every action.
class PageScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit PageScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vnovla::ui
