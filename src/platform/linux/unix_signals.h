#pragma once

#include <QObject>

#include <initializer_list>
#include <vector>

class QSocketNotifier;

namespace vnovla::platform::linux_desktop {

// Turns Unix signals into a Qt signal delivered by the event loop. A signal handler may call
// almost nothing, certainly no Qt, so the handler only writes the signal's number into a pipe
// (the self-pipe trick); the event loop reads it and emits received(). One instance at a
// time: the handler has a single pipe to write to.
class UnixSignals : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignals(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    // Gives the signals their default handling back.
    ~UnixSignals() override;

    UnixSignals(const UnixSignals&) = delete;
    UnixSignals& operator=(const UnixSignals&) = delete;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<int> signalNumbers_;
};

} // namespace vnovla::platform::linux_desktop
