#include "platform/linux/unix_signals.h"

#include <QSocketNotifier>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vnovla::platform::linux_desktop {

namespace {

// Written once before any handler is installed and only read by the handler.
volatile sig_atomic_t handlerWriteEnd = -1;

extern "C" void forwardSignal(int signalNumber)
{
    // write() is async-signal-safe; errno is restored because the interrupted code may be
    // about to read it. A full pipe drops the byte, which loses nothing: the event loop has a
    // wake-up pending already.
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(handlerWriteEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

UnixSignals::UnixSignals(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent), signalNumbers_(signalNumbers)
{
    int ends[2];
    // Non-blocking at both ends: the handler must never wait, and the reader drains the pipe
    // until it is empty.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("cannot create the signal pipe: %s", strerror(errno));
        return;
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    handlerWriteEnd = writeEnd_;

    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnixSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls (a blocking read in a plugin) resume instead of failing.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : signalNumbers_)
        sigaction(signalNumber, &action, nullptr);
}

UnixSignals::~UnixSignals()
{
    if (writeEnd_ < 0)
        return;
    for (const int signalNumber : signalNumbers_)
        std::signal(signalNumber, SIG_DFL);
    handlerWriteEnd = -1;
    ::close(readEnd_);
    ::close(writeEnd_);
}

void UnixSignals::readPending()
{
    unsigned char bytes[16];
    for (;;) {
        const ssize_t count = ::read(readEnd_, bytes, sizeof bytes);
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i)
            Q_EMIT received(bytes[i]);
    }
}

} // namespace vnovla::platform::linux_desktop
