// The yardstick for the launcher's start-up: the least a Qt Widgets program does to show a
// window of the launcher's size. It ends after its first paint and prints the milliseconds
// since main() began, as vnovla does with VNOVLA_EXIT_AFTER_FIRST_FRAME=1; bench/startup.sh
// times both from outside the same way.

#include "ui/first_paint_exit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QWidget window;
    // About the launcher's client area at 96 dpi, with one line of text: a window that shows
    // no text would not even load a font, which every real window does.
    window.setFixedSize(372, 75);
    QLabel label(QStringLiteral("VESKA NOVLA"), &window);
    vnovla::ui::FirstPaintExit exit(sinceStart);
    window.installEventFilter(&exit);
    window.show();
    return QApplication::exec();
}
