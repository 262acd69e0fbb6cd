#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The session the settings window runs in, as far as reading the keyboard goes: in X11 every
// program sees every key; on Wayland the helper reads Caps Lock and Num Lock as each desktop
// allows, and every key only from the keyboard devices.
enum class DesktopSession : std::uint8_t { X11, KdePlasma, Wlroots, Gnome, OtherWayland };

// How keyboard access is given on this system: a udev rule that hands keyboards to the user of
// the seat's active session (where systemd-logind keeps seats), else membership of the input
// group, which counts from the next login.
enum class KeyboardAccessMethod : std::uint8_t { SeatRule, InputGroup };

// Whether this user's programs may read the keyboard devices, and the administrator's way to
// allow that or take it back. Reading them lets every program of the user see what is typed, so
// nothing here is done but on the user's explicit request.
class KeyboardAccess {
public:
    virtual ~KeyboardAccess() = default;

    virtual DesktopSession session() const = 0;
    virtual KeyboardAccessMethod method() const = 0;
    // A keyboard of this computer can be opened for reading now.
    virtual bool keyboardsReadable() = 0;
    // A keyboard's Caps Lock or Num Lock light can be read (in /sys/class/leds), which anyone may.
    virtual bool lockLightsReadable() = 0;
    // Access is given Keyvigil's way: its rule is installed, or the user is listed in the input
    // group. Access given otherwise is not Keyvigil's to take back.
    virtual bool granted() = 0;

    // Each asks for the administrator's password and waits; nullopt when done, else one line
    // saying why not ("the administrator's password was not given").
    virtual std::optional<QString> grant() = 0;
    virtual std::optional<QString> revoke() = 0;
};
