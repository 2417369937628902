#pragma once

#include "remote/hot_key.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace vnovla::platform::linux_desktop {

// The global hot-key on X11 (and XWayland): a passive key grab on the root window, taken
// with and without NumLock and CapsLock so that neither lock stops it.
class X11HotKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Nothing when the program does not run on X11.
    static std::unique_ptr<X11HotKey> create();
    ~X11HotKey() override;

    // Grabs hotKey; false when the key does not exist on this keyboard or another program
    // holds the combination already.
    bool grab(const remote::HotKey& hotKey);
    // Gives the keyboard focus back to the window that had it when the hot-key was pressed.
    void returnFocus();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    void pressed();

private:
    X11HotKey(xcb_connection_t* connection, std::uint32_t root);
    void ungrab();
    std::uint32_t activeWindow();
    std::uint32_t atom(const char* name);

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint8_t keycode_ = 0;
    std::uint16_t modifiers_ = 0;
    std::uint32_t lastRelease_ = 0;
    std::uint32_t previousWindow_ = 0;
};

} // namespace vnovla::platform::linux_desktop
