// The yardstick for the launcher's idle cost: a bare Qt Widgets window of the launcher's size
// whose title shows the same clock, rewritten by a 1 s timer. bench/idle_ticks.sh runs it
// beside the launcher.

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(372, 75);
    QLabel label(QStringLiteral("VESKA NOVLA"), &window);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QTimer clock;
    clock.setInterval(1000);
    QObject::connect(&clock, &QTimer::timeout, &window, [&window, &japanese] {
        const QDateTime now = QDateTime::currentDateTime();
        window.setWindowTitle(
            now.toString(QStringLiteral("hh:mm:ss  yyyy/MM/dd")) + QStringLiteral("(") +
            japanese.dayName(now.date().dayOfWeek(), QLocale::NarrowFormat) + QStringLiteral(")"));
    });
    clock.start();
    window.show();
    return QApplication::exec();
}
