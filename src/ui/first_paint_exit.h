#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace vnovla::ui {

// For start-up benchmarks: installed on a window, ends the event loop after the window's first
// paint and prints on standard error the milliseconds since `sinceStart` began, the proportional
// memory (PSS) and the number of threads at that moment. The quit is queued so that the paint
// finishes and reaches the screen before the loop stops.
class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(const QElapsedTimer& sinceStart) : sinceStart_(sinceStart) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "first frame after %lld ms\n",
                             static_cast<long long>(sinceStart_.elapsed()));
                std::fprintf(stderr, "pss %ld kB, threads %ld\n", pssKilobytes(), threadCount());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long pssKilobytes()
    {
        std::ifstream rollup("/proc/self/smaps_rollup");
        for (std::string line; std::getline(rollup, line);)
            if (line.rfind("Pss:", 0) == 0)
                return std::stol(line.substr(4));
        return -1;
    }

    static long threadCount()
    {
        std::error_code error;
        const std::filesystem::directory_iterator tasks("/proc/self/task", error);
        return error ? -1 : static_cast<long>(std::distance(tasks, {}));
    }

    const QElapsedTimer& sinceStart_;
    bool painted_ = false;
};

} // namespace vnovla::ui
