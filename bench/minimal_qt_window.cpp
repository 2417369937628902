// The yardstick for the launcher's start-up: the least a Qt Widgets program does to show a
// window of the launcher's size. It ends after its first paint and prints the milliseconds
// since main() began, as vnovla does with VNOVLA_EXIT_AFTER_FIRST_FRAME=1; bench/startup.sh
// times both from outside the same way.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(const QElapsedTimer& sinceStart) : sinceStart_(sinceStart) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so that the paint reaches the screen before the loop stops.
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "first frame after %lld ms\n",
                             static_cast<long long>(sinceStart_.elapsed()));
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& sinceStart_;
    bool painted_ = false;
};

} // namespace

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
    FirstPaintExit exit(sinceStart);
    window.installEventFilter(&exit);
    window.show();
    return QApplication::exec();
}
