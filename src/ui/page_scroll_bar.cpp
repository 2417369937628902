#include "ui/page_scroll_bar.h"

#include <QKeyEvent>

namespace vnovla::ui {

PageScrollBar::PageScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void PageScrollBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace vnovla::ui
