#include "platform/linux/x11_hot_key.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace vnovla::platform::linux_desktop {

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> own(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

// X keysym values of the key names hot_key.h uses besides letters and digits, whose keysym
// is their ASCII code.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 18> kKeysyms{{
    {"space", 0x0020},
    {"Tab", 0xff09},
    {"Return", 0xff0d},
    {"Escape", 0xff1b},
    {"Insert", 0xff63},
    {"Delete", 0xffff},
    {"Home", 0xff50},
    {"End", 0xff57},
    {"Prior", 0xff55},
    {"Next", 0xff56},
    {"Left", 0xff51},
    {"Right", 0xff53},
    {"Up", 0xff52},
    {"Down", 0xff54},
    {"Pause", 0xff13},
    {"Print", 0xff61},
    {"BackSpace", 0xff08},
    {"Menu", 0xff67},
}};

std::uint32_t keysymOf(const std::string& name)
{
    if (name.size() == 1)
        return static_cast<unsigned char>(name[0]);
    if (name.size() >= 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '9')
        return 0xffbe + static_cast<std::uint32_t>(std::stoi(name.substr(1)) - 1);
    for (const auto& [keyName, keysym] : kKeysyms)
        if (keyName == name)
            return keysym;
    return 0;
}

// NumLock sits on Mod2 in every keymap X servers and XWayland set up by default.
constexpr std::uint16_t kNumLock = XCB_MOD_MASK_2;
constexpr std::array<std::uint16_t, 4> kLockVariants{0, XCB_MOD_MASK_LOCK, kNumLock,
                                                     XCB_MOD_MASK_LOCK | kNumLock};

std::uint16_t x11Modifiers(unsigned modifiers)
{
    std::uint16_t mask = 0;
    if ((modifiers & remote::kShift) != 0)
        mask |= XCB_MOD_MASK_SHIFT;
    if ((modifiers & remote::kControl) != 0)
        mask |= XCB_MOD_MASK_CONTROL;
    if ((modifiers & remote::kAlt) != 0)
        mask |= XCB_MOD_MASK_1;
    if ((modifiers & remote::kSuper) != 0)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

} // namespace

std::unique_ptr<X11HotKey> X11HotKey::create()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    std::unique_ptr<X11HotKey> hotKey(new X11HotKey(connection, screen->root));
    qGuiApp->installNativeEventFilter(hotKey.get());
    return hotKey;
}

X11HotKey::X11HotKey(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root)
{}

X11HotKey::~X11HotKey()
{
    ungrab();
    if (qGuiApp != nullptr)
        qGuiApp->removeNativeEventFilter(this);
}

bool X11HotKey::grab(const remote::HotKey& hotKey)
{
    ungrab();
    const std::uint32_t keysym = keysymOf(hotKey.key);
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    auto mapping = own(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr));
    if (!mapping || keysym == 0)
        return false;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (int index = 0; index < count * perKeycode && keycode_ == 0; ++index)
        if (keysyms[index] == keysym)
            keycode_ = static_cast<std::uint8_t>(setup->min_keycode + index / perKeycode);
    if (keycode_ == 0)
        return false;
    modifiers_ = x11Modifiers(hotKey.modifiers);
    bool held = true;
    for (const std::uint16_t locks : kLockVariants) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(connection_, 1, root_, modifiers_ | locks, keycode_,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        // Another program's grab of the same combination answers BadAccess.
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            std::free(error);
            held = false;
        }
    }
    if (!held)
        ungrab();
    return held;
}

void X11HotKey::ungrab()
{
    if (keycode_ == 0)
        return;
    for (const std::uint16_t locks : kLockVariants)
        xcb_ungrab_key(connection_, keycode_, root_, modifiers_ | locks);
    xcb_flush(connection_);
    keycode_ = 0;
}

std::uint32_t X11HotKey::atom(const char* name)
{
    auto reply = own(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE};
}

std::uint32_t X11HotKey::activeWindow()
{
    auto reply = own(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, root_, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(std::uint32_t))
        return 0;
    std::uint32_t window = 0;
    std::memcpy(&window, xcb_get_property_value(reply.get()), sizeof window);
    return window;
}

void X11HotKey::returnFocus()
{
    if (previousWindow_ == 0)
        return;
    // The window manager activates the window the way a pager asks it to (source 2), which
    // focus-stealing prevention lets through.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = previousWindow_;
    event.type = atom("_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 2;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection_);
}

bool X11HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (keycode_ == 0 || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    const std::uint16_t state = key->state & ~(XCB_MOD_MASK_LOCK | kNumLock);
    if (key->event != root_ || key->detail != keycode_ || state != modifiers_)
        return false;
    if (type == XCB_KEY_RELEASE) {
        lastRelease_ = key->time;
        return true;
    }
    // A held key repeats as a release and a press at the same moment: one press counts.
    if (key->time == lastRelease_)
        return true;
    const std::uint32_t active = activeWindow();
    if (active != 0)
        previousWindow_ = active;
    Q_EMIT pressed();
    return true;
}

} // namespace vnovla::platform::linux_desktop
