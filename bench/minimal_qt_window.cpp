// The yardstick for the launcher's start-up: the least a Qt Widgets program does to show a
// window of the launcher's size with what the launcher's first frame shows: one line of
// Japanese text (which loads a CJK font, a large part of any Japanese window's start) and the
// icon files given as arguments, decoded and scaled to button size. It ends after its first
// paint and prints the milliseconds since main() began, as vnovla does with
// VNOVLA_EXIT_AFTER_FIRST_FRAME=1; bench/startup.sh times both from outside the same way.

#include "ui/first_paint_exit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QWidget window;
    // About the launcher's client area at 96 dpi.
    window.setFixedSize(372, 75);
    auto* rows = new QVBoxLayout(&window);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(0);
    rows->addWidget(new QLabel(QStringLiteral("メイン　起動ページ"), &window));
    auto* icons = new QHBoxLayout;
    rows->addLayout(icons);
    const QStringList files = QApplication::arguments().mid(1);
    for (const QString& file : files) {
        auto* label = new QLabel(&window);
        label->setPixmap(
            QPixmap(file).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        icons->addWidget(label);
    }
    vnovla::ui::FirstPaintExit exit(sinceStart);
    window.installEventFilter(&exit);
    window.show();
    return QApplication::exec();
}
