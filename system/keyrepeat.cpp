#include "system/keyrepeat.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <qpa/qplatformnativeinterface.h>

#include <optional>

#include <unistd.h>

// The window systems' own headers come last: their macros (None, Bool,
// KeyPress, ...) would otherwise rename Qt's words.
#include <X11/XKBlib.h>
#include <wayland-client.h>

namespace {

// X11: the server's keyboard setting, as "xset r rate" sets it.
std::optional<KeyRepeat> ofX11()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    unsigned int delay = 0;
    unsigned int interval = 0;
    if (!XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval))
        return std::nullopt;
    XKeyboardState state;
    XGetKeyboardControl(display, &state);
    const bool repeats = state.global_auto_repeat == AutoRepeatModeOn;
    return KeyRepeat{int(delay), repeats ? int(interval) : 0};
}

// Wayland: a keyboard of the first seat that has one, asked for on a queue
// of our own so that nothing of Qt's own traffic is read here, and let go
// once the compositor has said how it repeats keys.
struct WaylandSeat
{
    wl_seat *seat = nullptr;
    uint32_t version = 0;
    wl_keyboard *keyboard = nullptr;
    std::optional<KeyRepeat> repeat;
};

// repeat_info came with the seat's version 4, the seat's release with 5.
constexpr uint32_t RepeatInfoVersion = 4;
constexpr uint32_t SeatReleaseVersion = 5;

void keymap(void *, wl_keyboard *, uint32_t, int32_t fd, uint32_t)
{
    ::close(fd);
}
void enter(void *, wl_keyboard *, uint32_t, wl_surface *, wl_array *)
{
}
void leave(void *, wl_keyboard *, uint32_t, wl_surface *)
{
}
void key(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t)
{
}
void modifiers(void *, wl_keyboard *, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t)
{
}
void repeatInfo(void *data, wl_keyboard *, int32_t rate, int32_t delay)
{
    // A rate of 0 turns repeating off.
    static_cast<WaylandSeat *>(data)->repeat = KeyRepeat{delay, rate > 0 ? qMax(1000 / rate, 1) : 0};
}
const wl_keyboard_listener KeyboardListener{keymap, enter, leave, key, modifiers, repeatInfo};

void capabilities(void *data, wl_seat *seat, uint32_t capabilities)
{
    auto *found = static_cast<WaylandSeat *>(data);
    if (found->keyboard || !(capabilities & WL_SEAT_CAPABILITY_KEYBOARD))
        return;
    found->keyboard = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(found->keyboard, &KeyboardListener, found);
}
void seatName(void *, wl_seat *, const char *)
{
}
const wl_seat_listener SeatListener{capabilities, seatName};

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    auto *found = static_cast<WaylandSeat *>(data);
    if (found->seat || qstrcmp(interface, wl_seat_interface.name) != 0 || version < RepeatInfoVersion)
        return;
    found->version = qMin(version, SeatReleaseVersion);
    found->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, found->version));
    wl_seat_add_listener(found->seat, &SeatListener, found);
}
void globalRemove(void *, wl_registry *, uint32_t)
{
}
const wl_registry_listener RegistryListener{global, globalRemove};

std::optional<KeyRepeat> ofWayland()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *display = static_cast<wl_display *>(native ? native->nativeResourceForIntegration("wl_display") : nullptr);
    if (!display)
        return std::nullopt;
    wl_event_queue *queue = wl_display_create_queue(display);
    auto *ours = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(ours), queue);
    wl_registry *registry = wl_display_get_registry(ours);
    WaylandSeat found;
    wl_registry_add_listener(registry, &RegistryListener, &found);
    // The globals, then the seat's capabilities, then the keyboard's news.
    for (int round = 0; round < 3 && !found.repeat; ++round) {
        if (wl_display_roundtrip_queue(display, queue) < 0)
            break;
    }
    if (found.keyboard)
        wl_keyboard_release(found.keyboard);
    if (found.seat && found.version >= SeatReleaseVersion)
        wl_seat_release(found.seat);
    else if (found.seat)
        wl_seat_destroy(found.seat);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(ours);
    wl_event_queue_destroy(queue);
    return found.repeat;
}

} // namespace

KeyRepeat KeyRepeat::ofDesktop()
{
    const QString platform = QGuiApplication::platformName();
    std::optional<KeyRepeat> desktop;
    if (platform == QLatin1String("xcb"))
        desktop = ofX11();
    else if (platform.startsWith(QLatin1String("wayland")))
        desktop = ofWayland();
    if (desktop)
        return *desktop;
    KeyRepeat qt;
    const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    qt.interval = rate > 0 ? qMax(1000 / rate, 1) : 0;
    return qt;
}
